#pragma once

#include <vector>

#include "density/units.h"

namespace gui {

// One unit indicator of the main window: its panel, pop-up menu and items,
// the field whose number it converts and, for pressure, the range label.
struct IndicatorEntry {
    const char* panel;
    const char* popup;
    density::UnitKind kind;
    std::vector<const char*> unitItems;  // unit codes 1, 2, ... in menu order
    const char* separator;
    const char* recalcItem;
    const char* field;
    const char* rangeLabel;  // nullptr unless pressure
};

// The 19 indicators: twelve temperature, four volume, three pressure.
const std::vector<IndicatorEntry>& indicatorTable();

// The entry of a panel, or nullptr.
const IndicatorEntry* findIndicator(const char* panel);

}  // namespace gui
