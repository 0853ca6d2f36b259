#pragma once

#include <cstddef>
#include <sstream>
#include <string>

// A short name for a case of a parameterised test, from its telling values,
// so that a failing case reads at a glance: ("853,4", "at", -3.5) at index 2
// is "853c4_at_m3p5_2". A decimal comma becomes 'c', a point 'p', a minus 'm';
// anything but ASCII letters and digits separates words. The index keeps
// names unique.
namespace testnames {

template <class... Parts>
std::string caseName(std::size_t index, const Parts&... parts)
{
    std::ostringstream text;
    ((text << parts << ' '), ...);
    std::string name;
    for (const char c : text.str()) {
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
            name += c;
        else if (c == ',')
            name += 'c';
        else if (c == '.')
            name += 'p';
        else if (c == '-')
            name += 'm';
        else if (!name.empty() && name.back() != '_')
            name += '_';
    }
    if (name.size() > 24)
        name.resize(24);
    if (!name.empty() && name.back() != '_')
        name += '_';
    return (name.empty() ? std::string("case_") : name) + std::to_string(index);
}

}  // namespace testnames
