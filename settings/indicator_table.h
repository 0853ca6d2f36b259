#pragma once

#include <vector>

#include "density/units.h"

namespace settings {

// What a double click on an indicator does.
enum class DoubleClick {
    NextUnit,             // on to the unit after the current one
    CelsiusOrFahrenheit,  // °C when the °F item is marked, else °F
};

// One unit indicator of the main window: its panel, pop-up menu and items,
// the field whose number it converts and, for pressure, the range label. Each
// unit item and the recalculate item is also the settings key of its mark.
struct IndicatorEntry {
    const char* panel;
    const char* popup;
    density::UnitKind kind;
    std::vector<const char*> unitItems;  // unit codes 1, 2, ... in menu order
    const char* separator;
    const char* recalcItem;
    const char* field;
    const char* rangeLabel;  // nullptr unless pressure
    DoubleClick doubleClick = DoubleClick::NextUnit;
};

// The unit an indicator starts with, and a new settings file marks; the
// recalculate item starts marked.
constexpr int kDefaultUnit = 1;

// The 19 indicators (twelve temperature, four volume, three pressure) in the
// order settings.ini lists their marks, which is also the order in which the
// reset-all items and the start walk the indicators of a kind.
const std::vector<IndicatorEntry>& indicatorTable();

// The entry of a panel, or nullptr.
const IndicatorEntry* findIndicator(const char* panel);

}  // namespace settings
