#pragma once
// klimat.txt: records of five tokens (city, operating zone, coldest five-day temperature,
// heating period length, heating period mean temperature), read into the city list of the
// thermal window. The three climate values are kept in single precision and widened when used.

#include <string>
#include <string_view>
#include <vector>

#include "frame/messages.h"

namespace roofcalc {

struct ClimateEntry {
  int zone = 0;              // operating conditions: 0 = zone А, 1 = zone Б
  float coldestFiveDay = 0;  // °C, only reported
  float heatingDays = 0;     // days
  float heatingMean = 0;     // °C
};

struct ClimateTable {
  static constexpr size_t kCapacity = 1000;

  std::vector<std::string> names;     // the city list, in file order
  std::vector<ClimateEntry> entries;  // entries[i] belongs to names[i]; a failed record has none
  int selected = -1;                  // the first city after a complete reading, -1 when none
  // The file was found and read without a failure; only then does the window go on to read
  // materials.txt.
  bool complete = false;

  bool hasEntry(int index) const {
    return index >= 0 && static_cast<size_t>(index) < entries.size();
  }
};

inline constexpr const char* kClimateFileName = "klimat.txt";
inline constexpr const char* kClimateFileMissing = "Не найден файл климатических параметров";

// Reads the bytes of a klimat.txt. A value that does not convert, or a zone other than 0 or 1,
// stops the reading: the record's name stays in the list, the error goes to messages and no city
// is selected. More than 1000 records stop at 1000; an incomplete last record is dropped.
ClimateTable parseClimateTable(std::string_view bytes, std::string_view separator,
                               Messages& messages);

// Looks the file up and reads it; a missing file gives an empty table and the plain message.
ClimateTable loadClimateTable(std::string_view separator, Messages& messages);

}  // namespace roofcalc
