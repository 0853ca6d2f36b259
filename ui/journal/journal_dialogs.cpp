#include "journal_dialogs.h"

#include <QPrintDialog>
#include <QPrinter>

namespace gui {

namespace {

bool desktopPrint(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

JournalDialogs withDesktopDialogs(JournalDialogs d)
{
    if (!d.saveFile)
        d.saveFile = withDesktopDialogs(EditorDialogs{}).saveFile;
    if (!d.print)
        d.print = desktopPrint;
    return d;
}

}  // namespace gui
