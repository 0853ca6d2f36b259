#pragma once

#include <QString>
#include <cstdint>

#include "files/atomic_write.h"
#include "files/bounded_read.h"
#include "settings_keys.h"

class QWidget;

// settings.ini read into the windows and written back from them. Every
// target is found by its object name in its window.
namespace settings {

struct Windows {
    QWidget* main = nullptr;
    QWidget* editor = nullptr;   // may be absent: its keys then keep their defaults
    QWidget* help = nullptr;     // likewise
    QWidget* journal = nullptr;  // likewise
};

// A real settings.ini is a few kB; a file beyond this is refused unread.
constexpr std::uintmax_t kMaxSettingsFileSize = std::uintmax_t(1) << 20;

struct LoadOutcome {
    int languageTag = 1;  // as stored
    files::ReadOutcome file;

    // There but not read: a device, a FIFO, a folder, too large, unreadable.
    bool refused() const { return !file.read() && file.status != files::ReadStatus::Missing; }
};

// Reads every key and applies it at once. A missing or refused file gives
// every default.
LoadOutcome load(const QString& path, const Windows& windows);

// Writes every key from the windows' state, keeping the file's other lines,
// as one new file that replaces the old one only when it is complete
// (files::writeFileAtomically). A file that is there but cannot be read is
// not replaced either (EFBIG when too large).
files::WriteOutcome save(const QString& path, const Windows& windows, int languageTag);

}  // namespace settings
