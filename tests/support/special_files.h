#pragma once

#include <cerrno>
#include <cstring>
#include <string>

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

// Things a hostile user leaves where the program keeps its files. The ones
// that need the superuser say why they could not be made, for a skip.
namespace special {

// A character device like /dev/null (1, 3) at the path; empty when made,
// otherwise why not.
inline std::string makeNullDevice(const std::string& path)
{
    if (::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        return {};
    return "mknod is not allowed here (" + std::string(std::strerror(errno)) + ")";
}

inline bool isCharacterDevice(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISCHR(st.st_mode);
}

inline bool isFifo(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISFIFO(st.st_mode);
}

inline bool isSymlink(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

// A filesystem of a few pages mounted on a folder while it lives, to fill up.
class SmallDisk {
public:
    SmallDisk(const std::string& folder, std::size_t bytes) : m_folder(folder)
    {
        const std::string options = "size=" + std::to_string(bytes);
        if (::mount("tmpfs", folder.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0)
            m_mounted = true;
        else
            m_why = "a tmpfs cannot be mounted here (" + std::string(std::strerror(errno)) + ")";
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(m_folder.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    // empty when mounted, otherwise why not
    const std::string& whyNot() const { return m_why; }

private:
    std::string m_folder;
    bool m_mounted = false;
    std::string m_why;
};

}  // namespace special
