#include "quantity.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>

#include "exact_decimal.h"
#include "numeric_text.h"

namespace density {

namespace {

// Thousandths at and beyond this (10^18 t) are no longer written with decimals.
constexpr WideUnsigned kLargestThousandths = static_cast<WideUnsigned>(1000000000000000000) * 1000;

std::string notANumber(std::string_view text)
{
    return "'" + std::string(text) + "' is not a valid number";
}

int digitCount(std::uint64_t value)
{
    int count = 1;
    for (; value >= 10; value /= 10)
        ++count;
    return count;
}

// digits x 10^exponent, correctly rounded to a double.
double nearestDouble(bool negative, WideUnsigned digits, int exponent)
{
    constexpr std::uint64_t kNineteenDigits = 10000000000000000000u;
    char text[64];
    char* p = text;
    if (negative)
        *p++ = '-';
    if (digits >> 64 == 0) {
        p = std::to_chars(p, text + sizeof text, static_cast<std::uint64_t>(digits)).ptr;
    } else {
        // digits below 10^38: at most 19 above the last 19
        const std::uint64_t high = static_cast<std::uint64_t>(digits / kNineteenDigits);
        const std::uint64_t low =
            static_cast<std::uint64_t>(digits - high * static_cast<WideUnsigned>(kNineteenDigits));
        p = std::to_chars(p, text + sizeof text, high).ptr;
        char* const lowStart = p;
        p = std::to_chars(p, text + sizeof text, low).ptr;
        const int width = static_cast<int>(p - lowStart);
        if (width < 19) {  // the zeros that lead the last 19 digits
            std::memmove(lowStart + (19 - width), lowStart, static_cast<std::size_t>(width));
            std::memset(lowStart, '0', static_cast<std::size_t>(19 - width));
            p = lowStart + 19;
        }
    }
    *p++ = 'e';
    p = std::to_chars(p, text + sizeof text, exponent).ptr;
    double value = 0;
    std::from_chars(text, p, value);
    return value;
}

// The product of the two decimals in thousandths of a tonne, rounded; nothing
// where it would leave 128 bits or what is written with decimals.
std::optional<Mass> exactMass(const DecimalNumber& rho, const DecimalNumber& volume)
{
    if (!volume.exact)
        return std::nullopt;
    // both below 2^64 and the density's shortest digits below 10^17: no overflow
    const WideUnsigned product = static_cast<WideUnsigned>(rho.digits) * volume.digits;
    // mass x 1000 = product x 10^power
    const int power = rho.exponent + volume.exponent;
    WideUnsigned thousandths = 0;
    if (power >= 0) {
        WideInt scaled = static_cast<WideInt>(product);
        if (!timesPowerOfTen(scaled, power))
            return std::nullopt;
        thousandths = static_cast<WideUnsigned>(scaled);
    } else if (power >= -38) {
        WideInt divisor = 1;
        timesPowerOfTen(divisor, -power);
        thousandths = roundedQuotient(product, static_cast<WideUnsigned>(divisor));
    }  // else the product is far below half a thousandth
    if (thousandths >= kLargestThousandths)
        return std::nullopt;
    const bool negative = rho.negative != volume.negative;
    return Mass{fixedText(negative, thousandths, 3), nearestDouble(negative, product, power - 3)};
}

// mass x 1000 / density to 15 significant digits, halves away from zero.
std::optional<DecimalNumber> exactCubicMetres(const DecimalNumber& mass, const DecimalNumber& rho)
{
    if (!mass.exact || rho.digits == 0)
        return std::nullopt;
    DecimalNumber v;
    v.negative = mass.negative != rho.negative;
    if (mass.digits == 0)
        return v;
    constexpr WideUnsigned kFifteenDigits = 1000000000000000;
    // digits x 10^shift / rho.digits lies in [10^14, 10^16) ...
    int shift = 15 - (digitCount(mass.digits) - digitCount(rho.digits));
    WideInt numerator = 0;
    WideInt denominator = 0;
    const auto scale = [&] {
        numerator = static_cast<WideInt>(mass.digits);
        denominator = static_cast<WideInt>(rho.digits);
        return shift >= 0 ? timesPowerOfTen(numerator, shift) : timesPowerOfTen(denominator, -shift);
    };
    if (!scale())
        return std::nullopt;
    // ... and in [10^14, 10^15) with one digit fewer where it has 16
    if (static_cast<WideUnsigned>(numerator / denominator) >= kFifteenDigits) {
        --shift;
        if (!scale())
            return std::nullopt;
    }
    WideUnsigned rounded =
        roundedQuotient(static_cast<WideUnsigned>(numerator), static_cast<WideUnsigned>(denominator));
    if (rounded == kFifteenDigits) {
        rounded /= 10;
        --shift;
    }
    v.digits = static_cast<std::uint64_t>(rounded);
    v.exponent = mass.exponent + 3 - rho.exponent - shift;
    return v;
}

}  // namespace

Result<Mass> massOfVolume(double density, std::string_view cubicMetresText)
{
    const std::optional<DecimalNumber> volume = parseNumberDecimal(cubicMetresText);
    if (!volume)
        return Result<Mass>::failure(notANumber(cubicMetresText));
    if (std::isfinite(density)) {
        if (std::optional<Mass> exact = exactMass(shortestDecimal(density), *volume))
            return std::move(*exact);
    }
    const std::optional<double> approximate = parseNumber(cubicMetresText);
    if (!approximate)
        return Result<Mass>::failure(notANumber(cubicMetresText));
    const double value = density * *approximate / 1000;
    std::optional<std::string> text = formatFixed(value, 3);
    return Mass{text ? std::move(*text) : formatHandOver(value), value};
}

Result<std::string> volumeOfMass(std::string_view massText, double density, VolumeUnit unit, MessageSink& sink)
{
    const std::optional<DecimalNumber> mass = parseNumberDecimal(massText);
    if (!mass)
        return Result<std::string>::failure(notANumber(massText));
    if (density == 0)
        return Result<std::string>::failure("no density to divide by");
    std::optional<DecimalNumber> cubicMetres;
    if (std::isfinite(density))
        cubicMetres = exactCubicMetres(*mass, shortestDecimal(density));
    if (cubicMetres)
        return convertVolume(formatHandOver(*cubicMetres), VolumeUnit::CubicMetre, unit, sink);
    const std::optional<double> approximate = parseNumber(massText);
    if (!approximate)
        return Result<std::string>::failure(notANumber(massText));
    return convertVolume(formatHandOver(*approximate * 1000 / density), VolumeUnit::CubicMetre, unit, sink);
}

}  // namespace density
