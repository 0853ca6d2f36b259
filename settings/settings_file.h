#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// settings.ini as text: sections in square brackets, "key=value" lines.
// Values are kept verbatim: no quoting, no trimming, no list splitting.
namespace settings {

class IniDocument {
public:
    // The file's bytes: UTF-8 with or without a byte-order mark, LF or CRLF
    // line ends; a line that is not valid UTF-8 is read as Windows-1251.
    static IniDocument parse(std::string_view bytes);

    // The value of the first line of the key in the first section of that
    // name (names compare without case), or nothing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // Replaces the value of that line, or adds the key at the end of its
    // section (the section at the end of the file when it is new). Line
    // breaks inside a value cannot be stored and become blanks.
    void set(std::string_view section, std::string_view key, std::string_view value);

    // The whole file, UTF-8, with the line ends (and the byte-order mark) it
    // was read with; LF for a new file. Lines not touched by set() stay.
    std::string text() const;

private:
    // The lines of the section's body: [first, last) indices, or nothing.
    std::optional<std::pair<std::size_t, std::size_t>> sectionBody(std::string_view section) const;

    std::vector<std::string> m_lines;
    bool m_crlf = false;
    bool m_bom = false;
};

// The text of an integer or boolean key: optional blanks and sign, then
// decimal digits or "0x"/"0X" and hexadecimal digits; nothing otherwise, or
// when it does not fit an int.
std::optional<int> parseInteger(std::string_view text);

}  // namespace settings
