// The number conversions against independent references: the C library's correctly rounded
// strtod/strtof (this program never sets a locale, so they read the point), a regular
// expression of the field syntax, and printf's exact decimal expansion for FloatToStr.
//
// Input: one mode byte, then the text. Mode bit 0 picks the separator ("," or "."), bits 1-2
// the function: StrToFloat, StrToSingle, StrToInt, or FloatToStr of the next 8 bytes taken as
// the bits of a double. Seeds write the mode as a digit: '0' StrToFloat with ",", '1' with ".",
// '2'/'3' StrToSingle, '4' StrToInt, '6'/'7' FloatToStr.

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <regex>
#include <string>
#include <string_view>

#include "frame/calc_error.h"
#include "frame/numbers.h"
#include "fuzz_check.h"
#include "support/report_check.h"

using namespace roofcalc;

namespace {

const std::string kOverflow = "Floating point overflow.";

std::string show(std::string_view text) {
  std::string s;
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7F) {
      s += static_cast<char>(c);
    } else {
      char b[8];
      std::snprintf(b, sizeof b, "\\x%02X", c);
      s += b;
    }
  }
  return s;
}

// The field syntax: spaces, sign, digits, separator and digits (not both empty), exponent,
// spaces. Long texts are left to the other checks: std::regex recurses per character.
bool syntaxAccepts(std::string_view text, char sep) {
  static const std::regex comma(" *[+-]?([0-9]+(,[0-9]*)?|,[0-9]*)([eE][+-]?[0-9]+)? *");
  static const std::regex point(" *[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]*)([eE][+-]?[0-9]+)? *");
  return std::regex_match(text.begin(), text.end(), sep == ',' ? comma : point);
}

// The text as the C library reads it: spaces dropped, our separator turned into its point, a
// mantissa without digits (",", "-,e5") made an explicit zero.
std::string forCLibrary(std::string_view text, char sep) {
  std::string s;
  for (char c : text) {
    if (c == ' ') continue;
    s += c == sep ? '.' : c;
  }
  size_t m = 0;
  if (m < s.size() && (s[m] == '+' || s[m] == '-')) ++m;
  if (s.compare(m, 1, ".") == 0 && (m + 1 == s.size() || !std::isdigit(s[m + 1]))) s.insert(m, "0");
  return s;
}

void checkFloat(std::string_view text, char sep) {
  const std::string separator(1, sep);
  const bool shortText = text.size() <= 256;
  double value;
  try {
    value = StrToFloat(text, separator);
  } catch (const FloatFaultError& e) {
    FUZZ_CHECK(e.what() == kOverflow, show(text) + " gave " + e.what());
    const std::string c = forCLibrary(text, sep);
    const double ref = std::strtod(c.c_str(), nullptr);
    FUZZ_CHECK(std::isinf(ref), show(text) + " overflowed, the C library reads " + c);
    return;
  } catch (const CalcError& e) {
    FUZZ_CHECK(e.what() == notAFloatMessage(text), "message for " + show(text) + ": " + e.what());
    FUZZ_CHECK(!shortText || !syntaxAccepts(text, sep), show(text) + " is a number but rejected");
    return;
  }
  FUZZ_CHECK(!shortText || syntaxAccepts(text, sep), show(text) + " is no number but accepted");
  FUZZ_CHECK(std::isfinite(value), show(text) + " gave a non-finite value");
  const std::string c = forCLibrary(text, sep);
  char* end = nullptr;
  const double ref = std::strtod(c.c_str(), &end);
  FUZZ_CHECK(*end == '\0', show(text) + ": the C library stops inside " + c);
  FUZZ_CHECK(
      std::memcmp(&ref, &value, sizeof value) == 0,
      show(text) + " gave " + std::to_string(value) + ", the C library " + std::to_string(ref));
}

void checkSingle(std::string_view text, char sep) {
  const std::string separator(1, sep);
  float value;
  try {
    value = StrToSingle(text, separator);
  } catch (const FloatFaultError& e) {
    FUZZ_CHECK(e.what() == kOverflow, show(text) + " gave " + e.what());
    const std::string c = forCLibrary(text, sep);
    FUZZ_CHECK(std::isinf(std::strtof(c.c_str(), nullptr)), show(text) + " overflowed a float");
    return;
  } catch (const CalcError& e) {
    FUZZ_CHECK(e.what() == notAFloatMessage(text), "message for " + show(text) + ": " + e.what());
    FUZZ_CHECK(text.size() > 256 || !syntaxAccepts(text, sep), show(text) + " rejected");
    return;
  }
  FUZZ_CHECK(std::isfinite(value), show(text));
  const std::string c = forCLibrary(text, sep);
  const float ref = std::strtof(c.c_str(), nullptr);
  FUZZ_CHECK(
      std::memcmp(&ref, &value, sizeof value) == 0,
      show(text) + " gave " + std::to_string(value) + ", the C library " + std::to_string(ref));
}

