#pragma once

#include <cstdint>
#include <string>

namespace files {

enum class ReadStatus {
    Read,
    Missing,     // nothing at the path (error: ENOENT or ENOTDIR)
    NotRegular,  // a device, FIFO or socket: refused unread
    TooLarge,    // over the limit, or grew past it while read
    Failed,      // there, but the system refused (error says why; EISDIR for a folder)
};

struct ReadOutcome {
    ReadStatus status = ReadStatus::Read;
    int error = 0;  // errno for Missing and Failed

    bool read() const { return status == ReadStatus::Read; }
};

// Reads the file whole into bytes when it is a regular file, or a symlink to
// one, of at most limit bytes. Anything else is refused without waiting for
// it (a FIFO with no writer) or reading from it (/dev/zero); bytes is empty
// then.
ReadOutcome readRegularFile(const std::string& path, std::uintmax_t limit, std::string& bytes);

}  // namespace files
