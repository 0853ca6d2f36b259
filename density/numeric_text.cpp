#include "numeric_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace density {

namespace {

char g_separator = ',';

// Powers of ten that double and long double hold exactly.
constexpr std::array<double, 23> kPow10Double = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                                 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr std::array<long double, 28> kPow10Extended = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L,
    1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};

// A number text checked against the grammar: its significant digits (up to
// 19, exactly), the power of ten that scales them, and where it lies.
struct Scanned {
    bool ok = false;
    bool negative = false;
    bool exact = true;  // all significant digits fit in `mantissa`
    std::uint64_t mantissa = 0;
    int exponent10 = 0;
    std::size_t begin = 0;  // the number without the blanks around it
    std::size_t end = 0;
};

Scanned scan(std::string_view text, bool acceptComma, bool acceptPoint)
{
    Scanned s;
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && text[b] == ' ')
        ++b;
    while (e > b && text[e - 1] == ' ')
        --e;
    s.begin = b;
    s.end = e;
    std::size_t i = b;
    if (i < e && (text[i] == '+' || text[i] == '-'))
        s.negative = text[i++] == '-';
    int digits = 0;
    int significant = 0;
    bool separatorSeen = false;
    for (; i < e; ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            ++digits;
            if (significant > 0 || c != '0') {
                if (significant < 19) {
                    s.mantissa = s.mantissa * 10 + static_cast<unsigned>(c - '0');
                    ++significant;
                    if (separatorSeen)
                        --s.exponent10;
                } else {
                    s.exact = false;
                }
            } else if (separatorSeen) {
                --s.exponent10;  // a leading zero after the separator
            }
        } else if (!separatorSeen && ((acceptComma && c == ',') || (acceptPoint && c == '.'))) {
            separatorSeen = true;
        } else {
            break;
        }
    }
    if (digits == 0)
        return s;
    if (i < e && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < e && (text[i] == '+' || text[i] == '-'))
            negativeExponent = text[i++] == '-';
        int expDigits = 0;
        int exponent = 0;
        for (; i < e && text[i] >= '0' && text[i] <= '9'; ++i, ++expDigits)
            exponent = exponent < 100000 ? exponent * 10 + (text[i] - '0') : exponent;
        if (expDigits == 0)
            return s;
        s.exponent10 += negativeExponent ? -exponent : exponent;
    }
    s.ok = i == e;
    return s;
}

// The text in the form from_chars reads: point as separator, no '+', no
// blanks, a digit before the point.
std::string normalised(std::string_view text, const Scanned& s)
{
    std::string out;
    out.reserve(s.end - s.begin + 1);
    for (std::size_t i = s.begin; i < s.end; ++i) {
        const char c = text[i];
        if (c == '+' && i == s.begin)
            continue;
        if (c == ',' || c == '.') {
            if (out.empty() || out == "-")
                out.push_back('0');
            out.push_back('.');
        } else {
            out.push_back(c);
        }
    }
    return out;
}

