#include "quantity.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <system_error>

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

// digits x 10^exponent, correctly rounded to a double.
double nearestDouble(bool negative, std::uint64_t digits, int exponent)
{
    // a sign, 20 digits, 'e' and an exponent of at most 11 characters
    char text[48];
    char* p = text;
    if (negative)
        *p++ = '-';
    const std::to_chars_result written = std::to_chars(p, text + sizeof text - 16, digits);
    if (written.ec != std::errc())
        return std::nan("");
    p = written.ptr;
    *p++ = 'e';
    p = std::to_chars(p, text + sizeof text, exponent).ptr;
    double value = 0;
    std::from_chars(text, p, value);
    return value;
}

// The density as a fraction of magnitudes with its sign: the exact one, or
// the shortest decimal of the value. Nothing beyond what 128 bits hold.
struct Magnitudes {
    bool negative = false;
    WideUnsigned numerator = 0;
    WideUnsigned denominator = 1;
};

std::optional<Magnitudes> magnitudesOf(const Density& density)
{
    Magnitudes m;
    if (density.exact) {
        const WideInt n = density.exact->numerator;
        const WideInt d = density.exact->denominator;
        if (d <= 0)
            return std::nullopt;
        m.negative = n < 0;
        m.numerator = static_cast<WideUnsigned>(n < 0 ? -n : n);
        m.denominator = static_cast<WideUnsigned>(d);
        return m;
    }
    if (!std::isfinite(density.value))
        return std::nullopt;
    const DecimalNumber x = shortestDecimal(density.value);
    m.negative = x.negative;
    WideInt scaled = static_cast<WideInt>(x.digits);
    WideInt divisor = 1;
    if (x.exponent >= 0 ? !timesPowerOfTen(scaled, x.exponent) : !timesPowerOfTen(divisor, -x.exponent))
        return std::nullopt;
    m.numerator = static_cast<WideUnsigned>(scaled);
    m.denominator = static_cast<WideUnsigned>(divisor);
    return m;
}

// a x b, or nothing past 128 bits (the top bit kept free for signed use)
bool product(WideUnsigned a, WideUnsigned b, WideUnsigned& out)
{
    WideInt p = 0;
    if (__builtin_mul_overflow(static_cast<WideInt>(a), static_cast<WideInt>(b), &p) || a >> 127 || b >> 127)
        return false;
    out = static_cast<WideUnsigned>(p);
    return true;
}

// density x volume in thousandths of a tonne, rounded, and the value to
// double precision; nothing where the terms would leave 128 bits or the mass
// what is written with decimals.
std::optional<Mass> exactMass(const Magnitudes& rho, const DecimalNumber& volume)
{
    if (!volume.exact)
        return std::nullopt;
    // mass x 1000 = numerator x volume digits x 10^exponent / denominator
    WideUnsigned numerator = 0;
    WideUnsigned denominator = rho.denominator;
    if (!product(rho.numerator, volume.digits, numerator))
        return std::nullopt;
    WideInt power = 1;
    WideUnsigned& scaled = volume.exponent >= 0 ? numerator : denominator;
    if (!timesPowerOfTen(power, volume.exponent >= 0 ? volume.exponent : -volume.exponent) ||
        !product(scaled, static_cast<WideUnsigned>(power), scaled))
        return std::nullopt;
    const WideUnsigned thousandths = roundedQuotient(numerator, denominator);
    WideUnsigned tonnes = 0;
    if (thousandths >= kLargestThousandths || !product(denominator, 1000, tonnes))
        return std::nullopt;
    const std::optional<Significant> value = significantQuotient(numerator, tonnes, 19);
    if (!value)
        return std::nullopt;
    const bool negative = rho.negative != volume.negative;
    return Mass{fixedText(negative, thousandths, 3), nearestDouble(negative, value->digits, value->exponent)};
}

// mass x 1000 / density to 15 significant digits, halves away from zero.
std::optional<DecimalNumber> exactCubicMetres(const DecimalNumber& mass, const Magnitudes& rho)
{
    WideUnsigned numerator = 0;
    if (!mass.exact || rho.numerator == 0 || !product(mass.digits, rho.denominator, numerator))
        return std::nullopt;
    const std::optional<Significant> v = significantQuotient(numerator, rho.numerator, 15);
    if (!v)
        return std::nullopt;
    DecimalNumber out;
    out.negative = mass.negative != rho.negative && v->digits != 0;
    out.digits = v->digits;
    out.exponent = v->exponent + mass.exponent + 3;
    return out;
}

}  // namespace

Result<Mass> massOfVolume(const Density& density, std::string_view cubicMetresText)
{
    const std::optional<DecimalNumber> volume = parseNumberDecimal(cubicMetresText);
    if (!volume)
        return Result<Mass>::failure(notANumber(cubicMetresText));
    if (const std::optional<Magnitudes> rho = magnitudesOf(density)) {
        if (std::optional<Mass> exact = exactMass(*rho, *volume))
            return std::move(*exact);
    }
    const std::optional<double> approximate = parseNumber(cubicMetresText);
    if (!approximate)
        return Result<Mass>::failure(notANumber(cubicMetresText));
    const double value = density.value * *approximate / 1000;
    std::optional<std::string> text = formatFixed(value, 3);
    return Mass{text ? std::move(*text) : formatHandOver(value), value};
}

Result<std::string> volumeOfMass(std::string_view massText, const Density& density, VolumeUnit unit, MessageSink& sink)
{
    const std::optional<DecimalNumber> mass = parseNumberDecimal(massText);
    if (!mass)
        return Result<std::string>::failure(notANumber(massText));
    if (density.value == 0)
        return Result<std::string>::failure("no density to divide by");
    std::optional<DecimalNumber> cubicMetres;
    if (const std::optional<Magnitudes> rho = magnitudesOf(density))
        cubicMetres = exactCubicMetres(*mass, *rho);
    if (cubicMetres)
        return convertVolume(formatHandOver(*cubicMetres), VolumeUnit::CubicMetre, unit, sink);
    const std::optional<double> approximate = parseNumber(massText);
    if (!approximate)
        return Result<std::string>::failure(notANumber(massText));
    return convertVolume(formatHandOver(*approximate * 1000 / density.value), VolumeUnit::CubicMetre, unit, sink);
}

}  // namespace density
