#include "data/climate_table.h"

#include "data/data_file.h"
#include "data/tokens.h"
#include "frame/calc_error.h"
#include "frame/numbers.h"

namespace roofcalc {

namespace {

// The zone picks one of two conductivities and one of two board values; any other number would
// index past them, so it is refused where it is read.
int readZone(const std::string& token) {
  const int zone = StrToInt(token);
  if (zone != 0 && zone != 1)
    throw CalcError("Неверная зона эксплуатации '" + token + "' в файле " + kClimateFileName +
                    ": допустимы 0 и 1.");
  return zone;
}

}  // namespace

ClimateTable parseClimateTable(std::string_view bytes, std::string_view separator,
                               Messages& messages) {
  ClimateTable table;
  TokenScanner scanner(bytes);
  std::string_view name, zone, coldest, days, mean;
  while (table.names.size() < ClimateTable::kCapacity) {
    if (!scanner.next(name) || !scanner.next(zone) || !scanner.next(coldest) ||
        !scanner.next(days) || !scanner.next(mean))
      break;
    table.names.push_back(scanner.decode(name));
    try {
      ClimateEntry e;
      e.zone = readZone(scanner.decode(zone));
      e.coldestFiveDay = StrToSingle(scanner.decode(coldest), separator);
      e.heatingDays = StrToSingle(scanner.decode(days), separator);
      e.heatingMean = StrToSingle(scanner.decode(mean), separator);
      table.entries.push_back(e);
    } catch (const CalcError& e) {
      messages.push_back({MessageKind::Error, e.what()});
      return table;
    }
  }
  table.complete = true;
  if (!table.names.empty()) table.selected = 0;
  return table;
}

ClimateTable loadClimateTable(std::string_view separator, Messages& messages) {
  auto bytes = readDataFile(kClimateFileName);
  if (!bytes) {
    messages.push_back({MessageKind::Information, kClimateFileMissing});
    return {};
  }
  return parseClimateTable(*bytes, separator, messages);
}

}  // namespace roofcalc
