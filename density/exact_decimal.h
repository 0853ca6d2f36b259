#pragma once

#include <string>

#include "wide_int.h"

// Exact decimal arithmetic in 128-bit integers: what the unit conversions and
// the quantities share.
namespace density {

// value x 10^power (0 <= power); false when the product would leave 128 bits.
bool timesPowerOfTen(WideInt& value, int power);

// numerator / denominator to a whole number, halves away from zero.
WideUnsigned roundedQuotient(WideUnsigned numerator, WideUnsigned denominator);

// magnitude x 10^-decimals as fixed-point text: the separator in force, at
// least one digit before it, a minus unless the text is all zeros.
std::string fixedText(bool negative, WideUnsigned magnitude, int decimals);

}  // namespace density
