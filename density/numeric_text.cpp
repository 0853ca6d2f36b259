#include "numeric_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace density {

namespace {

char g_separator = ',';

// Checks the grammar and returns the text in the form from_chars reads
// (point as separator, no leading '+', no blanks).
std::optional<std::string> normalise(std::string_view text, bool acceptComma, bool acceptPoint)
{
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && text[b] == ' ')
        ++b;
    while (e > b && text[e - 1] == ' ')
        --e;
    std::string out;
    out.reserve(e - b + 1);
    std::size_t i = b;
    if (i < e && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            out.push_back('-');
        ++i;
    }
    int digits = 0;
    bool separatorSeen = false;
    for (; i < e; ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            out.push_back(c);
            ++digits;
        } else if (!separatorSeen && ((acceptComma && c == ',') || (acceptPoint && c == '.'))) {
            separatorSeen = true;
            out.push_back('.');
        } else {
            break;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < e && (text[i] == 'e' || text[i] == 'E')) {
        out.push_back('e');
        ++i;
        if (i < e && (text[i] == '+' || text[i] == '-'))
            out.push_back(text[i++]);
        int expDigits = 0;
        for (; i < e && text[i] >= '0' && text[i] <= '9'; ++i) {
            out.push_back(text[i]);
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != e)
        return std::nullopt;
    // from_chars wants a digit before the point
    if (out.size() > 0 && (out[0] == '.' || (out[0] == '-' && out.size() > 1 && out[1] == '.')))
        out.insert(out[0] == '-' ? 1 : 0, "0");
    return out;
}

template <typename T>
std::optional<T> convert(const std::optional<std::string>& normal)
{
    if (!normal)
        return std::nullopt;
    T value{};
    const char* first = normal->data();
    const char* last = first + normal->size();
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// 10^n in extended precision; exact up to 10^27.
long double pow10(int n)
{
    static const auto table = [] {
        std::array<long double, 64> t{};
        long double p = 1;
        for (int i = 0; i < 64; ++i, p *= 10)
            t[i] = p;
        return t;
    }();
    if (n >= 0 && n < 64)
        return table[n];
    return std::pow(10.0L, n);
}

// Decimal digits of a magnitude: value = 0.d1d2d3... x 10^point.
struct Digits {
    std::string digits;
    int point = 0;
};

Digits decimalDigits(long double magnitude)
{
    Digits d;
    if (magnitude == 0) {
        d.digits = "0";
        d.point = 1;
        return d;
    }
    if (magnitude < 1e15L) {
        // 15 significant digits: what the user would read as the value
        int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
        long long mantissa = std::llround(magnitude * pow10(14 - exponent));
        if (mantissa >= 1000000000000000LL) {
            ++exponent;
            mantissa = std::llround(magnitude * pow10(14 - exponent));
        } else if (mantissa < 100000000000000LL) {
            --exponent;
            mantissa = std::llround(magnitude * pow10(14 - exponent));
        }
        d.digits = std::to_string(mantissa);
        d.point = exponent + 1;
        return d;
    }
    // large magnitudes carry no more than a few fractional bits: exact
    char buf[128];
    std::snprintf(buf, sizeof buf, "%.24Lf", magnitude);
    const std::string s(buf);
    const std::size_t dot = s.find('.');
    d.digits = s.substr(0, dot) + s.substr(dot + 1);
    d.point = static_cast<int>(dot);
    return d;
}

}  // namespace

char decimalSeparator()
{
    return g_separator;
}

void setDecimalSeparator(char separator)
{
    g_separator = separator;
}

bool isBlank(std::string_view text)
{
    return text.find_first_not_of(' ') == std::string_view::npos;
}

std::optional<double> parseNumber(std::string_view text)
{
    return convert<double>(normalise(text, g_separator == ',', g_separator == '.'));
}

FieldReading readField(std::string_view text)
{
    if (text.empty())
        return {FieldState::Empty, 0};
    const std::optional<double> value = parseNumber(text);
    return value ? FieldReading{FieldState::Number, *value} : FieldReading{FieldState::Invalid, 0};
}

std::optional<long double> parseNumberExtended(std::string_view text)
{
    return convert<long double>(normalise(text, g_separator == ',', g_separator == '.'));
}

std::optional<double> parseTableNumber(std::string_view text)
{
    return convert<double>(normalise(text, true, true));
}

std::optional<std::string> formatFixed(long double value, int decimals)
{
    if (!std::isfinite(value) || std::fabs(value) >= 1e18L || decimals < 0 || decimals > 18)
        return std::nullopt;
    const bool negative = value < 0;
    Digits d = decimalDigits(std::fabs(value));

    // at least one integer digit, so that the rounding below has room
    if (d.point < 1) {
        d.digits.insert(0, static_cast<std::size_t>(1 - d.point), '0');
        d.point = 1;
    }
    // keep the digits up to the last decimal, rounding on the next one
    const std::size_t keep = static_cast<std::size_t>(d.point + decimals);
    std::string kept = d.digits.substr(0, std::min(keep, d.digits.size()));
    kept.resize(keep, '0');
    if (keep < d.digits.size() && d.digits[keep] >= '5') {
        std::size_t k = keep;
        while (k > 0 && kept[k - 1] == '9')
            kept[--k] = '0';
        if (k > 0)
            ++kept[k - 1];
        else
            kept.insert(kept.begin(), '1');
    }

    std::string intPart;
    std::string fracPart;
    const int intDigits = static_cast<int>(kept.size()) - decimals;
    if (intDigits > 0) {
        intPart = kept.substr(0, intDigits);
        fracPart = kept.substr(intDigits);
    } else {
        intPart = "0";
        fracPart = std::string(-intDigits, '0') + kept;
    }
    const std::size_t nz = intPart.find_first_not_of('0');
    intPart = nz == std::string::npos ? "0" : intPart.substr(nz);

    std::string out;
    const bool isZero = intPart == "0" && fracPart.find_first_not_of('0') == std::string::npos;
    if (negative && !isZero)
        out.push_back('-');
    out += intPart;
    if (decimals > 0) {
        out.push_back(g_separator);
        out += fracPart;
    }
    return out;
}

std::string formatHandOver(double value)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? "NAN" : (value < 0 ? "-INF" : "INF");
    if (value == 0)
        return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", value);
    std::string s(buf);
    const std::size_t ePos = s.find('e');
    const int exponent = std::atoi(s.c_str() + ePos + 1);
    std::string digits;
    for (std::size_t k = 0; k < ePos; ++k)
        if (s[k] >= '0' && s[k] <= '9')
            digits.push_back(s[k]);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = value < 0 ? "-" : "";
    if (exponent >= 15 || exponent < -5) {
        out.push_back(digits[0]);
        if (digits.size() > 1) {
            out.push_back(g_separator);
            out += digits.substr(1);
        }
        out += "E" + std::to_string(exponent);
        return out;
    }
    const int point = exponent + 1;
    if (point <= 0) {
        out += "0";
        out.push_back(g_separator);
        out += std::string(-point, '0') + digits;
    } else if (point >= static_cast<int>(digits.size())) {
        out += digits + std::string(point - digits.size(), '0');
    } else {
        out += digits.substr(0, point);
        out.push_back(g_separator);
        out += digits.substr(point);
    }
    return out;
}

}  // namespace density
