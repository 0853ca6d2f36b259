#pragma once

#include <QString>
#include <cstdint>

#include "files/atomic_write.h"
#include "files/bounded_read.h"

// Why a file was not read or written, as a message box tells it after the
// file's name, in the language in force.
namespace shell {

// The system's words, "it is not a regular file", or "the file is larger
// than N MB" for the limit the file was read with.
QString readFailureReason(const files::ReadOutcome& outcome, std::uintmax_t limit);
// The same for a save; a refused symlink's target is named after the reason.
QString writeFailureReason(const files::WriteOutcome& outcome, const QString& path);

}  // namespace shell
