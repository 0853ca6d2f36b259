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

// Where the file is read from and written to.
struct Location {
    QString readPath;
    QString writePath;
};

// Beside the program when its folder can be written (a portable copy);
// otherwise in the user's folder, read from there when it exists and from
// the program folder until then.
Location locate(const QString& programFolder, bool programFolderWritable, const QString& userFolder,
                bool userFileExists);
// The same for this machine: the user's folder is $XDG_CONFIG_HOME/vantorel/.
Location locate(const QString& programFolder);

// A real settings.ini is a few kB; a file beyond this is refused unread.
constexpr std::uintmax_t kMaxSettingsFileSize = std::uintmax_t(1) << 20;

// A file of the program's own data (journal.sqlite), kept in the folder the
// settings are written to.
QString dataFilePath(const Location& location, const QString& fileName);

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
