#pragma once
// White-space separated tokens of a data file, as formatted input reads them: any run of
// space, tab, line break, vertical tab or form feed separates; line breaks mean nothing.
// Tokens are read whole, however long.

#include <string>
#include <string_view>

namespace roofcalc {

bool isDataSpace(char c);

class TokenScanner {
 public:
  // Skips a UTF-8 byte order mark; decodes tokens as UTF-8 when the whole text is valid UTF-8,
  // as code page 1251 otherwise.
  explicit TokenScanner(std::string_view bytes);

  // The next raw token, or false at the end of the text.
  bool next(std::string_view& token);
  std::string decode(std::string_view token) const;

 private:
  std::string_view rest_;
  bool utf8_;
};

}  // namespace roofcalc
