#include "atomic_write.h"

#include <cerrno>
#include <climits>
#include <random>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace {

// as the system's own limit on symlinks in one path
constexpr int kMaxLinkHops = 40;

struct Resolved {
    std::string path;
    bool exists = false;
    struct stat info {};
    int error = 0;
};

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file the path finally names: every symlink followed, a relative one
// from its own folder.
Resolved resolve(std::string path)
{
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        Resolved r;
        r.path = path;
        if (::lstat(path.c_str(), &r.info) != 0) {
            r.error = errno == ENOENT ? 0 : errno;
            return r;
        }
        r.exists = true;
        if (!S_ISLNK(r.info.st_mode))
            return r;
        std::vector<char> link(PATH_MAX + 1);
        const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
        if (n < 0 || static_cast<std::size_t>(n) >= link.size()) {
            r.error = n < 0 ? errno : ENAMETOOLONG;
            return r;
        }
        std::string next(link.data(), static_cast<std::size_t>(n));
        if (next.empty() || next.front() != '/')
            next = (path.find('/') == std::string::npos ? std::string() : folderOf(path) + '/') + next;
        path = std::move(next);
    }
    Resolved r;
    r.path = path;
    r.error = ELOOP;
    return r;
}

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    void reset(int fd)
    {
        close();
        m_fd = fd;
    }
    // 0, or the errno of a close that failed (a delayed write error)
    int close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd >= 0 && ::close(fd) != 0 ? errno : 0;
    }

private:
    int m_fd;
};

// A new file beside the target, with the permissions a new file gets (the
// umask applies); it is removed unless kept.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target)
    {
        static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        std::random_device device;
        std::mt19937 random(device());
        std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string name = target + '.';
            for (int i = 0; i < 6; ++i)
                name += kLetters[pick(random)];
            const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (fd >= 0) {
                file.reset(fd);
                path = std::move(name);
                return;
            }
            if (errno != EEXIST) {
                error = errno;
                return;
            }
        }
        error = EEXIST;
    }
    ~TemporaryFile()
    {
        file.close();
        if (!path.empty() && !kept)
            ::unlink(path.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    Descriptor file;
    std::string path;
    int error = 0;
    bool kept = false;
};

int writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        // a short write is followed by one that fails with the reason (ENOSPC)
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

}  // namespace

WriteOutcome writeFileAtomically(const std::string& path, std::string_view bytes)
{
    const Resolved target = resolve(path);
    const auto failed = [&](int error) { return WriteOutcome{WriteStatus::Failed, error, target.path}; };
    const auto notRegular = [&] { return WriteOutcome{WriteStatus::NotRegular, 0, target.path}; };
    if (target.error != 0)
        return failed(target.error);
    if (target.exists) {
        if (S_ISDIR(target.info.st_mode))
            return failed(EISDIR);
        if (!S_ISREG(target.info.st_mode))
            return notRegular();
        // a read-only file is kept
        Descriptor probe(::open(target.path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        if (probe.get() < 0)
            return failed(errno);
    }

    TemporaryFile temporary(target.path);
    if (temporary.error != 0)
        return failed(temporary.error);
    const int fd = temporary.file.get();
    if (target.exists) {
        ::fchmod(fd, target.info.st_mode & 07777);
        // succeeds only for the superuser, who then leaves a user's file the user's
        [[maybe_unused]] const int owned = ::fchown(fd, target.info.st_uid, target.info.st_gid);
    }
    if (const int error = writeAll(fd, bytes))
        return failed(error);
    if (::fsync(fd) != 0)
        return failed(errno);
    if (const int error = temporary.file.close())
        return failed(error);

    // replaced by something else meanwhile: that is left alone too
    struct stat now {};
    if (::lstat(target.path.c_str(), &now) == 0 && !S_ISREG(now.st_mode))
        return S_ISDIR(now.st_mode) ? failed(EISDIR) : notRegular();
    if (::rename(temporary.path.c_str(), target.path.c_str()) != 0)
        return failed(errno);
    temporary.kept = true;
    // the rename itself reaches the disk with its folder
    const Descriptor folder(::open(folderOf(target.path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
    return {WriteStatus::Written, 0, target.path};
}

}  // namespace files
