#pragma once

#include <QString>

namespace journal {

// The SHA-256 of a regular file of at most maxBytes, in hexadecimal; empty
// when the file is not one or cannot be read.
QString fileChecksum(const QString& path, qint64 maxBytes);

}  // namespace journal
