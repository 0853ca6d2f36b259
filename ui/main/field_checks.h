#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "density/messages.h"

class QLineEdit;
class QWidget;

// The checks every calculator runs on its fields, in this order: empty text,
// not a number, out of range. The first failure shows its message, puts the
// focus into the field when it can take it, and the calculation stops.
namespace gui {

struct NumberField {
    QLineEdit* field;
    density::MsgKey emptyMessage;
    density::MsgKey invalidMessage;
};

// The number in the field, or nothing after a message.
std::optional<double> readNumber(QWidget* window, const NumberField& f);

// The number when it passes the range test, or nothing after the message.
std::optional<double> readNumberInRange(QWidget* window, const NumberField& f,
                                        const std::function<bool(double)>& admitted, density::MsgKey rangeMessage);

// Focus into the field if it is visible and enabled.
void focusField(QLineEdit* field);

// A catalogue text, and a modal box with it.
QString catalogueText(density::MsgKey key);
void showCatalogueMessage(QWidget* window, density::MsgKey key);

// Fixed-point text of a result with the decimals stated.
QString resultText(double value, int decimals);

}  // namespace gui
