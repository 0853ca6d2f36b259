#pragma once

#include <cstdio>
#include <string>
#include <vector>

// A full reduction table for benchmarks: 301 rows from -25 to 125 °C, every
// one of the 60 cells filled, in the file's layout.
inline std::vector<std::string> fullTableLines()
{
    std::vector<std::string> lines;
    char buf[32];
    for (int i = 0; i <= 300; ++i) {
        const double t = -25 + 0.5 * i;
        std::snprintf(buf, sizeof buf, " %6.1f", t);
        std::string row = buf;
        for (int d = 500; d <= 1090; d += 10) {
            std::snprintf(buf, sizeof buf, " *%04d%6.1f", d, d + 0.7 * (t - 20));
            row += buf;
        }
        for (char& c : row)
            if (c == '.')
                c = ',';
        lines.push_back(row);
    }
    return lines;
}
