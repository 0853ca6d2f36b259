#include "journal_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

namespace gui {

namespace {

QString desktopSaveFile(QWidget* parent, const FileRequest& r)
{
    QFileDialog dialog(parent, r.title, r.folder, r.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // a name typed without an extension takes the proposed one's
    dialog.setDefaultSuffix(QFileInfo(r.proposedName).suffix());
    if (!r.proposedName.isEmpty())
        dialog.selectFile(r.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool desktopPrint(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

JournalDialogs withDesktopDialogs(JournalDialogs d)
{
    if (!d.saveFile)
        d.saveFile = desktopSaveFile;
    if (!d.print)
        d.print = desktopPrint;
    return d;
}

}  // namespace gui
