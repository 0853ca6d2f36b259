#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace gui {

// What a file dialog of the editor is asked with.
struct FileRequest {
    QString title;         // empty: the dialog's own
    QString folder;        // starting folder
    QString proposedName;  // file name offered (save), may be empty
    QString filter;        // "txt files (*.txt)"
    // the extension given to a name typed without one (save)
    QString defaultSuffix = QStringLiteral("txt");
};

// The font of the text area together with its colour.
struct TextFont {
    QFont font;
    QColor color;
};

// The editor's dialogs. Tests put their own answers here; an empty member
// means the desktop's dialog. Each returns nothing when the user cancels.
struct EditorDialogs {
    std::function<QString(QWidget*, const FileRequest&)> openFile;
    // The chosen path; the dialog has asked before replacing a file.
    std::function<QString(QWidget*, const FileRequest&)> saveFile;
    std::function<std::optional<QColor>(QWidget*, const QColor& start)> color;
    std::function<std::optional<TextFont>(QWidget*, const TextFont& start)> font;
};

// The desktop's dialogs for every member left empty.
EditorDialogs withDesktopDialogs(EditorDialogs dialogs);

}  // namespace gui
