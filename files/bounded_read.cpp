#include "bounded_read.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

ReadOutcome failed(int error)
{
    return {error == ENOENT || error == ENOTDIR ? ReadStatus::Missing : ReadStatus::Failed, error};
}

}  // namespace

ReadOutcome readRegularFile(const std::string& path, std::uintmax_t limit, std::string& bytes)
{
    bytes.clear();
    // O_NONBLOCK: opening a FIFO returns at once instead of waiting for a
    // writer; a regular file ignores the flag
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0)
        return failed(errno);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        return failed(errno);
    if (S_ISDIR(info.st_mode))
        return {ReadStatus::Failed, EISDIR};
    if (!S_ISREG(info.st_mode))
        return {ReadStatus::NotRegular, 0};
    if (static_cast<std::uintmax_t>(info.st_size) > limit)
        return {ReadStatus::TooLarge, 0};

    std::string contents;
    contents.reserve(static_cast<std::size_t>(info.st_size));
    char block[65536];
    while (true) {
        const ssize_t n = ::read(file.get(), block, sizeof block);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failed(errno);
        if (n == 0)
            break;
        // a file that grows while it is read stops at the limit too
        if (contents.size() + static_cast<std::size_t>(n) > limit)
            return {ReadStatus::TooLarge, 0};
        contents.append(block, static_cast<std::size_t>(n));
    }
    bytes = std::move(contents);
    return {};
}

}  // namespace files
