#pragma once
// The data files are code page 1251 (or UTF-8, when edited in a UTF-8 editor); inside the
// program every string is UTF-8.

#include <string>
#include <string_view>

namespace roofcalc {

bool isValidUtf8(std::string_view bytes);
std::string cp1251ToUtf8(std::string_view bytes);
// Characters that code page 1251 lacks become '?'.
std::string utf8ToCp1251(std::string_view utf8);
// UTF-8 when the bytes are valid UTF-8, code page 1251 otherwise.
std::string decodeDataText(std::string_view bytes);

}  // namespace roofcalc
