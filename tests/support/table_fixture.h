#pragma once

#include <map>
#include <string>
#include <vector>

// Builds reduction-table rows in the file's layout: a lead space, the
// temperature in 6 characters, then " *0500 " and a 6-character cell for each
// of the 60 columns.
namespace testdata {

// Cells by column density; columns not given are empty (written as 0).
using Cells = std::map<int, double>;

std::string cellText(double value);  // "  496,5", right-aligned in 6
std::string tableRow(double temperature, const Cells& cells);

// A smooth synthetic table over a temperature range by half degrees: the
// density at 20 °C of reading r at t is r + 0.7 * (t - 20), empty where it
// leaves 495 ... 1100 and in the columns listed as empty.
std::vector<std::string> syntheticTable(double fromC, double toC);
double syntheticDensity20(double reading, double temperature);

std::string joinLines(const std::vector<std::string>& lines, const std::string& eol = "\r\n");

}  // namespace testdata
