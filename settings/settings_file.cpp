#include "settings_file.h"

#include "text/cp1251.h"

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

}  // namespace

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
        doc.m_lines.push_back(text::isValidUtf8(line) ? std::string(line) : text::cp1251ToUtf8(line));
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
