#include "support/report_check.h"

#include <algorithm>
#include <cmath>

#include "frame/calc_error.h"
#include "frame/numbers.h"
#include "frame/text_encoding.h"

namespace roofcalc::check {

namespace {

bool isAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
char lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool numberChar(char c) {
  return isDigit(c) || c == '.' || c == ',' || c == 'E' || c == 'e' || c == '+' || c == '-';
}

}  // namespace

bool hasNonFiniteWord(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    if (!isAsciiLetter(text[i])) {
      ++i;
      continue;
    }
    std::string word;
    while (i < text.size() && isAsciiLetter(text[i])) word += lower(text[i++]);
    if (word == "inf" || word == "nan" || word == "infinity") return true;
  }
  return false;
}

std::vector<std::string> misformattedNumbers(std::string_view line, std::string_view sep) {
  std::vector<std::string> bad;
  size_t i = 0;
  while (i < line.size()) {
    const bool starts =
        isDigit(line[i]) || (line[i] == '-' && i + 1 < line.size() && isDigit(line[i + 1]));
    const char before = i > 0 ? line[i - 1] : ' ';
    if (!starts || isAsciiLetter(before) || numberChar(before) || before == '_') {
      ++i;
      continue;
    }
    size_t j = i + 1;
    while (j < line.size() && numberChar(line[j])) ++j;
    const bool glued = j < line.size() && (isAsciiLetter(line[j]) || line[j] == '_');
    std::string_view run = line.substr(i, j - i);
    i = j;
    // Punctuation after a number ("... 5.", "(1, 2)") is not part of it.
    while (!run.empty() && (run.back() == '.' || run.back() == ',' || run.back() == '-' ||
                            run.back() == '+' || run.back() == 'E' || run.back() == 'e'))
      run.remove_suffix(1);
    if (glued || run.empty()) continue;
    double value;
    try {
      value = StrToFloat(run, sep);
    } catch (const CalcError&) {
      continue;  // a designation such as "23-02-2003", not a value
    }
    if (!std::isfinite(value) || FloatToStr(value, sep) != run) bad.emplace_back(run);
  }
  return bad;
}

std::vector<std::string> reportProblems(const std::vector<std::string>& lines,
                                        std::string_view sep,
                                        const std::vector<std::string>& copiedTexts) {
  std::vector<std::string> problems;
  if (lines.empty()) problems.push_back("the report has no lines");
  for (size_t n = 0; n < lines.size(); ++n) {
    const std::string& line = lines[n];
    const std::string where =
        "line " + std::to_string(n + 1) + " \"" + line.substr(0, 200) + "\": ";
    if (line.empty()) problems.push_back(where + "empty (a blank line is a space)");
    if (line.find('\n') != std::string::npos) problems.push_back(where + "holds a line break");
    if (!isValidUtf8(line)) problems.push_back(where + "not UTF-8");
    if (hasNonFiniteWord(line)) problems.push_back(where + "an infinity or NaN");
    for (const auto& number : misformattedNumbers(line, sep))
      if (std::find(copiedTexts.begin(), copiedTexts.end(), number) == copiedTexts.end())
        problems.push_back(where + "'" + number + "' is not written as FloatToStr writes it");
  }
  return problems;
}

}  // namespace roofcalc::check
