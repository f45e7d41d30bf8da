#include "data/tokens.h"

#include "frame/text_encoding.h"

namespace roofcalc {

bool isDataSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

TokenScanner::TokenScanner(std::string_view bytes) : rest_(bytes) {
  if (rest_.starts_with("\xEF\xBB\xBF")) rest_.remove_prefix(3);
  utf8_ = isValidUtf8(rest_);
}

bool TokenScanner::next(std::string_view& token) {
  size_t i = 0;
  while (i < rest_.size() && isDataSpace(rest_[i])) ++i;
  if (i == rest_.size()) {
    rest_ = {};
    return false;
  }
  size_t j = i;
  while (j < rest_.size() && !isDataSpace(rest_[j])) ++j;
  token = rest_.substr(i, j - i);
  rest_.remove_prefix(j);
  return true;
}

std::string TokenScanner::decode(std::string_view token) const {
  return utf8_ ? std::string(token) : cp1251ToUtf8(token);
}

}  // namespace roofcalc
