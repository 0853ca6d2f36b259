#pragma once

class QTabWidget;

// Each adds its page, with every component named, to the page control.
namespace gui {

void addDensity20Page(QTabWidget* pages);      // TabSheet1
void addCalculator20Page(QTabWidget* pages);   // TabSheet3
void addApiPage(QTabWidget* pages);            // TabSheet2 with PageControl2
void addDensity15Page(QTabWidget* pages);      // TabSheet4
void addCalculator15Page(QTabWidget* pages);   // TabSheet5

}  // namespace gui
