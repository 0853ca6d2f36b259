#include "tform2.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QStatusBar>
#include <QStringDecoder>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "density/table_file.h"
#include "editor_icons.h"
#include "files/atomic_write.h"
#include "files/bounded_read.h"
#include "shell/file_reasons.h"
#include "shell/help.h"
#include "shell/message_box.h"
#include "text/catalogue.h"
#include "text/cp1251.h"
#include "ui/help/find_bar.h"
#include "ui/help/help_window.h"
#include "ui/main/keyboard.h"

namespace gui {

namespace {

const QString kTableFile = QString::fromLatin1(density::kTableFileName);
const QString kFilter = QStringLiteral("txt files (*.txt)");
constexpr std::size_t kListedLines = 5;

// The part after the last folder separator or drive colon.
QString bareName(const QString& path)
{
    const int cut = std::max(
        {path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char(':'))});
    return path.mid(cut + 1);
}

// The first line break of the text, or LF when it has none.
QString pathText(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

QByteArray lineBreakOf(const QByteArray& bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n')
            break;
        if (bytes[i] == '\r')
            return i + 1 < bytes.size() && bytes[i + 1] == '\n' ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\r");
    }
    return QByteArrayLiteral("\n");
}

// The font asked for where the system has it; the historical default of the
// table, which Linux does not have, becomes the system's fixed-width font so
// that the table's columns line up.
QFont editorFont(const QFont& wanted)
{
    if (QFontInfo(wanted).family().compare(wanted.family(), Qt::CaseInsensitive) == 0)
        return wanted;
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    // a desktop without a theme names no fixed font: the usual alias
    const QFontMetrics metrics(fixed);
    if (metrics.horizontalAdvance(QLatin1Char('1')) != metrics.horizontalAdvance(QLatin1Char('W'))) {
        fixed = QFont(QStringLiteral("monospace"), wanted.pointSize());
        fixed.setStyleHint(QFont::TypeWriter);
    }
    return fixed;
}

}  // namespace

TForm2::TForm2(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TForm2"));
    m_dialogs = withDesktopDialogs({});
    m_dialogFont = {QFont(QStringLiteral("MS Sans Serif"), 8), palette().color(QPalette::WindowText)};
    buildWindow();
    move(10, 10);
    resize(500, 300);
}

void TForm2::buildWindow()
{
    auto* menu = new QMenuBar(this);
    menu->setObjectName(QStringLiteral("MainMenu1"));
    auto* toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("ToolBar1"));
    toolBar->setFixedHeight(29);
    toolBar->setIconSize(QSize(20, 20));
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("RichEdit1"));
    auto* statusBar = new QStatusBar(this);
    statusBar->setObjectName(QStringLiteral("StatusBar1"));
    statusBar->setFixedHeight(19);
    statusBar->setSizeGripEnabled(false);
    m_status = new QLabel(statusBar);
    statusBar->addWidget(m_status, 1);

    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setTabChangesFocus(false);
    m_text->setFont(editorFont(QFont(QStringLiteral("MS Sans Serif"), 9)));

    struct Operation {
        const char* menuItem;
        const char* toolButton;  // nullptr: menu only
        std::optional<EditorIcon> icon;
        void (TForm2::*run)();
        QList<QKeySequence> keys;
    };
    const auto add = [&](QMenu* to, const Operation& op) {
        auto* item = to->addAction(QString());
        item->setObjectName(QString::fromLatin1(op.menuItem));
        item->setShortcuts(op.keys);
        connect(item, &QAction::triggered, this, op.run);
        QToolButton* button = nullptr;
        if (op.toolButton) {
            button = new QToolButton(toolBar);
            button->setObjectName(QString::fromLatin1(op.toolButton));
            button->setAutoRaise(true);
            button->setFocusPolicy(Qt::NoFocus);
            connect(button, &QToolButton::clicked, this, op.run);
            toolBar->addWidget(button);
        }
        if (op.icon)
            m_pendingIcons.push_back({item, button, *op.icon});
    };
    const auto submenu = [&](const char* name) {
        QMenu* m = menu->addMenu(QString());
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };

    toolBar->addSeparator();
    QMenu* file = submenu("N1");
    const auto keys = [](QKeySequence::StandardKey key) { return QKeySequence::keyBindings(key); };
    add(file, {"N6", "ToolButton3", EditorIcon::Open, &TForm2::openFile, keys(QKeySequence::Open)});
    // every save asks for the name: it is "save as" too
    add(file, {"N7", "ToolButton4", EditorIcon::Save, &TForm2::saveFile,
               keys(QKeySequence::Save) + keys(QKeySequence::SaveAs)});
    add(file, {"RestoreTable1", nullptr, std::nullopt, &TForm2::restoreShippedTable, {}});
    m_restoreItem = file->actions().constLast();
    file->addSeparator()->setObjectName(QStringLiteral("N13"));
    add(file, {"N17", nullptr, std::nullopt, &TForm2::exitEditor, {QKeySequence(Qt::CTRL | Qt::Key_W)}});
    toolBar->addSeparator();
    QMenu* edit = submenu("N2");
    add(edit, {"N9", "ToolButton7", EditorIcon::Copy, &TForm2::copy, keys(QKeySequence::Copy)});
    add(edit, {"N10", "ToolButton8", EditorIcon::Cut, &TForm2::cut, keys(QKeySequence::Cut)});
    add(edit, {"N11", "ToolButton9", EditorIcon::Paste, &TForm2::paste, keys(QKeySequence::Paste)});
    add(edit, {"actionFind", nullptr, std::nullopt, &TForm2::find, keys(QKeySequence::Find)});
    toolBar->addSeparator();
    QMenu* settings = submenu("N3");
    add(settings, {"N18", nullptr, std::nullopt, &TForm2::chooseColor, {}});
    add(settings, {"N19", nullptr, std::nullopt, &TForm2::chooseFont, {}});
    QMenu* help = submenu("N4");
    add(help, {"N5", "ToolButton5", EditorIcon::Help, &TForm2::showHelp, keys(QKeySequence::HelpContents)});
    m_find = findBarFor(m_text, this);
    openMenuBarOnF10(this, menu);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menu);
    layout->addWidget(toolBar);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_find);
    layout->addWidget(statusBar);
    updateRestoreItem();
}

