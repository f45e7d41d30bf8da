#include "frame/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <system_error>

#include "frame/calc_error.h"
#include "frame/extended.h"

namespace roofcalc {

const char* floatFaultText(FloatFault fault) {
  switch (fault) {
    case FloatFault::DivisionByZero:
      return "Floating point division by zero.";
    case FloatFault::Overflow:
      return "Floating point overflow.";
    case FloatFault::InvalidOperation:
      break;
  }
  return "Invalid floating point operation.";
}

namespace {

// The text of a field or data-file token as a message quotes it. A NUL byte (binary garbage in
// a data file) would end the message wherever it is read as a C string, what() included, and
// the user would see "'0,5" alone; it is shown as the replacement character instead.
void appendQuoted(std::string& m, std::string_view text) {
  m += '\'';
  for (char c : text) {
    if (c == '\0')
      m += "\xEF\xBF\xBD";
    else
      m += c;
  }
  m += '\'';
}

}  // namespace

std::string notAFloatMessage(std::string_view text) {
  std::string m;
  m.reserve(text.size() + 44);
  appendQuoted(m, text);
  m += " is not a valid floating point value.";
  return m;
}

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A number as the text denotes it, normalised for std::from_chars ("-123.45e-6"), plus the
// decimal magnitude that tells an overflow from an underflow when from_chars cannot represent it.
struct ParsedNumber {
  std::string normalized;
  bool negative = false;
  bool allZero = true;
  long long magnitude = 0;  // position of the first significant digit relative to the point
};

bool parseNumber(std::string_view text, std::string_view sep, ParsedNumber& out) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    out.negative = text[i] == '-';
    ++i;
  }
  const size_t intBegin = i;
  while (i < n && isDigit(text[i])) ++i;
  const std::string_view intDigits = text.substr(intBegin, i - intBegin);
  bool separatorSeen = false;
  std::string_view fracDigits;
  if (!sep.empty() && text.substr(i).starts_with(sep)) {
    separatorSeen = true;
    i += sep.size();
    const size_t fracBegin = i;
    while (i < n && isDigit(text[i])) ++i;
    fracDigits = text.substr(fracBegin, i - fracBegin);
  }
  if (intDigits.empty() && !separatorSeen) return false;

  long long exponent = 0;
  if (i < n && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    bool expNegative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
      expNegative = text[i] == '-';
      ++i;
    }
    const size_t expBegin = i;
    while (i < n && isDigit(text[i])) {
      // Saturate: any exponent this large already over- or underflows every format.
      if (exponent < 100'000'000) exponent = exponent * 10 + (text[i] - '0');
      ++i;
    }
    if (i == expBegin) return false;
    if (expNegative) exponent = -exponent;
  }
  while (i < n && text[i] == ' ') ++i;
  if (i != n) return false;

  // Significant digits without leading zeros; the point moves into the exponent.
  std::string digits;
  digits.reserve(intDigits.size() + fracDigits.size());
  digits.append(intDigits);
  digits.append(fracDigits);
  size_t firstNonZero = digits.find_first_not_of('0');
  long long pointShift = -static_cast<long long>(fracDigits.size());
  if (firstNonZero == std::string::npos) {
    out.allZero = true;
    out.normalized = out.negative ? "-0" : "0";
    return true;
  }
  out.allZero = false;
  digits.erase(0, firstNonZero);
  long long e = exponent + pointShift;
  out.magnitude = e + static_cast<long long>(digits.size());
  // Keep the exponent within what from_chars parses without trouble; beyond this the value is
  // out of range anyway and the magnitude decides which way.
  if (e > 1'000'000) e = 1'000'000;
  if (e < -1'000'000 - static_cast<long long>(digits.size()))
    e = -1'000'000 - static_cast<long long>(digits.size());
  out.normalized.clear();
  if (out.negative) out.normalized += '-';
  out.normalized += digits;
  out.normalized += 'e';
  out.normalized += std::to_string(e);
  return true;
}

template <typename T>
T convert(std::string_view text, std::string_view sep) {
  ParsedNumber p;
  if (!parseNumber(text, sep, p)) throw CalcError(notAFloatMessage(text));
  if (p.allZero) return p.negative ? -T(0) : T(0);
  T value{};
  const char* first = p.normalized.data();
  const char* last = first + p.normalized.size();
  auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::scientific);
  if (ec == std::errc::result_out_of_range || (ec == std::errc() && std::isinf(value))) {
    if (p.magnitude > 0) throw FloatFaultError(FloatFault::Overflow);
    return p.negative ? -T(0) : T(0);  // underflow passes silently
  }
  if (ec != std::errc() || ptr != last) throw CalcError(notAFloatMessage(text));
  return value;
}

