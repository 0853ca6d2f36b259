#include "editor_dialogs.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace gui {

namespace {

QString desktopOpenFile(QWidget* parent, const FileRequest& r)
{
    return QFileDialog::getOpenFileName(parent, r.title, r.folder, r.filter);
}

QString desktopSaveFile(QWidget* parent, const FileRequest& r)
{
    QFileDialog dialog(parent, r.title, r.folder, r.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // a name typed without an extension is saved as a text file, or as asked
    dialog.setDefaultSuffix(r.defaultSuffix);
    if (!r.proposedName.isEmpty())
        dialog.selectFile(r.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

std::optional<QColor> desktopColor(QWidget* parent, const QColor& start)
{
    const QColor chosen = QColorDialog::getColor(start, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

// The font dialog with a colour choice beside it: the text area takes face,
// size, style and colour at once.
std::optional<TextFont> desktopFont(QWidget* parent, const TextFont& start)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QFontDialog::tr("Select Font"));
    auto* fonts = new QFontDialog(start.font, &dialog);
    fonts->setWindowFlags(Qt::Widget);
    fonts->setOption(QFontDialog::NoButtons);

    QColor color = start.color;
    auto* swatch = new QLabel(&dialog);
    swatch->setFixedSize(48, 20);
    swatch->setFrameStyle(QFrame::Box);
    swatch->setAutoFillBackground(true);
    const auto paint = [swatch, &color] {
        QPalette p = swatch->palette();
        p.setColor(QPalette::Window, color);
        swatch->setPalette(p);
    };
    paint();
    auto* pick = new QPushButton(QColorDialog::tr("Select Color"), &dialog);
    QObject::connect(pick, &QPushButton::clicked, &dialog, [&] {
        if (const std::optional<QColor> c = desktopColor(&dialog, color)) {
            color = *c;
            paint();
        }
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* colorRow = new QHBoxLayout;
    colorRow->addWidget(pick);
    colorRow->addWidget(swatch);
    colorRow->addStretch();
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);

    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return TextFont{fonts->currentFont(), color};
}

}  // namespace

EditorDialogs withDesktopDialogs(EditorDialogs d)
{
    if (!d.openFile)
        d.openFile = desktopOpenFile;
    if (!d.saveFile)
        d.saveFile = desktopSaveFile;
    if (!d.color)
        d.color = desktopColor;
    if (!d.font)
        d.font = desktopFont;
    return d;
}

}  // namespace gui
