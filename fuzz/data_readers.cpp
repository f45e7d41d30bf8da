#include "data_readers.h"

#include <cmath>
#include <string>

#include "data/tokens.h"
#include "data/wind_table.h"
#include "frame/text_encoding.h"
#include "fuzz_check.h"

namespace roofcalc::fuzz {

namespace {

const std::string kNotAFloat = "' is not a valid floating point value.";

bool isConversionError(const std::string& text) {
  return text == "Floating point overflow." ||
         (text.starts_with('\'') && text.ends_with(kNotAFloat));
}

// A name as the region list shows it: one whole token, decoded to UTF-8.
void checkName(const std::string& name) {
  FUZZ_CHECK(!name.empty(), "an empty name");
  FUZZ_CHECK(isValidUtf8(name), "a name that is not UTF-8");
  for (char c : name) FUZZ_CHECK(!isDataSpace(c), "white space inside a name");
}

void readWind(std::string_view bytes, std::string_view separator) {
  Messages messages;
  const WindRegionTable t = parseWindTable(bytes, separator, messages);
  FUZZ_CHECK(t.names.size() <= WindRegionTable::kCapacity, std::to_string(t.names.size()));
  FUZZ_CHECK(messages.size() <= 1, "more than one message");
  if (messages.empty()) {
    FUZZ_CHECK(t.values.size() == t.names.size(), "a region without its value");
    FUZZ_CHECK(t.selected == (t.names.size() > 1 ? 1 : -1),
               "selected " + std::to_string(t.selected));
  } else {
    // Reading stopped at a value: its name is listed, nothing is selected.
    FUZZ_CHECK(messages[0].kind == MessageKind::Error, messages[0].text);
    FUZZ_CHECK(isConversionError(messages[0].text), messages[0].text);
    FUZZ_CHECK(t.values.size() + 1 == t.names.size(), "the failed record is not listed");
    FUZZ_CHECK(t.selected == -1, "a region selected after a failed reading");
  }
  for (const auto& name : t.names) checkName(name);
  for (float v : t.values) FUZZ_CHECK(std::isfinite(v), "a non-finite wind value");
  // Three tokens a record: at most a third of the tokens are names.
  size_t tokens = 0;
  TokenScanner scanner(bytes);
  for (std::string_view token; scanner.next(token);) ++tokens;
  FUZZ_CHECK(t.names.size() * 3 <= tokens, "more regions than records");
}

const DataReader kReaders[] = {
    {"wind", readWind},
};

}  // namespace

const DataReader* findDataReader(std::string_view name) {
  for (const auto& r : kReaders)
    if (name == r.name) return &r;
  return nullptr;
}

}  // namespace roofcalc::fuzz