template <typename T>
std::optional<T> slowConvert(std::string_view text, const Scanned& s)
{
    const std::string normal = normalised(text, s);
    T value{};
    const char* first = normal.data();
    const char* last = first + normal.size();
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Exact digits and an exact power of ten give the correctly rounded value in
// one operation, the same as from_chars; anything else goes through it.
std::optional<double> toDouble(std::string_view text, const Scanned& s)
{
    if (!s.ok)
        return std::nullopt;
    if (s.exact && s.mantissa <= (std::uint64_t(1) << 53) && s.exponent10 >= -22 && s.exponent10 <= 22) {
        const double m = static_cast<double>(s.mantissa);
        const double v = s.exponent10 < 0 ? m / kPow10Double[-s.exponent10] : m * kPow10Double[s.exponent10];
        return s.negative ? -v : v;
    }
    return slowConvert<double>(text, s);
}

std::optional<long double> toExtended(std::string_view text, const Scanned& s)
{
    if (!s.ok)
        return std::nullopt;
    if (std::numeric_limits<long double>::digits >= 64 && s.exact && s.exponent10 >= -27 && s.exponent10 <= 27) {
        const long double m = static_cast<long double>(s.mantissa);
        const long double v = s.exponent10 < 0 ? m / kPow10Extended[-s.exponent10] : m * kPow10Extended[s.exponent10];
        return s.negative ? -v : v;
    }
    return slowConvert<long double>(text, s);
}

// The shortest decimal digits that read back as the value (not zero, finite):
// value = 0.d1d2d3... x 10^point.
struct Digits {
    char digits[24];
    int count = 0;
    int point = 0;
};

// Reads the digits and exponent of to_chars' scientific form d.ddde±XX.
void fromScientific(const char* first, const char* last, Digits& d)
{
    const char* p = first;
    if (*p == '-')
        ++p;
    for (; p < last && *p != 'e'; ++p)
        if (*p != '.')
            d.digits[d.count++] = *p;
    int exponent = 0;
    std::from_chars(p + (p[1] == '+' ? 2 : 1), last, exponent);
    d.point = exponent + 1;
    while (d.count > 1 && d.digits[d.count - 1] == '0')
        --d.count;
}

Digits shortestDigits(double magnitude)
{
    char buf[40];
    const auto r = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
    Digits d;
    fromScientific(buf, r.ptr, d);
    return d;
}

// Digits laid out without an exponent: 0,000001 or 1200.
std::string positional(bool negative, const Digits& d)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(d.count + std::abs(d.point) + 3));
    if (negative)
        out.push_back('-');
    if (d.point <= 0) {
        out.push_back('0');
        out.push_back(g_separator);
        out.append(static_cast<std::size_t>(-d.point), '0');
        out.append(d.digits, static_cast<std::size_t>(d.count));
    } else if (d.point >= d.count) {
        out.append(d.digits, static_cast<std::size_t>(d.count));
        out.append(static_cast<std::size_t>(d.point - d.count), '0');
    } else {
        out.append(d.digits, static_cast<std::size_t>(d.point));
        out.push_back(g_separator);
        out.append(d.digits + d.point, static_cast<std::size_t>(d.count - d.point));
    }
    return out;
}

// The hand-over text of shortest or rounded digits.
std::string handOverLayout(bool negative, const Digits& d)
{
    const int exponent = d.point - 1;
    if (exponent >= 15 || exponent < -5) {
        std::string out = negative ? "-" : "";
        out.push_back(d.digits[0]);
        if (d.count > 1) {
            out.push_back(g_separator);
            out.append(d.digits + 1, static_cast<std::size_t>(d.count - 1));
        }
        out += "E" + std::to_string(exponent);
        return out;
    }
    return positional(negative, d);
}

// Away from a rounding boundary the exact value and its shortest decimal
// (within half an ulp of each other) round alike, so the value scaled by
// 10^decimals, exact in extended precision, is rounded directly. False near a
// boundary, or beyond what the shortcut holds exactly.
bool roundedScaledExtended(double magnitude, int decimals, std::uint64_t& rounded)
{
    if (std::numeric_limits<long double>::digits < 64 || decimals > 4)
        return false;
    const long double scaled = magnitude * kPow10Extended[decimals];  // 53 + 10 bits: exact
    if (!(scaled < 9e18L))
        return false;
    const long double whole = std::floor(scaled);
    const long double fraction = scaled - whole;
    const long double ulp = (std::nextafter(magnitude, HUGE_VAL) - magnitude) * kPow10Extended[decimals];
    if (std::fabs(fraction - 0.5L) <= ulp)
        return false;
    rounded = static_cast<std::uint64_t>(whole) + (fraction > 0.5L ? 1 : 0);
    return true;
}

