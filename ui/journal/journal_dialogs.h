#pragma once

#include <QString>
#include <functional>

#include "ui/editor/editor_dialogs.h"

class QPrinter;
class QWidget;

namespace gui {

// The dialogs of the journal window and of the records. Tests put their own
// answers here; an empty member means the desktop's dialog.
struct JournalDialogs {
    // The path to write, or empty when cancelled; the dialog has asked
    // before replacing a file.
    std::function<QString(QWidget*, const FileRequest&)> saveFile;
    // Sets up the printer; false when cancelled.
    std::function<bool(QWidget*, QPrinter&)> print;
};

JournalDialogs withDesktopDialogs(JournalDialogs dialogs);

}  // namespace gui
