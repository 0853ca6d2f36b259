#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "wide_int.h"

// Exact decimal arithmetic in 128-bit integers: what the unit conversions and
// the quantities share.
namespace density {

// value x 10^power (0 <= power); false when the product would leave 128 bits.
bool timesPowerOfTen(WideInt& value, int power);

// numerator / denominator to a whole number, halves away from zero.
WideUnsigned roundedQuotient(WideUnsigned numerator, WideUnsigned denominator);

// numerator / denominator (denominator > 0), exactly.
struct Fraction {
    WideInt numerator = 0;
    WideInt denominator = 1;
};

// A quotient to `digits` significant digits (at most 19), halves away from
// zero: digits x 10^exponent.
struct Significant {
    std::uint64_t digits = 0;
    int exponent = 0;
};
// Nothing where the scaled terms would leave 128 bits.
std::optional<Significant> significantQuotient(WideUnsigned numerator, WideUnsigned denominator, int digits);

// magnitude x 10^-decimals as fixed-point text: the separator in force, at
// least one digit before it, a minus unless the text is all zeros.
std::string fixedText(bool negative, WideUnsigned magnitude, int decimals);

}  // namespace density
