#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <memory>
#include <vector>

#include "calculator_block.h"
#include "density/messages.h"
#include "density/reduction_table.h"
#include "density/units.h"
#include "places/program_places.h"
#include "shell/message_box.h"
#include "text/catalogue.h"

namespace shell {
class TO_progr_form;
}

namespace gui {

class ApiPage;
class HelpWindow;
class JournalForm;
class ResultsActions;
class Calculator15Page;
class Calculator20Page;
class Density15Page;
class Density20Page;
class LanguageSwitch;
class PageControl;
class TForm2;
class UnitIndicator;

// The main calculator window: the menu and one page per calculator.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The editor and the About box, created at start beside this window.
    void attachWindows(TForm2* editor, shell::TO_progr_form* about);

    // Folder of the executable with its trailing separator, where the help
    // pages and the shipped table are; the places of the settings and of the
    // table read follow from it.
    const QString& programFolder() const { return m_programFolder; }
    const places::Places& places() const { return m_places; }
    void setPlaces(const places::Places& places);
    const QString& settingsPath() const { return m_settingsPath; }

    const density::ReductionTable& reductionTable() const { return m_table; }
    density::MessageSink& messageSink() { return m_sink; }

    // A component by its name ("Edit1", "Panel3", "N14", ...), or nullptr.
    template <typename T>
    T* component(const QString& name) const
    {
        return findChild<T*>(name);
    }
    PageControl* pageControl() const { return m_pages; }
    ApiPage* apiPage() const { return m_api; }
    JournalForm* journalForm() const { return m_journal.get(); }
    ResultsActions* results() const { return m_results; }
    // The 19 indicators in the order of the indicator table, bound to their
    // fields and range labels.
    const std::vector<UnitIndicator*>& indicators() const { return m_indicators; }
    // The program's help window, hidden until help is asked for.
    HelpWindow* helpWindow() const;

signals:
    // A help button or the help item: the page file of the help ("density15.html").
    void helpRequested(const QString& pageFile);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The first show: the stored state, the language, the pressure fields,
    // the unit captions, then the reduction table.
    void restoreFromSettings();

    // Steps of the show and close sequences.
    int loadSettings();  // the stored language tag
    void enablePressureEdits();
    void restoreUnitCaptions();
    void loadReductionTable();
    void saveSettings();

    void buildWindow();
    void bindIndicators();
    void connectMenu();
    void fixSize();
    void fitToScreen();

    // Unit indicators
    void connectUnitIndicators();
    // The indicators of a kind in the order of the table.
    std::vector<UnitIndicator*> indicatorsOf(density::UnitKind kind) const;
    void setUnitOfAll(const std::vector<UnitIndicator*>& indicators, int unit);

    void openTableEditor();
    void showAbout();
    void showJournal();
    void openHelp(const QString& page);
    void openPageHelp();
    // An open help window turns to the same page in the new language.
    void helpFollowsLanguage();

    places::Places m_places;
    QString m_programFolder;
    QString m_settingsPath;
    // the settings file was refused at the start: not written at close
    bool m_keepSettingsFile = false;
    LanguageSwitch* m_language = nullptr;
    density::ReductionTable m_table;
    shell::WidgetMessageSink m_sink{this};
    TForm2* m_editor = nullptr;
    shell::TO_progr_form* m_about = nullptr;
    // owned here; deleted with this window or with the modal window that
    // took it in
    QPointer<HelpWindow> m_help;
    BlockRunner m_runner{this, m_table};
    PageControl* m_pages = nullptr;
    Density20Page* m_density20 = nullptr;
    Calculator20Page* m_calculator20 = nullptr;
    ApiPage* m_api = nullptr;
    Density15Page* m_density15 = nullptr;
    Calculator15Page* m_calculator15 = nullptr;
    std::vector<UnitIndicator*> m_indicators;
    QSize m_naturalSize;
    ResultsActions* m_results = nullptr;
    std::unique_ptr<JournalForm> m_journal;
};

}  // namespace gui