void checkInt(std::string_view text) {
  static const std::regex syntax(" *[+-]?[0-9]+");
  const bool wellFormed = text.size() <= 256 && std::regex_match(text.begin(), text.end(), syntax);
  long long ref = 0;
  bool inRange = false;
  if (wellFormed) {
    errno = 0;
    const std::string s(text);
    ref = std::strtoll(s.c_str(), nullptr, 10);
    inRange = errno == 0 && ref >= std::numeric_limits<int>::min() &&
              ref <= std::numeric_limits<int>::max();
  }
  try {
    const int value = StrToInt(text);
    FUZZ_CHECK(text.size() > 256 || (inRange && value == ref), show(text) + " accepted");
  } catch (const CalcError& e) {
    std::string quoted;
    for (char c : text) quoted += c == '\0' ? std::string("\xEF\xBF\xBD") : std::string(1, c);
    FUZZ_CHECK(e.what() == "'" + quoted + "' is not a valid integer value.",
               "message for " + show(text) + ": " + e.what());
    FUZZ_CHECK(!inRange, show(text) + " is an integer but rejected");
  }
}

// FloatToStr by its rules, from printf's exact expansion: 15 digits, a half or more in the
// 16th rounds away from zero, trailing zeros dropped, fixed notation for decimal exponents -3..15.
std::string referenceFloatToStr(double v, char sep) {
  if (v == 0) return "0";
  char buf[1100];
  std::snprintf(buf, sizeof buf, "%.800e", std::fabs(v));
  std::string digits(1, buf[0]);
  digits.append(buf + 2, 15);  // 16 digits
  int e = std::atoi(std::strchr(buf, 'e') + 1) + 1;
  const bool up = digits[15] >= '5';
  digits.resize(15);
  if (up) {
    int k = 14;
    while (k >= 0 && digits[k] == '9') digits[k--] = '0';
    if (k >= 0) {
      ++digits[k];
    } else {
      digits.insert(digits.begin(), '1');
      digits.pop_back();
      ++e;
    }
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string out = v < 0 ? "-" : "";
  if (e >= -3 && e <= 15) {
    if (e <= 0) {
      out += "0";
      out += sep;
      out += std::string(-e, '0') + digits;
    } else if (static_cast<int>(digits.size()) <= e) {
      out += digits + std::string(e - digits.size(), '0');
    } else {
      out += digits.substr(0, e);
      out += sep;
      out += digits.substr(e);
    }
  } else {
    out += digits[0];
    if (digits.size() > 1) {
      out += sep;
      out += digits.substr(1);
    }
    out += "E" + std::to_string(e - 1);
  }
  return out;
}

void checkFloatToStr(double v, char sep) {
  if (!std::isfinite(v)) return;  // never handed to FloatToStr: store() and fdiv() fault first
  const std::string separator(1, sep);
  const std::string text = FloatToStr(v, separator);
  char bits[40];
  std::snprintf(bits, sizeof bits, "%a", v);
  FUZZ_CHECK(text == referenceFloatToStr(v, sep),
             std::string(bits) + " written " + text + ", expected " + referenceFloatToStr(v, sep));
  FUZZ_CHECK(!check::hasNonFiniteWord(text), text);
  double back;
  try {
    back = StrToFloat(text, separator);
  } catch (const CalcError& e) {
    // Rounded to 15 digits, the largest doubles are written above the largest double.
    FUZZ_CHECK(std::fabs(v) > 1.797693134862315e308, text + " does not read back: " + e.what());
    return;
  }
  FUZZ_CHECK(std::fabs(back - v) <= 1e-14 * std::fabs(v) + 5e-324, text + " reads back far off");
  FUZZ_CHECK(FloatToStr(back, separator) == text, text + " is not written the same read back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const char sep = (data[0] & 1) ? '.' : ',';
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  switch ((data[0] >> 1) & 3) {
    case 0:
      checkFloat(text, sep);
      try {
        checkFloatToStr(StrToFloat(text, std::string(1, sep)), sep);
      } catch (const CalcError&) {
      }
      break;
    case 1:
      checkSingle(text, sep);
      break;
    case 2:
      checkInt(text);
      break;
    case 3: {
      double v;
      unsigned char raw[sizeof v] = {};
      std::memcpy(raw, text.data(), std::min(text.size(), sizeof raw));
      std::memcpy(&v, raw, sizeof v);
      checkFloatToStr(v, sep);
      break;
    }
  }
  return 0;
}
