#pragma once

#include <string>
#include <string_view>

namespace files {

enum class WriteStatus {
    Written,
    NotRegular,  // the target is a device, FIFO or socket: left alone
    Failed,      // the system refused (error says why); the old file is kept
};

struct WriteOutcome {
    WriteStatus status = WriteStatus::Written;
    int error = 0;       // errno when Failed
    std::string target;  // the file written or refused: the path, or where its symlinks lead

    bool written() const { return status == WriteStatus::Written; }
};

// Replaces the file with bytes, whole or not at all: they are written beside
// it under a temporary name, flushed to the disk and renamed over it. A
// symlink is followed to its final target, which is written when it is a
// regular file or does not exist yet (the link stays a link). A folder,
// device, FIFO or socket is never replaced, and a read-only file stays as it
// is although its folder would let it be replaced. A regular file keeps its
// permissions and, where the system allows, its owner.
WriteOutcome writeFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace files
