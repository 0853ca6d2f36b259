#pragma once

#include "course_steps.h"

// One function per calculator; each writes its outcome through the steps.
namespace calc::detail {

void reduce20(Steps& s, const TableSource& table);
void actual20(Steps& s, const TableSource& table);
void mass20(Steps& s, const TableSource& table);
void volume20(Steps& s, const TableSource& table);
void reduce15(Steps& s);
void actual15(Steps& s);
void mass15(Steps& s);
void volume15(Steps& s);
void api20(Steps& s, const TableSource& table);
void apiToDensity20(Steps& s, const TableSource& table);
void api15(Steps& s);
void apiToDensity15(Steps& s);

// Checks shared by the 15 °C pages and the API page.
bool hydrometer15(Steps& s);
bool apiGravity(Steps& s);

}  // namespace calc::detail
