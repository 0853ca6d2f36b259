#pragma once

#include <QString>

#include "settings_keys.h"

class QWidget;

// settings.ini read into the windows and written back from them. Every
// target is found by its object name in its window.
namespace settings {

struct Windows {
    QWidget* main = nullptr;
    QWidget* editor = nullptr;  // may be absent: its keys then keep their defaults
};

// Reads every key and applies it at once; returns the stored language tag.
// A missing or unreadable file gives every default.
int load(const QString& path, const Windows& windows);

// Writes every key from the windows' state as one new file that replaces the
// old one only when it is complete. On failure the old file is left as it
// was and the reason is returned; empty on success.
QString save(const QString& path, const Windows& windows, int languageTag);

}  // namespace settings
