#include "settings_keys.h"

#include <vector>

#include "indicator_table.h"

namespace settings {

namespace {

struct Field {
    int number;
    const char* defaultValue;
};

// Input fields: ed<n> holds Edit<n>.
const Field kFields[] = {
    {1, "900"},  {2, "20"},  {4, "900"},  {5, "20"},   {7, "10"},   {9, "990"}, {10, "20"}, {11, "10"},
    {13, "990"}, {14, "20"}, {15, "990"}, {16, "15"},  {18, "990"}, {19, "15"}, {21, "10"}, {23, "990"},
    {24, "15"},  {25, "10"}, {27, "990"}, {28, "15"},  {29, "0"},   {30, "0"},  {31, "0"},  {32, "990"},
    {33, "20"},  {35, "10"}, {36, "20"},  {38, "990"}, {39, "20"},  {41, "10"}, {42, "20"},
};

// Check boxes: Chek_<n> holds CheckBox<n>.
const Field kCheckBoxes[] = {{1, "1"}, {2, "0"}, {3, "0"}, {4, "0"}, {11, "1"}, {12, "1"}};

std::vector<Key> buildTable()
{
    const char* gost = "Gost";
    std::vector<Key> keys = {
        {gost, "Top", "5", KeyKind::Top, Window::Main, ""},
        {gost, "Left", "5", KeyKind::Left, Window::Main, ""},
        {"Form2", "Top", "10", KeyKind::Top, Window::Editor, ""},
        {"Form2", "Left", "10", KeyKind::Left, Window::Editor, ""},
        {"Form2", "Height", "300", KeyKind::Height, Window::Editor, ""},
        {"Form2", "Width", "500", KeyKind::Width, Window::Editor, ""},
    };
    for (const Field& f : kFields)
        keys.push_back({gost, "ed" + std::to_string(f.number), f.defaultValue, KeyKind::Text, Window::Main,
                        "Edit" + std::to_string(f.number)});
    keys.push_back({gost, "language_tag", "1", KeyKind::Language, Window::Main, ""});
    for (const Field& f : kCheckBoxes)
        keys.push_back({gost, "Chek_" + std::to_string(f.number), f.defaultValue, KeyKind::Check, Window::Main,
                        "CheckBox" + std::to_string(f.number)});
    // six groups of three, "Нефтепродукты" (the second) chosen
    for (int n = 1; n <= 18; ++n)
        keys.push_back({gost, "rd" + std::to_string(n), n % 3 == 2 ? "1" : "0", KeyKind::Radio, Window::Main,
                        "RadioButton" + std::to_string(n)});
    for (const IndicatorEntry& indicator : indicatorTable()) {
        int unit = 1;
        for (const char* item : indicator.unitItems)
            keys.push_back({gost, item, unit++ == kDefaultUnit ? "1" : "0", KeyKind::Mark, Window::Main, item});
        keys.push_back({gost, indicator.recalcItem, "1", KeyKind::Mark, Window::Main, indicator.recalcItem});
    }
    return keys;
}

}  // namespace

const std::vector<Key>& keyTable()
{
    static const std::vector<Key> table = buildTable();
    return table;
}

int readingRank(KeyKind kind)
{
    switch (kind) {
    case KeyKind::Top:
    case KeyKind::Left:
    case KeyKind::Height:
    case KeyKind::Width:
        return 0;
    case KeyKind::Text:
        return 1;
    case KeyKind::Language:
        return 2;
    case KeyKind::Radio:
        return 3;
    case KeyKind::Check:
        return 4;
    case KeyKind::Mark:
        return 5;
    }
    return 6;
}

}  // namespace settings