// The same for tenths in double arithmetic, several times quicker: 10 x m is
// 8m + 2m, both exact, so their sum and its rounding error hold it exactly.
// The fraction then computed is off by far less than the boundary band, which
// is widened by that much: what this answers, the extended test answers
// alike; it decides what is left.
[[gnu::always_inline]] inline bool roundedTenths(double magnitude, std::uint64_t& rounded)
{
    if (!(magnitude < 9e16))
        return false;
    const double eight = magnitude * 8;
    const double two = magnitude * 2;
    const double sum = eight + two;
    const double error = two - (sum - eight);
    // signed: one instruction each way
    const auto whole = static_cast<std::int64_t>(sum);
    const double fraction = (sum - static_cast<double>(whole)) + error;  // may leave [0, 1) by a hair
    std::uint64_t bits = 0;
    std::memcpy(&bits, &magnitude, sizeof bits);
    ++bits;
    double next = 0;
    std::memcpy(&next, &bits, sizeof next);
    const double band = (next - magnitude) * 10;
    if (!(std::fabs(fraction - 0.5) > 2 * band + 0x1p-50))
        return false;
    rounded = static_cast<std::uint64_t>(whole + static_cast<std::int64_t>(fraction > 0.5));
    return true;
}

inline bool roundedScaled(double magnitude, int decimals, std::uint64_t& rounded)
{
    return (decimals == 1 && roundedTenths(magnitude, rounded)) || roundedScaledExtended(magnitude, decimals, rounded);
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

namespace {

// The common field text, [blanks][sign]digits[separator digits][blanks] with
// at most 15 digits, read in one pass; false sends the text to the full
// grammar.
bool readPlain(std::string_view text, char separator, double& value)
{
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end && *p == ' ')
        ++p;
    bool negative = false;
    if (p < end && (*p == '-' || *p == '+'))
        negative = *p++ == '-';
    std::uint64_t mantissa = 0;
    int digits = 0;
    int fraction = 0;
    for (; p < end && static_cast<unsigned>(*p - '0') < 10; ++p, ++digits)
        mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
    if (p < end && *p == separator) {
        for (++p; p < end && static_cast<unsigned>(*p - '0') < 10; ++p, ++fraction)
            mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
    }
    while (p < end && *p == ' ')
        ++p;
    digits += fraction;
    if (p != end || digits == 0 || digits > 15)
        return false;
    const double m = static_cast<double>(mantissa);
    value = fraction ? m / kPow10Double[fraction] : m;
    if (negative)
        value = -value;
    return true;
}

}  // namespace

std::optional<double> parseNumber(std::string_view text)
{
    double value;
    if (readPlain(text, g_separator, value))
        return value;
    return toDouble(text, scan(text, g_separator == ',', g_separator == '.'));
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
    return toExtended(text, scan(text, g_separator == ',', g_separator == '.'));
}

std::optional<DecimalNumber> parseNumberDecimal(std::string_view text)
{
    const Scanned s = scan(text, g_separator == ',', g_separator == '.');
    if (!s.ok)
        return std::nullopt;
    return DecimalNumber{s.negative, s.exact, s.mantissa, s.exponent10};
}

std::optional<double> parseTableNumber(std::string_view text)
{
    return toDouble(text, scan(text, true, true));
}

