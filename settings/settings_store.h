#pragma once

#include <QString>

#include "settings_keys.h"

class QWidget;

// settings.ini read into the windows and written back from them. Every
// target is found by its object name in its window.
namespace settings {

struct Windows {
    QWidget* main = nullptr;
    QWidget* editor = nullptr;   // may be absent: its keys then keep their defaults
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

// A file of the program's own data (journal.sqlite), kept in the folder the
// settings are written to.
QString dataFilePath(const Location& location, const QString& fileName);

// Reads every key and applies it at once; returns the stored language tag.
// A missing or unreadable file gives every default.
int load(const QString& path, const Windows& windows);

// Writes every key from the windows' state as one new file that replaces the
// old one only when it is complete. On failure the old file is left as it
// was and the reason is returned; empty on success.
QString save(const QString& path, const Windows& windows, int languageTag);

}  // namespace settings
