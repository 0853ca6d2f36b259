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

namespace {

int digitCount(WideUnsigned value)
{
    // from the bit length, at most one too few
    const int bits = value >> 64 != 0 ? 128 - __builtin_clzll(static_cast<std::uint64_t>(value >> 64))
                     : value != 0     ? 64 - __builtin_clzll(static_cast<std::uint64_t>(value))
                                      : 1;
    int count = (bits - 1) * 30103 / 100000 + 1;
    if (count < 39 && value >= static_cast<WideUnsigned>(kPowersOfTen.values[count]))
        ++count;
    return count;
}

// floor(numerator x 10^shift / denominator), and whether the rest is half
// the denominator or more; false where a term would leave 128 bits.
bool scaledQuotient(WideUnsigned numerator, WideUnsigned denominator, int shift, WideUnsigned& quotient, bool& upper)
{
    WideInt power = 1;
    if (!timesPowerOfTen(power, shift >= 0 ? shift : -shift))
        return false;
    const WideUnsigned scale = static_cast<WideUnsigned>(power);
    WideUnsigned rest = 0;
    if (shift >= 0) {
        // whole x 10^shift + (rest x 10^shift) / denominator: no term larger than needed
        const WideUnsigned whole = numerator / denominator;
        WideUnsigned head = 0;
        WideUnsigned tail = 0;
        if (__builtin_mul_overflow(whole, scale, &head) ||
            __builtin_mul_overflow(numerator - whole * denominator, scale, &tail))
            return false;
        quotient = head + tail / denominator;
        rest = tail % denominator;
    } else {
        if (__builtin_mul_overflow(denominator, scale, &denominator))
            return false;
        quotient = numerator / denominator;
        rest = numerator - quotient * denominator;
    }
    upper = rest >= denominator - rest;
    return true;
}

}  // namespace

std::optional<Significant> significantQuotient(WideUnsigned numerator, WideUnsigned denominator, int digits)
{
    if (denominator == 0)
        return std::nullopt;
    if (numerator == 0)
        return Significant{};
    const WideUnsigned limit = static_cast<WideUnsigned>(kPowersOfTen.values[digits]);
    // numerator x 10^shift / denominator lies in [10^(digits-1), 10^(digits+1)) ...
    int shift = digits - (digitCount(numerator) - digitCount(denominator));
    WideUnsigned quotient = 0;
    bool upper = false;
    if (!scaledQuotient(numerator, denominator, shift, quotient, upper))
        return std::nullopt;
    // ... and below 10^digits with one digit fewer where it has one more
    if (quotient >= limit && !scaledQuotient(numerator, denominator, --shift, quotient, upper))
        return std::nullopt;
    if (upper && ++quotient == limit) {
        quotient /= 10;
        --shift;
    }
    return Significant{static_cast<std::uint64_t>(quotient), -shift};
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