std::optional<std::string> formatFixed(long double value, int decimals)
{
    if (!std::isfinite(value) || std::fabs(value) >= 1e18L || decimals < 0 || decimals > 18)
        return std::nullopt;
    const double magnitude = std::fabs(static_cast<double>(value));

    // the kept digits k1...kn stand for k1...kn x 10^-decimals
    char kept[48];
    int count = 0;
    std::uint64_t rounded = 0;
    if (roundedScaled(magnitude, decimals, rounded)) {
        char reversed[24];
        do {
            reversed[count++] = static_cast<char>('0' + rounded % 10);
            rounded /= 10;
        } while (rounded != 0);
        for (int k = 0; k < count; ++k)
            kept[k] = reversed[count - 1 - k];
    } else if (magnitude != 0) {
        const Digits d = shortestDigits(magnitude);
        const int keep = d.point + decimals;
        if (keep >= 0) {
            for (; count < keep; ++count)
                kept[count] = count < d.count ? d.digits[count] : '0';
            if (keep < d.count && d.digits[keep] >= '5') {
                int k = count;
                while (k > 0 && kept[k - 1] == '9')
                    kept[--k] = '0';
                if (k > 0) {
                    ++kept[k - 1];
                } else {
                    std::memmove(kept + 1, kept, static_cast<std::size_t>(count));
                    kept[0] = '1';
                    ++count;
                }
            }
        }
    }
    // leading zeros, so that there is an integer digit
    const int width = decimals + 1;
    if (count < width) {
        std::memmove(kept + (width - count), kept, static_cast<std::size_t>(count));
        std::memset(kept, '0', static_cast<std::size_t>(width - count));
        count = width;
    }
    int first = 0;
    while (first < count - width && kept[first] == '0')
        ++first;
    bool zero = true;
    for (int k = first; k < count && zero; ++k)
        zero = kept[k] == '0';

    char out[64];
    int n = 0;
    if (value < 0 && !zero)
        out[n++] = '-';
    const int intDigits = count - decimals;
    for (int k = first; k < intDigits; ++k)
        out[n++] = kept[k];
    if (decimals > 0) {
        out[n++] = g_separator;
        for (int k = intDigits; k < count; ++k)
            out[n++] = kept[k];
    }
    return std::string(out, static_cast<std::size_t>(n));
}

bool fixedValue(double value, int decimals, double& number)
{
    std::uint64_t rounded = 0;
    if (!std::isfinite(value) || decimals < 0 || !roundedScaled(std::fabs(value), decimals, rounded) ||
        rounded >= (std::uint64_t(1) << 53))
        return false;
    // the digits read back as parseNumber reads them: one correctly rounded division
    const double magnitude = static_cast<double>(static_cast<std::int64_t>(rounded)) / kPow10Double[decimals];
    number = value < 0 && rounded != 0 ? -magnitude : magnitude;
    return true;
}

std::string formatHandOver(double value)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? "NAN" : (value < 0 ? "-INF" : "INF");
    if (value == 0)
        return "0";
    char buf[40];
    const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    Digits d;
    fromScientific(buf, r.ptr, d);
    // 15 digits of the largest doubles round up past the largest double: cut
    // them instead, so that the text reads back as a finite number
    static constexpr char kLargest[] = "179769313486231";
    if (d.point == 309 && std::memcmp(buf, "1.7976931348623", 15) == 0 && buf[15] > kLargest[14]) {
        std::memcpy(d.digits, kLargest, 15);
        d.count = 15;
    }
    return handOverLayout(value < 0, d);
}

std::string formatHandOver(const DecimalNumber& value)
{
    if (value.digits == 0)
        return "0";
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, value.digits);
    Digits d;
    for (const char* p = buf; p < r.ptr && d.count < 15; ++p)
        d.digits[d.count++] = *p;
    d.point = static_cast<int>(r.ptr - buf) + value.exponent;
    while (d.count > 1 && d.digits[d.count - 1] == '0')
        --d.count;
    return handOverLayout(value.negative, d);
}

DecimalNumber shortestDecimal(double value)
{
    DecimalNumber x;
    x.negative = std::signbit(value);
    if (value == 0)
        return x;
    const Digits d = shortestDigits(std::fabs(value));
    for (int k = 0; k < d.count; ++k)
        x.digits = x.digits * 10 + static_cast<unsigned>(d.digits[k] - '0');
    x.exponent = d.point - d.count;
    return x;
}

std::string formatPositional(double value)
{
    if (!std::isfinite(value))
        return formatHandOver(value);
    if (value == 0)
        return "0";
    return positional(value < 0, shortestDigits(std::fabs(value)));
}

}  // namespace density