void TForm2::setPlaces(const places::Places& places)
{
    m_places = places;
    m_programFolder = pathText(places.programFolder / "");
    updateRestoreItem();
}

void TForm2::updateRestoreItem()
{
    const bool installed = m_places.kind == places::CopyKind::Installed;
    m_restoreItem->setVisible(installed);
    m_restoreItem->setEnabled(installed && places::tableToRead(m_places).source == places::TableSource::Users);
}

void TForm2::showPath(const QString& path)
{
    m_shownPath = path;
    m_settingTitle = true;
    setWindowTitle(m_titleBase + QStringLiteral(" — ") + QDir::toNativeSeparators(path));
    m_settingTitle = false;
}

// The language sets the window's own title; the path stays after it.
void TForm2::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::WindowTitleChange || m_settingTitle)
        return;
    m_titleBase = windowTitle();
    if (!m_shownPath.isEmpty())
        showPath(m_shownPath);
}

void TForm2::setHelpWindow(HelpWindow* help)
{
    m_help = help;
}

void TForm2::setDialogs(EditorDialogs dialogs)
{
    m_dialogs = withDesktopDialogs(std::move(dialogs));
}

QString TForm2::statusText() const
{
    return m_status->text();
}

void TForm2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // drawn at the first opening, not at the program's start
    for (const PendingIcon& pending : m_pendingIcons) {
        const QIcon icon = editorIcon(pending.icon);
        pending.item->setIcon(icon);
        if (pending.button)
            pending.button->setIcon(icon);
    }
    m_pendingIcons.clear();
    const QString table = pathText(places::tableToRead(m_places).path);
    if (loadFile(table))
        showPath(table);
    updateRestoreItem();
    m_text->setFocus(Qt::OtherFocusReason);
}

