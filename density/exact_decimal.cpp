#include "exact_decimal.h"

#include <cstdint>

#include "numeric_text.h"

namespace density {

namespace {

// 10^0 ... 10^38, all that 128 bits hold.
struct PowersOfTen {
    WideInt values[39];
    constexpr PowersOfTen() : values()
    {
        values[0] = 1;
        for (int k = 1; k < 39; ++k)
            values[k] = values[k - 1] * 10;
    }
};
constexpr PowersOfTen kPowersOfTen;

}  // namespace

bool timesPowerOfTen(WideInt& value, int power)
{
    return power >= 0 && power < 39 && !__builtin_mul_overflow(value, kPowersOfTen.values[power], &value);
}

WideUnsigned roundedQuotient(WideUnsigned numerator, WideUnsigned denominator)
{
    // one division of 64 bits where the terms fit, as for most of what is typed
    const bool narrow = (numerator >> 64) == 0 && (denominator >> 64) == 0;
    const WideUnsigned quotient = narrow
                                      ? static_cast<std::uint64_t>(numerator) / static_cast<std::uint64_t>(denominator)
                                      : numerator / denominator;
    const WideUnsigned remainder = numerator - quotient * denominator;
    return remainder >= denominator - remainder ? quotient + 1 : quotient;
}

std::string fixedText(bool negative, WideUnsigned magnitude, int decimals)
{
    const bool zero = magnitude == 0;
    char reversed[48];
    int count = 0;
    // digits of 128 bits down to what 64 hold, then in 64 bits
    for (; (magnitude >> 64) != 0; magnitude /= 10)
        reversed[count++] = static_cast<char>('0' + static_cast<int>(magnitude % 10));
    std::uint64_t narrow = static_cast<std::uint64_t>(magnitude);
    do {
        reversed[count++] = static_cast<char>('0' + static_cast<int>(narrow % 10));
        narrow /= 10;
    } while (narrow != 0 || count <= decimals);
    std::string out;
    out.reserve(static_cast<std::size_t>(count) + 2);
    if (negative && !zero)
        out.push_back('-');
    for (int k = count - 1; k >= 0; --k) {
        out.push_back(reversed[k]);
        if (k == decimals && decimals > 0)
            out.push_back(decimalSeparator());
    }
    return out;
}

}  // namespace density
