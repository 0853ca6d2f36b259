#include "tform1.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "form_builder.h"
#include "language.h"
#include "main_menu.h"
#include "page_control.h"
#include "pages.h"
#include "settings/settings_store.h"
#include "shell/about_form.h"
#include "shell/help.h"
#include "shell/message_box.h"
#include "ui/editor/tform2.h"
#include "unit_indicator.h"

// the icons live in the static ui library, so their registration is called for
static void initResources()
{
    Q_INIT_RESOURCE(main_window);
}

namespace gui {

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

TForm1::~TForm1() = default;

void TForm1::attachWindows(TForm2* editor, shell::TO_progr_form* about)
{
    m_editor = editor;
    m_about = about;
    m_language->setWindows(editor, about);
    // a window built and never shown still reads in the language in force
    m_language->apply(m_language->current());
}

void TForm1::buildWindow()
{
    // the unit words of the indicators come from the catalogue
    if (!text::catalogue().filled())
        text::catalogue().fill(text::UiLanguage::Russian);

    buildMainMenu(menuBar());
    m_pages = new PageControl(this);
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
    setCentralWidget(m_pages);
    for (CalculatorPage* page :
         std::initializer_list<CalculatorPage*>{m_density20, m_calculator20, m_api, m_density15, m_calculator15})
        connect(page, &CalculatorPage::helpRequested, this, &TForm1::helpRequested);

    build::applyFieldColours(this);
    bindIndicators();
    connectMenu();
    connectUnitIndicators();
    m_language = new LanguageSwitch(this);
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
            [this] { emit helpRequested(QStringLiteral("gost_index.html")); });
    connect(component<QAction>(QStringLiteral("N8")), &QAction::triggered, this, &TForm1::showAbout);
    connect(this, &TForm1::helpRequested, this, &TForm1::openHelp);
}

void TForm1::fixSize()
{
    // the pages set the width; the tabs wrap to it
    int pageWidth = 0;
    for (int i = 0; i < m_pages->count(); ++i)
        pageWidth = std::max(pageWidth, m_pages->widget(i)->sizeHint().width());
    m_pages->rows()->setWrapWidth(pageWidth + 2 * m_pages->style()->pixelMetric(QStyle::PM_DefaultFrameWidth));
    setFixedSize(sizeHint());
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
    if (!event->spontaneous())
        restoreFromSettings();
}

void TForm1::closeEvent(QCloseEvent* event)
{
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
    m_settingsPath = QString::fromStdString(files.write.string());
    return settings::load(QString::fromStdString(files.read.string()), {this, m_editor});
}

// Edit29, Edit30, Edit31 enabled exactly while their check boxes are checked.
void TForm1::enablePressureEdits()
{
    m_density15->enablePressureEdit();
    m_calculator15->enablePressureEdits();
}

void TForm1::loadReductionTable()
{
    density::loadReductionTable(places::tableToRead(m_places).path.string(), m_table, m_sink);
}

// The file is replaced whole or not at all; a failure is told, and the
// program ends all the same.
void TForm1::saveSettings()
{
    const QString reason = settings::save(m_settingsPath, {this, m_editor}, static_cast<int>(m_language->current()));
    if (!reason.isEmpty())
        shell::showAttention(this, shell::catalogueEntry(text::WindowKey::MsgSettingsNotSaved) +
                                       QDir::toNativeSeparators(m_settingsPath) + QStringLiteral(":\n") + reason);
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

// Hands a help page of the current language to the desktop.
void TForm1::openHelp(const QString& page)
{
    shell::openHelpPage(this, m_programFolder, page);
}

}  // namespace gui