bool TForm2::loadFile(const QString& path)
{
    // the table's own limit: no file the editor opens is larger than a table may be
    std::string raw;
    const files::ReadOutcome read =
        files::readRegularFile(QFile::encodeName(path).toStdString(), density::kMaxTableFileSize, raw);
    if (!read.read()) {
        reportFailure(text::WindowKey::MsgEditorReadFailed, path,
                      shell::readFailureReason(read, density::kMaxTableFileSize));
        return false;
    }
    const QByteArray bytes(raw.data(), static_cast<qsizetype>(raw.size()));
    raw = std::string();
    // UTF-8 when the bytes are valid UTF-8, otherwise the Windows Cyrillic
    // code page (as the settings file), in which it is saved back
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    m_utf8 = !utf8.hasError();
    if (!m_utf8)
        text = QString::fromStdString(text::cp1251ToUtf8(std::string_view(bytes.constData(), bytes.size())));
    m_lineBreak = lineBreakOf(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_text->setPlainText(text);
    return true;
}

QByteArray TForm2::encodedText() const
{
    QByteArray bytes = m_text->toPlainText().toUtf8();
    // a character typed that cp1251 has no byte for turns the file into UTF-8 rather than being lost
    if (!m_utf8)
        if (const std::optional<std::string> cp1251 = text::utf8ToCp1251(bytes.toStdString()))
            bytes = QByteArray::fromStdString(*cp1251);
    if (m_lineBreak != "\n")
        bytes.replace('\n', m_lineBreak);
    return bytes;
}

void TForm2::reportFailure(text::WindowKey message, const QString& path, const QString& reason)
{
    shell::BoxRequest box;
    box.caption = shell::catalogueEntry(density::MsgKey::MsgCaptionAttention);
    box.icon = QMessageBox::Critical;
    box.text = shell::catalogueEntry(message) + QDir::toNativeSeparators(path) + QStringLiteral(":\n") + reason;
    shell::showBox(this, box);
}

void TForm2::openFile()
{
    FileRequest request;
    request.title = shell::catalogueEntry(text::WindowKey::TextOpenDialogTitle);
    request.folder = m_programFolder;
    request.filter = kFilter;
    const QString chosen = m_dialogs.openFile(this, request);
    if (chosen.isEmpty())
        return;
    m_fileName = chosen;
    if (!loadFile(chosen))
        return;
    showPath(chosen);
    m_text->setFocus(Qt::OtherFocusReason);
    m_status->setText(shell::catalogueEntry(text::WindowKey::TextLoadedFilePrefix) + m_fileName);
}

void TForm2::saveFile()
{
    m_fileName = bareName(m_fileName);
    FileRequest request;
    request.title = shell::catalogueEntry(text::WindowKey::TextSaveDialogTitle);
    // an installed copy saves into the user's folder, made for the dialog to open in
    const bool installed = m_places.kind == places::CopyKind::Installed;
    const QString saveFolder = pathText(m_places.dataFolder / "");
    if (installed)
        QDir().mkpath(saveFolder);
    request.folder = saveFolder;
    request.proposedName = m_fileName;
    request.filter = kFilter;
    QString chosen = m_dialogs.saveFile(this, request);
    if (chosen.isEmpty())
        return;
    // the dialog offers text files only: a name without an extension gets one
    if (QFileInfo(chosen).suffix().isEmpty()) {
        if (chosen.endsWith(QLatin1Char('.')))
            chosen.chop(1);
        chosen += QStringLiteral(".txt");
        if (QFileInfo::exists(chosen) && !askReplace(chosen))
            return;
    }
    m_fileName = chosen;

    const auto fail = [&](const QString& reason) {
        reportFailure(text::WindowKey::MsgEditorWriteFailed, chosen, reason);
    };
    if (installed && QDir(QFileInfo(chosen).absolutePath()) == QDir(m_programFolder))
        return fail(shell::catalogueEntry(text::WindowKey::MsgEditorProgramFolderKept) +
                    QDir::toNativeSeparators(saveFolder));

    const QByteArray contents = encodedText();
    if (QFileInfo(chosen).fileName() == kTableFile && !tableReadsWell(contents))
        return;

    const files::WriteOutcome saved = files::writeFileAtomically(
        QFile::encodeName(chosen).toStdString(), std::string_view(contents.constData(), contents.size()));
    if (!saved.written())
        return fail(shell::writeFailureReason(saved, chosen));
    showPath(chosen);
    updateRestoreItem();
    m_status->setText(shell::catalogueEntry(text::WindowKey::TextReloadAfterSave));
}

void TForm2::restoreShippedTable()
{
    if (places::tableToRead(m_places).source != places::TableSource::Users)
        return;
    const QString own = pathText(places::usersTable(m_places));
    if (!askAbout(text::WindowKey::MsgEditorRestorePrefix, own, text::WindowKey::MsgEditorRestoreSuffix))
        return;
    QFile file(own);
    if (!file.remove())
        return reportFailure(text::WindowKey::MsgEditorRemoveFailed, own, file.errorString());
    updateRestoreItem();
    const QString shipped = pathText(places::shippedTable(m_places));
    if (loadFile(shipped))
        showPath(shipped);
    m_status->setText(shell::catalogueEntry(text::WindowKey::TextShippedTableBack));
}

bool TForm2::askReplace(const QString& path)
{
    return askAbout(text::WindowKey::MsgEditorReplacePrefix, path, text::WindowKey::MsgEditorReplaceSuffix);
}

bool TForm2::askAbout(text::WindowKey prefix, const QString& path, text::WindowKey suffix)
{
    shell::BoxRequest box;
    box.caption = shell::catalogueEntry(density::MsgKey::MsgCaptionAttention);
    box.icon = QMessageBox::Question;
    box.text = shell::catalogueEntry(prefix) + QDir::toNativeSeparators(path) + shell::catalogueEntry(suffix);
    box.buttons = QMessageBox::Yes | QMessageBox::No;
    box.defaultButton = QMessageBox::No;
    return shell::showBox(this, box) == QMessageBox::Yes;
}

bool TForm2::tableReadsWell(const QByteArray& contents)
{
    const std::string_view text(contents.constData(), contents.size());
    density::ReductionTable table;
    const density::TableFileOutcome reading = density::readReductionTableText(text, table);
    QString question;
    if (reading.status == density::TableFileStatus::TooLarge) {
        question = shell::catalogueEntry(text::WindowKey::MsgEditorTableTooLarge);
    } else if (table.empty()) {
        question = shell::catalogueEntry(text::WindowKey::MsgEditorTableEmpty);
    } else if (const std::vector<density::LineProblem> problems = density::checkTableText(text, kListedLines + 1);
               !problems.empty()) {
        QStringList lines;
        for (std::size_t i = 0; i < problems.size() && i < kListedLines; ++i)
            lines << QString::number(problems[i].line);
        if (problems.size() > kListedLines)
            lines << QStringLiteral("…");
        question = shell::catalogueEntry(text::WindowKey::MsgEditorBadLinesPrefix) + lines.join(QStringLiteral(", ")) +
                   shell::catalogueEntry(text::WindowKey::MsgEditorBadLinesSuffix);
    } else {
        return true;
    }
    shell::BoxRequest box;
    box.caption = shell::catalogueEntry(density::MsgKey::MsgCaptionAttention);
    box.icon = QMessageBox::Warning;
    box.text = question;
    box.buttons = QMessageBox::Yes | QMessageBox::No;
    box.defaultButton = QMessageBox::No;
    return shell::showBox(this, box) == QMessageBox::Yes;
}

void TForm2::copy()
{
    if (m_text->hasFocus())
        m_text->copy();
}

void TForm2::cut()
{
    if (m_text->hasFocus())
        m_text->cut();
}

void TForm2::paste()
{
    if (m_text->hasFocus())
        m_text->paste();
}

void TForm2::chooseColor()
{
    const std::optional<QColor> chosen = m_dialogs.color(this, m_dialogColor);
    if (!chosen)
        return;
    m_dialogColor = *chosen;
    QPalette p = m_text->palette();
    p.setColor(QPalette::Base, *chosen);
    m_text->setPalette(p);
}

void TForm2::chooseFont()
{
    const std::optional<TextFont> chosen = m_dialogs.font(this, m_dialogFont);
    if (!chosen)
        return;
    m_dialogFont = *chosen;
    m_text->setFont(chosen->font);
    QPalette p = m_text->palette();
    p.setColor(QPalette::Text, chosen->color);
    m_text->setPalette(p);
}

void TForm2::exitEditor()
{
    close();
}

void TForm2::find()
{
    m_find->open();
}

void TForm2::showHelp()
{
    const std::optional<QUrl> page =
        shell::findHelpPage(this, m_programFolder, QStringLiteral("edit_table.html"), QStringLiteral("edit_table"));
    if (page && m_help)
        m_help->showPage(
            *page, QUrl::fromLocalFile(shell::helpPagePath(m_programFolder, QStringLiteral("gost_index.html"))), this);
}

}  // namespace gui
