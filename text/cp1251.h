#pragma once

#include <optional>
#include <string>
#include <string_view>

// The Windows Cyrillic code page (cp1251), in which older files of the
// program (settings, tables) may come, beside UTF-8.
namespace text {

bool isValidUtf8(std::string_view bytes);
// A cp1251 byte string as UTF-8.
std::string cp1251ToUtf8(std::string_view bytes);
// UTF-8 text as cp1251; nothing when it is not valid UTF-8 or holds a
// character cp1251 has no byte for.
std::optional<std::string> utf8ToCp1251(std::string_view utf8);

}  // namespace text
