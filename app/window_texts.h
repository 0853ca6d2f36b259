#pragma once

#include <QString>

#include "catalogue.h"

class QObject;

// Captions and hints of the table editor and the About box in both
// languages, and the editor's own messages.
namespace shell {

struct WindowText {
    const char* object;    // objectName of the window or of one of its parts
    const char* property;  // "windowTitle", "title", "text", "toolTip"
    const char* russian;
    const char* english;
};

// Sets every text of the table whose object is the window or one of its
// descendants.
void applyWindowTexts(QObject* window, UiLanguage language);
// The text of an object that is not kept as a widget (a dialog's title).
QString windowText(const char* object, const char* property, UiLanguage language);

enum class EditorMessage {
    ReadFailed,   // + file + reason
    WriteFailed,  // + file + reason
    ReplaceFile,  // + file + question
    ReplaceFileEnd,
    TableLinesBad,  // + line numbers + question
    TableLinesBadEnd,
    TableEmpty,
};
QString editorMessage(EditorMessage message, UiLanguage language);

}  // namespace shell
