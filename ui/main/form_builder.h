#pragma once

#include <array>
#include <initializer_list>

class QBoxLayout;
class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class QVBoxLayout;
class QWidget;

// Small makers for the named components of the main window's pages. Every
// component gets its name as objectName and no text: the language step sets
// the texts.
namespace gui {
class UnitIndicator;
}

namespace gui::build {

QLineEdit* edit(QWidget* parent, const char* name);
// An excess-pressure field: disabled, like its unchecked check box.
QLineEdit* pressureEdit(QWidget* parent, const char* name);
QLabel* label(QWidget* parent, const char* name);
QGroupBox* group(QWidget* parent, const char* name);
QPushButton* button(QWidget* parent, const char* name);
QCheckBox* checkBox(QWidget* parent, const char* name);
// Flat 43 x 22 button with the two-state arrow, disabled until its check box
// unlocks it.
QToolButton* chainButton(QWidget* parent, const char* name);
// Flat 23 x 22 button with the question mark.
QToolButton* helpButton(QWidget* parent, const char* name);
// The product group box with the radio buttons firstRadio .. firstRadio + 2,
// one above the other, the second (petroleum products) selected; `choices`
// receives them.
QGroupBox* productGroup(QWidget* parent, const char* name, int firstRadio, std::array<QRadioButton*, 3>& choices);
// The unit indicator of the table entry named by its panel.
UnitIndicator* indicator(QWidget* parent, const char* panel);

// A row of widgets left to right; nullptr stands for a stretch. A label or a
// check box right before an edit field names the field (labelField).
QHBoxLayout* row(std::initializer_list<QWidget*> items);
// The label (or check box) that names the field: a label becomes its buddy,
// and the language step gives the field the label's text as its accessible
// name (the property kLabelledBy holds the label).
void labelField(QWidget* label, QLineEdit* field);
inline constexpr const char* kLabelledBy = "vantorelLabelledBy";
// A group box holding one row of widgets.
QGroupBox* groupRow(QWidget* parent, const char* name, std::initializer_list<QWidget*> items);
// A column layout installed on the widget.
QVBoxLayout* column(QWidget* owner);
// The chain button with its check box, right-aligned between two groups.
QHBoxLayout* chainRow(QToolButton* chain, QCheckBox* unlock);
// The help button at the right, under the page's content.
QHBoxLayout* helpRow(QToolButton* help);
// Tab order through the widgets as listed; null ones are left out.
void tabOrder(std::initializer_list<QWidget*> widgets);

// Disabled edits in the button-face colour, enabled ones in the window colour.
void applyFieldColours(QWidget* window);

}  // namespace gui::build
