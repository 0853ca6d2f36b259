#include "table_fixture.h"

#include <cmath>
#include <cstdio>

namespace testdata {

std::string cellText(double value)
{
    char buf[32];
    if (value == 0)
        std::snprintf(buf, sizeof buf, "%6s", "0");
    else
        std::snprintf(buf, sizeof buf, "%6.1f", value);
    std::string s(buf);
    for (char& c : s)
        if (c == '.')
            c = ',';
    return s;
}

std::string tableRow(double temperature, const Cells& cells)
{
    std::string row = " " + cellText(temperature);
    for (int d = 500; d <= 1090; d += 10) {
        const auto it = cells.find(d);
        char key[8];
        std::snprintf(key, sizeof key, "*%04d", d);
        row += " ";
        row += key;
        row += cellText(it == cells.end() ? 0 : it->second);
    }
    return row;
}

double syntheticDensity20(double reading, double temperature)
{
    return std::round((reading + 0.7 * (temperature - 20)) * 10) / 10;
}

std::vector<std::string> syntheticTable(double fromC, double toC)
{
    std::vector<std::string> lines;
    for (double t = fromC; t <= toC + 1e-9; t += 0.5) {
        Cells cells;
        for (int d = 500; d <= 1090; d += 10) {
            const double v = syntheticDensity20(d, t);
            if (v >= 495 && v <= 1100)
                cells[d] = v;
        }
        lines.push_back(tableRow(t, cells));
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines, const std::string& eol)
{
    std::string out;
    for (const std::string& l : lines)
        out += l + eol;
    return out;
}

}  // namespace testdata
