#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Numbers as the user types and reads them: field texts with the locale's
// decimal separator.
namespace density {

// The decimal separator in force for the whole program (',' or '.').
char decimalSeparator();
void setDecimalSeparator(char separator);

// True for an empty text or one of spaces only.
bool isBlank(std::string_view text);

// Parses a field text: spaces (only spaces) before and after are skipped, an
// optional sign, digits with at most one decimal separator, at least one
// digit, an optional exponent (1,5E3). Anything else is not a number.
std::optional<double> parseNumber(std::string_view text);

// A calculator field as its checks see it, in their order: an empty text,
// then one that is not a number (spaces only included), then a number.
enum class FieldState { Empty, Invalid, Number };
struct FieldReading {
    FieldState state;
    double value;
};
FieldReading readField(std::string_view text);
std::optional<long double> parseNumberExtended(std::string_view text);

// A field text as the decimal it is: -1^negative x digits x 10^exponent.
// `exact` is false when it has more than 19 significant digits (digits then
// holds the first 19). Nothing when the text is not a number.
struct DecimalNumber {
    bool negative = false;
    bool exact = true;
    std::uint64_t digits = 0;
    int exponent = 0;
};
std::optional<DecimalNumber> parseNumberDecimal(std::string_view text);

// Parses a number of the reduction table file: the decimal comma and the
// decimal point are both accepted, whatever the locale.
std::optional<double> parseTableNumber(std::string_view text);

// Fixed-point text with the given decimals, no grouping, the locale's
// separator. What is rounded, halves away from zero, is the shortest decimal
// that reads back as the same double: 2,675 shown with two decimals reads
// 2,68, and 1098673,5914999961 with three reads 1098673,591. Magnitudes of
// 1e18 and beyond, and non-finite values, give nothing.
std::optional<std::string> formatFixed(long double value, int decimals);
// The number that text of a double reads back as, found without writing it;
// false near a rounding boundary (and for what formatFixed cannot show),
// where only the text decides. (An out parameter: an optional<double>
// returned from here costs a stall in the loops this serves.)
bool fixedValue(double value, int decimals, double& number);

// Text that carries a value from one computation step to the next: up to 15
// significant digits, trailing zeros dropped, exponent only for very large or
// very small magnitudes. Every finite value's text reads back as a finite
// number (the largest doubles are cut, not rounded up).
std::string formatHandOver(double value);

// The hand-over text of a decimal of up to 15 significant digits (more are
// cut: round first).
std::string formatHandOver(const DecimalNumber& value);

// The shortest decimal that reads back as the value (finite): 850.7 for the
// double nearest 850,7.
DecimalNumber shortestDecimal(double value);

// The shortest decimal that reads back as the value, written out without an
// exponent (1e-6 gives 0,000001).
std::string formatPositional(double value);

// Keeps the decimal separator for the lifetime of a scope (tests).
class ScopedDecimalSeparator {
public:
    explicit ScopedDecimalSeparator(char separator) : m_saved(decimalSeparator()) { setDecimalSeparator(separator); }
    ~ScopedDecimalSeparator() { setDecimalSeparator(m_saved); }
    ScopedDecimalSeparator(const ScopedDecimalSeparator&) = delete;
    ScopedDecimalSeparator& operator=(const ScopedDecimalSeparator&) = delete;

private:
    char m_saved;
};

}  // namespace density