// 15 significant digits of |value| (value != 0, finite), rounded half away from zero on the
// exact binary value; exp10 is the decimal exponent of the first digit (1.5 -> 0).
void roundTo15(double value, uint64_t& digits15, int& exp10) {
  // 17 correctly rounded digits decide the 15-digit rounding except when digits 16-17 read 50,
  // where the exact expansion (at most 767 significant digits) has to settle it.
  char buf[32];
  auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 16);
  // buf: d.dddddddddddddddde[+-]xx
  uint64_t d17 = static_cast<uint64_t>(buf[0] - '0');
  for (int k = 2; k < 18; ++k) d17 = d17 * 10 + static_cast<uint64_t>(buf[k] - '0');
  int e = 0;
  std::from_chars(buf + 19 + (buf[19] == '+' ? 1 : 0), r.ptr, e);
  uint64_t head = d17 / 100;
  const unsigned tail = static_cast<unsigned>(d17 % 100);
  bool up;
  if (tail != 50) {
    up = tail > 50;
  } else {
    static thread_local char exact[800];
    auto rx = std::to_chars(exact, exact + sizeof exact, value, std::chars_format::scientific, 780);
    (void)rx;
    head = static_cast<uint64_t>(exact[0] - '0');
    for (int k = 2; k < 16; ++k) head = head * 10 + static_cast<uint64_t>(exact[k] - '0');
    up = exact[16] >= '5';
    // exponent is the same: rounding to 17 digits gave ...50, which carries into nothing
  }
  if (up) ++head;
  if (head >= 1'000'000'000'000'000ULL) {
    head /= 10;
    ++e;
  }
  digits15 = head;
  exp10 = e;
}

}  // namespace

double StrToFloat(std::string_view text, std::string_view separator) {
  return convert<double>(text, separator);
}

float StrToSingle(std::string_view text, std::string_view separator) {
  return convert<float>(text, separator);
}

int StrToInt(std::string_view text) {
  auto fail = [&]() -> CalcError {
    std::string m;
    appendQuoted(m, text);
    m += " is not a valid integer value.";
    return CalcError(m);
  };
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const size_t begin = i;
  long long v = 0;
  while (i < text.size() && isDigit(text[i])) {
    v = v * 10 + (text[i] - '0');
    if (v > 2147483648LL) throw fail();
    ++i;
  }
  if (i == begin || i != text.size()) throw fail();
  if (negative) v = -v;
  if (v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min()) throw fail();
  return static_cast<int>(v);
}

std::string FloatToStr(double value, std::string_view separator) {
#ifdef ROOFCALC_ABORT_ON_NONFINITE
  if (!std::isfinite(value)) {
    std::fputs("FloatToStr: a non-finite value reached a report\n", stderr);
    std::abort();
  }
#endif
  if (value == 0 || std::isnan(value)) return "0";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";  // never reached by a report
  uint64_t head;
  int exp10;
  roundTo15(std::fabs(value), head, exp10);
  char digitBuf[16];
  auto r = std::to_chars(digitBuf, digitBuf + sizeof digitBuf, head);
  std::string_view digits(digitBuf, static_cast<size_t>(r.ptr - digitBuf));
  while (digits.size() > 1 && digits.back() == '0') digits.remove_suffix(1);

  std::string out;
  out.reserve(24);
  if (value < 0) out += '-';
  const int e = exp10 + 1;  // digits before the point
  if (e >= -3 && e <= 15) {
    if (e <= 0) {
      out += '0';
      out += separator;
      out.append(static_cast<size_t>(-e), '0');
      out += digits;
    } else {
      const size_t intLen = static_cast<size_t>(e);
      if (digits.size() <= intLen) {
        out += digits;
        out.append(intLen - digits.size(), '0');
      } else {
        out += digits.substr(0, intLen);
        out += separator;
        out += digits.substr(intLen);
      }
    }
  } else {
    out += digits[0];
    if (digits.size() > 1) {
      out += separator;
      out += digits.substr(1);
    }
    out += 'E';
    out += std::to_string(e - 1);
  }
  return out;
}

double RoundUpHundredths(double x) {
  const double scaled = store(static_cast<ext>(x) * 100.0f);
  return store(static_cast<ext>(std::ceil(scaled)) * 0.01);
}

double RoundUpWhole(double x) { return std::ceil(x); }

double RoundUpCentimetres(double x) { return std::ceil(store(static_cast<ext>(x) * 100)); }

}  // namespace roofcalc
