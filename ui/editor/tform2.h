#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>

#include <vector>

#include "editor_dialogs.h"
#include "editor_icons.h"
#include "places/program_places.h"
#include "text/window_keys.h"

class QAction;
class QLabel;
class QPlainTextEdit;
class QToolButton;

namespace gui {

class FindBar;
class HelpWindow;

// The table editor window: the reduction table file as plain text, with
// open, save, the clipboard, colour and font of the text area, and help.
// Shown modally; closing only hides it.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    // The program's places: every opening reloads the table the calculators
    // read (an installed copy's own table, or the shipped one) and shows its
    // path in the title; an installed copy saves into the user's folder.
    void setPlaces(const places::Places& places);
    // Dialogs the operations ask; members left empty are the desktop's.
    void setDialogs(EditorDialogs dialogs);
    // Where the editor's help page is shown.
    void setHelpWindow(HelpWindow* help);

    // The file last opened or saved (a bare name between a save's start and
    // its dialog); empty until the first open or save.
    const QString& editorFileName() const { return m_fileName; }
    QString statusText() const;
    QPlainTextEdit* textArea() const { return m_text; }

    // The operations of the tool buttons and menu items.
    void openFile();
    void saveFile();
    void copy();
    void cut();
    void paste();
    void chooseColor();
    void chooseFont();
    // The find row under the text, with the focus in it.
    void find();
    void showHelp();
    // An installed copy: removes the user's own table after asking and
    // shows the shipped one again.
    void restoreShippedTable();
    // Hides the window without asking about changes.
    void exitEditor();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildWindow();
    // The file's text into the text area; false (reported) when it cannot be read.
    bool loadFile(const QString& path);
    // The window's own title followed by the path of the file shown.
    void showPath(const QString& path);
    // The restore item: in an installed copy, usable while the user's table exists.
    void updateRestoreItem();
    // Asks before a table the calculator would not read is saved.
    bool tableReadsWell(const QByteArray& contents);
    bool askReplace(const QString& path);
    // A yes-or-no question about a file, No by default.
    bool askAbout(text::WindowKey prefix, const QString& path, text::WindowKey suffix);
    void reportFailure(text::WindowKey message, const QString& path, const QString& reason);
    QByteArray encodedText() const;

    places::Places m_places;
    QString m_programFolder;
    QString m_fileName;
    QString m_titleBase;
    QString m_shownPath;
    bool m_settingTitle = false;
    QAction* m_restoreItem = nullptr;
    EditorDialogs m_dialogs;
    QColor m_dialogColor = Qt::black;
    TextFont m_dialogFont;
    // how the text came, so that it is saved the same way
    bool m_utf8 = false;
    QByteArray m_lineBreak = "\n";

    QPlainTextEdit* m_text = nullptr;
    QLabel* m_status = nullptr;
    FindBar* m_find = nullptr;
    QPointer<HelpWindow> m_help;
    // menu items and tool buttons whose icons come at the first opening
    struct PendingIcon {
        QAction* item;
        QToolButton* button;
        EditorIcon icon;
    };
    std::vector<PendingIcon> m_pendingIcons;
};

}  // namespace gui
