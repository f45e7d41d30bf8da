#include "data/wind_table.h"

#include "data/data_file.h"
#include "data/tokens.h"
#include "frame/calc_error.h"
#include "frame/numbers.h"

namespace roofcalc {

WindRegionTable parseWindTable(std::string_view bytes, std::string_view separator,
                               Messages& messages) {
  WindRegionTable table;
  TokenScanner scanner(bytes);
  std::string_view name, unused, value;
  while (table.names.size() < WindRegionTable::kCapacity) {
    if (!scanner.next(name) || !scanner.next(unused) || !scanner.next(value)) break;
    table.names.push_back(scanner.decode(name));
    try {
      table.values.push_back(StrToSingle(scanner.decode(value), separator));
    } catch (const CalcError& e) {
      messages.push_back({MessageKind::Error, e.what()});
      return table;
    }
  }
  if (table.names.size() > 1) table.selected = 1;
  return table;
}

WindRegionTable loadWindTable(std::string_view separator, Messages& messages) {
  auto bytes = readDataFile(kWindFileName);
  if (!bytes) {
    messages.push_back({MessageKind::Information, kWindFileMissing});
    return {};
  }
  return parseWindTable(*bytes, separator, messages);
}

}  // namespace roofcalc
