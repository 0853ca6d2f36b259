// The unit indicators at work: unit items, double clicks, the reset-all
// items of "Настройки", and the captions at start.
#include <QAction>

#include "tform1.h"
#include "unit_indicator.h"

namespace gui {

namespace {

// Panels of each kind in the order the reset items and the start walk them.
const std::vector<const char*>& panelsOf(density::UnitKind kind)
{
    static const std::vector<const char*> volume = {"Panel1", "Panel11", "Panel15", "Panel2"};
    static const std::vector<const char*> temperature = {"Panel3",  "Panel4",  "Panel5",  "Panel6",
                                                         "Panel7",  "Panel8",  "Panel9",  "Panel10",
                                                         "Panel16", "Panel17", "Panel18", "Panel19"};
    static const std::vector<const char*> pressure = {"Panel12", "Panel13", "Panel14"};
    return kind == density::UnitKind::Volume ? volume : kind == density::UnitKind::Pressure ? pressure : temperature;
}

struct ResetItem {
    const char* item;
    density::UnitKind kind;
    int unit;
};

const ResetItem kResetItems[] = {
    {"N83", density::UnitKind::Temperature, 1}, {"N84", density::UnitKind::Temperature, 2},
    {"N85", density::UnitKind::Volume, 1},      {"N86", density::UnitKind::Volume, 2},
    {"N87", density::UnitKind::Volume, 3},      {"N88", density::UnitKind::Pressure, 1},
    {"N89", density::UnitKind::Pressure, 2},    {"N90", density::UnitKind::Pressure, 3},
    {"N91", density::UnitKind::Pressure, 4},
};

}  // namespace

void TForm1::connectUnitIndicators()
{
    for (UnitIndicator* indicator : m_indicators) {
        const std::vector<QAction*>& items = indicator->unitItems();
        for (std::size_t i = 0; i < items.size(); ++i) {
            const int unit = static_cast<int>(i) + 1;
            connect(items[i], &QAction::triggered, this,
                    [this, indicator, unit] { indicator->selectUnit(unit, m_sink); });
        }
        if (indicator->objectName() == QLatin1String("Panel16"))
            connect(indicator, &UnitIndicator::doubleClicked, this, [this, indicator] { Panel16DblClick(indicator); });
        else
            connect(indicator, &UnitIndicator::doubleClicked, this,
                    [this, indicator] { indicator->cycleUnit(m_sink); });
    }
    for (const ResetItem& reset : kResetItems) {
        std::vector<UnitIndicator*> ofKind;
        for (const char* panel : panelsOf(reset.kind))
            ofKind.push_back(component<UnitIndicator>(QString::fromLatin1(panel)));
        connect(component<QAction>(QString::fromLatin1(reset.item)), &QAction::triggered, this,
                [this, ofKind, reset] { ResetAllUnits(ofKind, reset.unit); });
    }
}

// The one panel whose double click selects: °C when °F is marked, else °F.
void TForm1::Panel16DblClick(UnitIndicator* panel)
{
    const bool fahrenheit = panel->unitItems()[1]->isChecked();
    panel->selectUnit(fahrenheit ? 1 : 2, m_sink);
}

// Every indicator of the kind to the unit, one after the other, each with its
// own recalculate mark and its own message.
void TForm1::ResetAllUnits(const std::vector<UnitIndicator*>& indicators, int unit)
{
    for (UnitIndicator* indicator : indicators)
        indicator->selectUnit(unit, m_sink);
}

// Indicator captions and range labels from the loaded unit marks: volume,
// temperature, then pressure.
void TForm1::RestoreUnitCaptions()
{
    for (density::UnitKind kind :
         {density::UnitKind::Volume, density::UnitKind::Temperature, density::UnitKind::Pressure})
        for (const char* panel : panelsOf(kind))
            component<UnitIndicator>(QString::fromLatin1(panel))->restoreCaption();
}

}  // namespace gui
