#include "settings_file.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace settings {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// "[name]" gives name; any other line nothing.
std::optional<std::string_view> sectionName(std::string_view line)
{
    line = trimmed(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return std::nullopt;
    return trimmed(line.substr(1, line.size() - 2));
}

// The key of a "key=value" line and the position just after its '='.
std::optional<std::pair<std::string_view, std::size_t>> keyOf(std::string_view line)
{
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return std::make_pair(trimmed(line.substr(0, eq)), eq + 1);
}

// Code points 0x80 .. 0xFF of Windows-1251; 0x98 is unassigned and kept as
// the control code of that number.
// clang-format off
const char16_t kCp1251High[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // 0xB8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // 0xC0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  // 0xC8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  // 0xD0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  // 0xD8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // 0xE0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  // 0xE8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  // 0xF0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  // 0xF8
};
// clang-format on

void appendUtf8(std::string& out, char16_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

bool isValidUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        int follow = 0;
        std::uint32_t min = 0;
        std::uint32_t cp = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if ((b & 0xE0) == 0xC0) {
            follow = 1, min = 0x80, cp = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            follow = 2, min = 0x800, cp = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            follow = 3, min = 0x10000, cp = b & 0x07;
        } else {
            return false;
        }
        if (i + follow >= bytes.size())
            return false;
        for (int k = 1; k <= follow; ++k) {
            const auto c = static_cast<unsigned char>(bytes[i + k]);
            if ((c & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += follow + 1;
    }
    return true;
}

std::string cp1251ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        appendUtf8(out, b < 0x80 ? static_cast<char16_t>(b) : kCp1251High[b - 0x80]);
    }
    return out;
}

std::optional<int> parseInteger(std::string_view text)
{
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty() || text.front() == '-' || text.front() == '+')
        return std::nullopt;
    long long magnitude = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    const long long value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

IniDocument IniDocument::parse(std::string_view bytes)
{
    IniDocument doc;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        doc.m_bom = true;
        bytes.remove_prefix(3);
    }
    while (!bytes.empty()) {
        const std::size_t nl = bytes.find('\n');
        std::string_view line = bytes.substr(0, nl);
        bytes.remove_prefix(nl == std::string_view::npos ? bytes.size() : nl + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
            if (doc.m_lines.empty())
                doc.m_crlf = true;
        }
        doc.m_lines.push_back(isValidUtf8(line) ? std::string(line) : cp1251ToUtf8(line));
    }
    return doc;
}

std::optional<std::pair<std::size_t, std::size_t>> IniDocument::sectionBody(std::string_view section) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const auto name = sectionName(m_lines[i]);
        if (!name || !sameName(*name, section))
            continue;
        std::size_t end = i + 1;
        while (end < m_lines.size() && !sectionName(m_lines[end]))
            ++end;
        return std::make_pair(i + 1, end);
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const
{
    const auto body = sectionBody(section);
    if (!body)
        return std::nullopt;
    for (std::size_t i = body->first; i < body->second; ++i) {
        const auto k = keyOf(m_lines[i]);
        if (k && sameName(k->first, key))
            return m_lines[i].substr(k->second);
    }
    return std::nullopt;
}

void IniDocument::set(std::string_view section, std::string_view key, std::string_view value)
{
    std::string line = std::string(key) + '=' + std::string(value);
    for (char& c : line)
        if (c == '\r' || c == '\n')
            c = ' ';

    auto body = sectionBody(section);
    if (!body) {
        m_lines.push_back('[' + std::string(section) + ']');
        body = std::make_pair(m_lines.size(), m_lines.size());
    }
    for (std::size_t i = body->first; i < body->second; ++i) {
        const auto k = keyOf(m_lines[i]);
        if (k && sameName(k->first, key)) {
            m_lines[i] = m_lines[i].substr(0, k->second) + line.substr(key.size() + 1);
            return;
        }
    }
    // after the section's last line that is not blank
    std::size_t at = body->second;
    while (at > body->first && trimmed(m_lines[at - 1]).empty())
        --at;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

std::string IniDocument::text() const
{
    const char* eol = m_crlf ? "\r\n" : "\n";
    std::string out = m_bom ? "\xEF\xBB\xBF" : "";
    for (const std::string& line : m_lines)
        out += line + eol;
    return out;
}

}  // namespace settings
