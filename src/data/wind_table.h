#pragma once
// wind.txt: records of three tokens (name, an unused field, the value), read into the region
// list of the fastener window. The value is kept in single precision; the calculation uses
// value x 1000 as the normative wind pressure.

#include <string>
#include <string_view>
#include <vector>

#include "frame/messages.h"

namespace roofcalc {

struct WindRegionTable {
  static constexpr size_t kCapacity = 1000;

  std::vector<std::string> names;  // the region list, in file order
  std::vector<float> values;       // values[i] belongs to names[i]; a failed record has none
  int selected = -1;               // entry 1 after a complete reading, -1 when none

  bool hasValue(int index) const {
    return index >= 0 && static_cast<size_t>(index) < values.size();
  }
};

inline constexpr const char* kWindFileName = "wind.txt";
inline constexpr const char* kWindFileMissing = "Не найден файл региональных параметров";

// Reads the bytes of a wind.txt. A value that does not convert stops the reading: its name
// stays in the list, the conversion error goes to messages and nothing is selected. More than
// 1000 records stop at 1000; an incomplete last record is dropped.
WindRegionTable parseWindTable(std::string_view bytes, std::string_view separator,
                               Messages& messages);

// Looks the file up and reads it; a missing file gives an empty table and the plain message.
WindRegionTable loadWindTable(std::string_view separator, Messages& messages);

}  // namespace roofcalc
