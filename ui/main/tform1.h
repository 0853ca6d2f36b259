#pragma once

#include <QMainWindow>
#include <QString>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/catalogue.h"
#include "app/message_box.h"
#include "density/messages.h"
#include "density/reduction_table.h"
#include "density/units.h"

namespace shell {
class TO_progr_form;
}

namespace gui {

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

    // Folder of the executable with its trailing separator; the base of the
    // settings file, the reduction table and the help pages.
    const QString& programFolder() const { return m_programFolder; }
    void setProgramFolder(const QString& folder) { m_programFolder = folder; }
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
    // The 19 indicators in the order of the indicator table, bound to their
    // fields and range labels.
    const std::vector<UnitIndicator*>& indicators() const { return m_indicators; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();

    // Steps of the show and close sequences.
    int LoadSettings();  // the stored language tag
    void EnablePressureEdit();
    void RestoreUnitCaptions();
    void LoadReductionTable();
    void SaveSettings();

    void buildWindow();
    void bindIndicators();
    void connectHandlers();
    void fixSize();

    // GOST 3900-85 pages
    struct DensityCalculation {
        const char* input;
        density::MsgKey emptyMessage;
        density::MsgKey invalidMessage;
        bool (*admitted)(double);
        density::MsgKey rangeMessage;
        const char* temperature;
        const char* panel;
        const char* result;
        density::Result<double> (*lookup)(const density::ReductionTable&, std::string_view, std::string_view,
                                          density::TemperatureUnit, density::MessageSink&);
    };
    void densityCalculation(const DensityCalculation& c);
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void CheckBox7Click();
    void CheckBox9Click();
    void SpeedButton1Click();
    void SpeedButton3Click();
    // The temperature text on the table's grid after its checks, written back
    // into the field; nothing after a message.
    std::optional<std::string> gost3900Temperature(const char* field, const char* panel, density::MsgKey emptyMessage,
                                                   density::MsgKey invalidMessage);
    // The unit of a field, from its indicator's marks.
    int unitOf(const char* panel) const;
    // Sets a chain's controls after its check box.
    void lockChain(const char* checkBox, const char* chainButton, std::initializer_list<const char*> locked);
    // A calculation stopped on malformed data.
    void reportFailure(const std::string& reason);

    // Unit indicators
    void connectUnitIndicators();
    void Panel16DblClick();
    void ResetAllUnits(density::UnitKind kind, int unit);

    void N4Click();
    void N5Click();
    void N7Click();
    void N8Click();
    void OpenHelp(const QString& page);
    void ShowAbout();

    QString m_programFolder;
    QString m_settingsPath;
    LanguageSwitch* m_language = nullptr;
    density::ReductionTable m_table;
    shell::WidgetMessageSink m_sink{this};
    TForm2* m_editor = nullptr;
    shell::TO_progr_form* m_about = nullptr;
    PageControl* m_pages = nullptr;
    std::vector<UnitIndicator*> m_indicators;
};

}  // namespace gui
