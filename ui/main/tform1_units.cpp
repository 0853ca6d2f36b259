// The unit indicators at work: unit items, double clicks, the reset-all
// items of "Настройки", and the captions at start.
#include <QAction>

#include "tform1.h"
#include "unit_indicator.h"

namespace gui {

namespace {

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
        connect(indicator, &UnitIndicator::doubleClicked, this,
                [this, indicator] { indicator->answerDoubleClick(m_sink); });
    }
    for (const ResetItem& reset : kResetItems) {
        const std::vector<UnitIndicator*> ofKind = indicatorsOf(reset.kind);
        connect(component<QAction>(QString::fromLatin1(reset.item)), &QAction::triggered, this,
                [this, ofKind, reset] { setUnitOfAll(ofKind, reset.unit); });
    }
}

std::vector<UnitIndicator*> TForm1::indicatorsOf(density::UnitKind kind) const
{
    std::vector<UnitIndicator*> ofKind;
    for (UnitIndicator* indicator : m_indicators)
        if (indicator->kind() == kind)
            ofKind.push_back(indicator);
    return ofKind;
}

// Every indicator of the kind to the unit, one after the other, each with its
// own recalculate mark and its own message.
void TForm1::setUnitOfAll(const std::vector<UnitIndicator*>& indicators, int unit)
{
    for (UnitIndicator* indicator : indicators)
        indicator->selectUnit(unit, m_sink);
}

// Indicator captions and range labels from the loaded unit marks: volume,
// temperature, then pressure.
void TForm1::restoreUnitCaptions()
{
    for (density::UnitKind kind :
         {density::UnitKind::Volume, density::UnitKind::Temperature, density::UnitKind::Pressure})
        for (UnitIndicator* indicator : indicatorsOf(kind))
            indicator->restoreCaption();
}

}  // namespace gui
