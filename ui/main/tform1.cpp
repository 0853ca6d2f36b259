#include "tform1.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "form_builder.h"
#include "keyboard.h"
#include "journal/journal_file.h"
#include "language.h"
#include "main_menu.h"
#include "page_control.h"
#include "pages.h"
#include "results_actions.h"
#include "settings/settings_store.h"
#include "shell/about_form.h"
#include "shell/file_reasons.h"
#include "shell/help.h"
#include "shell/message_box.h"
#include "ui/editor/tform2.h"
#include "ui/help/help_window.h"
#include "ui/journal/journal_form.h"
#include "unit_indicator.h"

// the icons live in the static ui library, so their registration is called for
static void initResources()
{
    Q_INIT_RESOURCE(main_window);
}

namespace gui {

namespace {

const QString kHelpContents = QStringLiteral("gost_index.html");

// Room the window manager's frame takes, for a window not framed yet.
const QSize kFrameAllowance(8, 32);

// The pages in a scroll area that asks for all the room they want and, where
// the screen has less, scrolls them; with room enough it shows no trace.
class PageScroller : public QScrollArea {
public:
    explicit PageScroller(QWidget* parent) : QScrollArea(parent)
    {
        setObjectName(QStringLiteral("PageScroller"));
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
    }
    QSize sizeHint() const override { return widget() ? widget()->sizeHint() : QScrollArea::sizeHint(); }
};

}  // namespace

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    initResources();
    setObjectName(QStringLiteral("TForm1"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/vantorel.xpm")));
    move(219, 113);
    buildWindow();
    setPlaces(places::placesOf(QCoreApplication::applicationDirPath().toStdString(), places::Environment::current()));
}

TForm1::~TForm1()
{
    delete m_help;
}

HelpWindow* TForm1::helpWindow() const
{
    return m_help;
}

void TForm1::attachWindows(TForm2* editor, shell::TO_progr_form* about)
{
    m_editor = editor;
    m_about = about;
    if (m_editor)
        m_editor->setHelpWindow(m_help);
    m_language->setWindows(editor, about);
    m_language->setJournalWindow(m_journal.get());
    // a window built and never shown still reads in the language in force
    m_language->apply(m_language->current());
}

void TForm1::buildWindow()
{
    // the unit words of the indicators come from the catalogue
    if (!text::catalogue().filled())
        text::catalogue().fill(text::UiLanguage::Russian);

    buildMainMenu(menuBar());
    auto* scroller = new PageScroller(this);
    m_pages = new PageControl(scroller);
    scroller->setWidget(m_pages);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_density20 = new Density20Page(m_runner);
    m_calculator20 = new Calculator20Page(m_runner);
    m_api = new ApiPage(m_runner);
    m_density15 = new Density15Page(m_runner);
    m_calculator15 = new Calculator15Page(m_runner);
    for (QWidget* page :
         std::initializer_list<QWidget*>{m_density20, m_calculator20, m_api, m_density15, m_calculator15})
        m_pages->addTab(page, QString());
    m_pages->setCurrentIndex(0);
    setCentralWidget(scroller);
    for (CalculatorPage* page :
         std::initializer_list<CalculatorPage*>{m_density20, m_calculator20, m_api, m_density15, m_calculator15})
        connect(page, &CalculatorPage::helpRequested, this, &TForm1::helpRequested);

    m_journal = std::make_unique<JournalForm>();
    m_results = new ResultsActions(this);
    for (CalculatorPage* page :
         std::initializer_list<CalculatorPage*>{m_density20, m_calculator20, m_api, m_density15, m_calculator15})
        m_results->addPage(page);
    m_runner.setObserver([this](const CalculatorBlock& block, const calc::Inputs& inputs, const calc::Outcome& outcome,
                                const QDateTime& at) { m_results->observe(block, inputs, outcome, at); });

    build::applyFieldColours(this);
    bindIndicators();
    connectMenu();
    connectUnitIndicators();
    m_help = new HelpWindow;
    m_language = new LanguageSwitch(this);
    m_language->setHelpWindow(m_help);
    // after the switch's own handlers, which come first
    for (const char* item : {"N106", "N107"})
        connect(component<QAction>(QString::fromLatin1(item)), &QAction::triggered, this, &TForm1::helpFollowsLanguage);
    connect(m_language, &LanguageSwitch::applied, m_journal.get(), &JournalForm::retranslate);
    // the builders leave every text to the language step; a window built and
    // never shown reads Russian, and its size fits the Russian texts
    m_language->apply(text::UiLanguage::Russian);
    fixSize();
}

void TForm1::bindIndicators()
{
    for (const settings::IndicatorEntry& entry : settings::indicatorTable()) {
        auto* indicator = component<UnitIndicator>(QString::fromLatin1(entry.panel));
        Q_ASSERT(indicator);
        indicator->bind(component<QLineEdit>(QString::fromLatin1(entry.field)),
                        entry.rangeLabel ? component<QLabel>(QString::fromLatin1(entry.rangeLabel)) : nullptr);
        m_indicators.push_back(indicator);
    }
}

void TForm1::connectMenu()
{
    connect(component<QAction>(QStringLiteral("N4")), &QAction::triggered, this, &TForm1::close);
    connect(component<QAction>(QStringLiteral("N5")), &QAction::triggered, this, &TForm1::openTableEditor);
    connect(component<QAction>(QStringLiteral("N7")), &QAction::triggered, this,
            [this] { emit helpRequested(kHelpContents); });
    connect(component<QAction>(QStringLiteral("N8")), &QAction::triggered, this, &TForm1::showAbout);
    connect(component<QAction>(QStringLiteral("actionPageHelp")), &QAction::triggered, this, &TForm1::openPageHelp);
    connect(this, &TForm1::helpRequested, this, &TForm1::openHelp);
    openMenuBarOnF10(this, menuBar());
    connect(component<QAction>(QStringLiteral("actionJournal")), &QAction::triggered, this, &TForm1::showJournal);
    m_results->setItems(component<QAction>(QStringLiteral("actionCopyResults")),
                        component<QAction>(QStringLiteral("actionPrintRecord")),
                        component<QAction>(QStringLiteral("actionExportRecordPdf")),
                        component<QAction>(QStringLiteral("actionJournalEnabled")));
}

void TForm1::fixSize()
{
    // the pages set the width; the tabs wrap to it. The pages in the scroll
    // area are outside the window's layout: polished here, they measure as
    // they will show.
    ensurePolished();
    int pageWidth = 0;
    for (int i = 0; i < m_pages->count(); ++i)
        pageWidth = std::max(pageWidth, m_pages->widget(i)->sizeHint().width());
    m_pages->rows()->setWrapWidth(pageWidth + 2 * m_pages->style()->pixelMetric(QStyle::PM_DefaultFrameWidth));
    m_pages->setMinimumSize(m_pages->sizeHint());
    m_naturalSize = sizeHint();
    fitToScreen();
}

// The window as designed where the screen has room for it (frame included);
// where it has not, as large as the screen allows, the pages scrolling.
void TForm1::fitToScreen()
{
    const QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!where) {
        setFixedSize(m_naturalSize);
        return;
    }
    const QSize frame = frameGeometry().size() - size();
    const QSize room = where->availableGeometry().size() - (frame.isEmpty() ? kFrameAllowance : frame);
    QSize fitted = m_naturalSize.boundedTo(room);
    // a scroll bar for one side takes room from the other
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (fitted.height() < m_naturalSize.height())
        fitted.setWidth(std::min(m_naturalSize.width() + bar, room.width()));
    if (fitted.width() < m_naturalSize.width())
        fitted.setHeight(std::min(m_naturalSize.height() + bar, room.height()));
    setFixedSize(fitted.expandedTo(QSize(200, 150)));
}

void TForm1::setPlaces(const places::Places& places)
{
    m_places = places;
    m_programFolder = QString::fromStdString((places.programFolder / "").string());
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // restoring from the task bar is not a new show
    if (!event->spontaneous()) {
        restoreFromSettings();
        // the stored place may be on another screen
        fitToScreen();
    }
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // While the About box is up the window takes no input, and the frame's
    // close box is input too: closing now would leave the box running alone.
    if (m_about && m_about->isVisible()) {
        event->ignore();
        return;
    }
    saveSettings();
    event->accept();
}

void TForm1::restoreFromSettings()
{
    m_language->start(loadSettings());
    enablePressureEdits();
    restoreUnitCaptions();
    loadReductionTable();
}

// Every stored field, choice, unit mark, the language and both window
// positions from settings.ini.
int TForm1::loadSettings()
{
    const places::SettingsFiles files = places::settingsFiles(m_places);
    const QString readPath = QString::fromStdString(files.read.string());
    m_settingsPath = QString::fromStdString(files.write.string());
    // the journal lives with the program's other data
    const QString journalPath = QString::fromStdString((m_places.dataFolder / journal::kJournalFileName).string());
    m_results->recorder().setPath(journalPath);
    m_journal->setJournalPath(journalPath);
    const settings::LoadOutcome loaded = settings::load(readPath, {this, m_editor, m_help, m_journal.get()});
    if (loaded.refused()) {
        // told once, here: the file stays as it is for the user to look at
        m_keepSettingsFile = files.read == files.write;
        shell::showAttention(this, shell::catalogueEntry(text::WindowKey::MsgSettingsNotRead) +
                                       QDir::toNativeSeparators(readPath) + QStringLiteral(":\n") +
                                       shell::readFailureReason(loaded.file, settings::kMaxSettingsFileSize) +
                                       shell::catalogueEntry(text::WindowKey::MsgSettingsKeptSuffix));
    }
    return loaded.languageTag;
}

// Edit29, Edit30, Edit31 enabled exactly while their check boxes are checked.
void TForm1::enablePressureEdits()
{
    m_density15->enablePressureEdit();
    m_calculator15->enablePressureEdits();
}

void TForm1::loadReductionTable()
{
    const places::TableChoice table = places::tableToRead(m_places);
    if (density::loadReductionTable(table.path.string(), m_table, m_sink))
        m_results->setTable(QString::fromStdString(table.path.string()));
}

// The file is replaced whole or not at all; a failure is told, and the
// program ends all the same. A file refused at the start is left alone.
void TForm1::saveSettings()
{
    if (m_keepSettingsFile)
        return;
    const files::WriteOutcome saved = settings::save(m_settingsPath, {this, m_editor, m_help, m_journal.get()},
                                                     static_cast<int>(m_language->current()));
    if (!saved.written())
        shell::showAttention(this, shell::catalogueEntry(text::WindowKey::MsgSettingsNotSaved) +
                                       QDir::toNativeSeparators(m_settingsPath) + QStringLiteral(":\n") +
                                       shell::writeFailureReason(saved, m_settingsPath));
}

void TForm1::openTableEditor()
{
    if (!m_editor)
        return;
    m_editor->setPlaces(m_places);
    m_editor->exec();
}

void TForm1::showAbout()
{
    if (m_about)
        m_about->showFor(this);
}

void TForm1::showJournal()
{
    m_journal->show();
    m_journal->raise();
    m_journal->activateWindow();
}

// A help page of the current language in the help window.
void TForm1::openHelp(const QString& page)
{
    if (const std::optional<QUrl> url = shell::findHelpPage(this, m_programFolder, page))
        m_help->showPage(*url, QUrl::fromLocalFile(shell::helpPagePath(m_programFolder, kHelpContents)), this);
}

// F1: the help of the tab in front.
void TForm1::openPageHelp()
{
    if (const auto* page = qobject_cast<const CalculatorPage*>(m_pages->currentWidget()))
        emit helpRequested(page->helpPage());
}

void TForm1::helpFollowsLanguage()
{
    if (!m_help || !m_help->isVisible())
        return;
    const QUrl page = QUrl::fromLocalFile(shell::helpPagePath(m_programFolder, m_help->currentPage().fileName()));
    if (QFileInfo(page.toLocalFile()).isFile())
        m_help->turnTo(page, QUrl::fromLocalFile(shell::helpPagePath(m_programFolder, kHelpContents)));
}

}  // namespace gui
