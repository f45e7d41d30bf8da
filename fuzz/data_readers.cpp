#include "data_readers.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "calc/thermal_form.h"
#include "data/climate_table.h"
#include "data/material_catalogue.h"
#include "data/tokens.h"
#include "data/wind_table.h"
#include "frame/calc_error.h"
#include "frame/text_encoding.h"
#include "fuzz_check.h"
#include "support/report_check.h"

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

size_t countTokens(std::string_view bytes) {
  size_t tokens = 0;
  TokenScanner scanner(bytes);
  for (std::string_view token; scanner.next(token);) ++tokens;
  return tokens;
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
  FUZZ_CHECK(t.names.size() * 3 <= countTokens(bytes), "more regions than records");
}

// "Расчет" in the thermal window gives a sound report or a message. The report copies list
// items and layer fields as they stand, and those come from the file: a number or an "inf" in
// the report is only a fault when no copied text holds it.
void checkThermalPress(const ThermalForm& form) {
  std::vector<std::string> copied;
  for (const auto& c : form.state().controls()) {
    if (c.kind == ControlKind::Edit) copied.push_back(c.text);
    if (c.kind == ControlKind::ComboBox) copied.push_back(form.state().selectedItem(c.name));
  }
  auto copiedHolds = [&](const std::string& line, std::string_view part) {
    for (const auto& text : copied)
      if (!text.empty() && text.find(part) != std::string::npos &&
          line.find(text) != std::string::npos)
        return true;
    return false;
  };
  ReportLines lines;
  try {
    lines = form.calculate();
  } catch (const CalcError& e) {
    const std::string message = e.what();
    FUZZ_CHECK(message.ends_with('.'), message);
    return;
  }
  FUZZ_CHECK(lines.size() >= 23, "a report of " + std::to_string(lines.size()) + " lines");
  for (const auto& line : lines) {
    FUZZ_CHECK(!line.empty(), "an empty report line");
    FUZZ_CHECK(line.find('\n') == std::string::npos, "a line break inside a report line");
    FUZZ_CHECK(isValidUtf8(line), "a report line that is not UTF-8");
    if (check::hasNonFiniteWord(line)) {
      bool typed = false;
      for (const auto& text : copied) typed = typed || check::hasNonFiniteWord(text);
      FUZZ_CHECK(typed, line);
    }
    for (const auto& number : check::misformattedNumbers(line, form.separator()))
      FUZZ_CHECK(copiedHolds(line, number), "'" + number + "' in: " + line);
  }
}

// Picks an item as the user does.
void pick(ThermalForm& form, const std::string& list, int index) {
  form.state().at(list).index = index;
  form.changed(list);
}

bool isIntegerError(const std::string& text) {
  return text.starts_with('\'') && text.ends_with("' is not a valid integer value.");
}

bool isZoneError(const std::string& text) {
  return text.starts_with("Неверная зона эксплуатации '") &&
         text.ends_with("' в файле klimat.txt: допустимы 0 и 1.");
}

// Two materials with sound conductivities, one of each zone's.
MaterialCatalogue smallCatalogue() {
  return parseMaterialCatalogue("Бетон\n1,92 2,04 2500\nМинвата плита\n0,045 0,05 150\n");
}

void readClimate(std::string_view bytes, std::string_view separator) {
  Messages messages;
  const ClimateTable t = parseClimateTable(bytes, separator, messages);
  FUZZ_CHECK(t.names.size() <= ClimateTable::kCapacity, std::to_string(t.names.size()));
  FUZZ_CHECK(messages.size() <= 1, "more than one message");
  const size_t records = countTokens(bytes) / 5;
  if (messages.empty()) {
    FUZZ_CHECK(t.complete, "no message, yet the reading is incomplete");
    FUZZ_CHECK(t.entries.size() == t.names.size(), "a city without its values");
    // Only the capacity or the end of the file stops a sound reading.
    FUZZ_CHECK(t.names.size() == std::min(records, ClimateTable::kCapacity),
               std::to_string(t.names.size()) + " of " + std::to_string(records) + " records");
    FUZZ_CHECK(t.selected == (t.names.empty() ? -1 : 0), "selected " + std::to_string(t.selected));
  } else {
    // Reading stopped at a value: its name is listed, nothing is selected.
    const std::string& text = messages[0].text;
    FUZZ_CHECK(messages[0].kind == MessageKind::Error, text);
    FUZZ_CHECK(isConversionError(text) || isIntegerError(text) || isZoneError(text), text);
    FUZZ_CHECK(!t.complete, "a failed reading counts as complete");
    FUZZ_CHECK(t.entries.size() + 1 == t.names.size(), "the failed record is not listed");
    FUZZ_CHECK(t.names.size() <= records, "more cities than records");
    FUZZ_CHECK(t.selected == -1, "a city selected after a failed reading");
  }
  for (const auto& name : t.names) checkName(name);
  for (const auto& e : t.entries) {
    FUZZ_CHECK(e.zone == 0 || e.zone == 1, "zone " + std::to_string(e.zone));
    FUZZ_CHECK(std::isfinite(e.coldestFiveDay) && std::isfinite(e.heatingDays) &&
                   std::isfinite(e.heatingMean),
               "a non-finite climate value");
  }

  // The window on this file: the first and the last city, with a catalogue material in a row
  // so that the city's zone picks its conductivity.
  ThermalForm form{std::string(separator)};
  form.createWithData(t, smallCatalogue());
  const int cities = static_cast<int>(t.names.size());
  FUZZ_CHECK(form.state().at("RegionCombo").items == t.names, "the city list is not the file's");
  checkThermalPress(form);
  if (cities == 0) return;
  if (t.complete) pick(form, "MatCombo1", 3);
  pick(form, "RegionCombo", 0);
  checkThermalPress(form);
  pick(form, "RegionCombo", cities - 1);
  checkThermalPress(form);
}

// Two cities, zone А and zone Б, so that both conductivities of a material are used.
ClimateTable twoCities() {
  Messages messages;
  ClimateTable t = parseClimateTable("Юг 0 -20 150 1,5\nСевер 1 -40 300 -10\n", ",", messages);
  FUZZ_CHECK(messages.empty() && t.complete, "the cities of the materials fuzzer");
  return t;
}

void readMaterials(std::string_view bytes, std::string_view separator) {
  const MaterialCatalogue c = parseMaterialCatalogue(bytes);
  FUZZ_CHECK(c.materials.size() <= MaterialCatalogue::kCapacity,
             std::to_string(c.materials.size()));
  FUZZ_CHECK(c.items.size() == c.materials.size(), "an item without its material");
  for (const auto& line : c.lines) {
    FUZZ_CHECK(isValidUtf8(line), "a line that is not UTF-8");
    FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos, "a line break inside a line");
  }
  // Each material comes from a pair of lines (name, data line), in file order: its item is the
  // name line and " (density)", its three texts the data line's first three tokens.
  size_t r = 0;
  size_t complete = 0;  // pairs whose data line holds three tokens
  for (size_t k = 0; r + 1 < c.lines.size(); r += 2) {
    const std::string_view data = c.lines[r + 1];
    std::string_view tokens[3];
    int found = 0;
    for (size_t i = 0; found < 3 && i < data.size();) {
      if (isDataSpace(data[i])) {
        ++i;
        continue;
      }
      size_t end = i;
      while (end < data.size() && !isDataSpace(data[end])) ++end;
      tokens[found++] = data.substr(i, end - i);
      i = end;
    }
    if (found < 3) continue;
    ++complete;
    if (k == c.materials.size()) continue;
    const Material& m = c.materials[k];
    FUZZ_CHECK(
        m.conductivityA == tokens[0] && m.conductivityB == tokens[1] && m.density == tokens[2],
        "material " + std::to_string(k) + " is not read from lines " + std::to_string(r));
    FUZZ_CHECK(c.items[k] == c.lines[r] + " (" + m.density + ")", c.items[k]);
    ++k;
  }
  FUZZ_CHECK(c.materials.size() == std::min(complete, MaterialCatalogue::kCapacity),
             std::to_string(c.materials.size()) + " materials of " + std::to_string(complete));

  // The window on this catalogue: every list holds the two fixed items and then the catalogue,
  // "нет" selected; a row with a material takes its conductivity for the city's zone.
  ThermalForm form{std::string(separator)};
  form.createWithData(twoCities(), c);
  for (int row = 1; row <= 5; ++row) {
    const ControlState& list = form.state().at("MatCombo" + std::to_string(row));
    FUZZ_CHECK(list.items.size() == MaterialCatalogue::kFixedItems + c.items.size() &&
                   std::equal(c.items.begin(), c.items.end(),
                              list.items.begin() + MaterialCatalogue::kFixedItems),
               "the material list is not the catalogue");
    FUZZ_CHECK(list.index == 0, "a material list without \"нет\" selected");
  }
  FUZZ_CHECK(form.state().at("Memo2").items == c.lines, "the window keeps other lines");
  if (c.materials.empty()) return;
  const int last = static_cast<int>(c.materials.size() + MaterialCatalogue::kFixedItems) - 1;
  pick(form, "MatCombo1", MaterialCatalogue::kFixedItems);
  pick(form, "MatCombo3", last);
  FUZZ_CHECK(form.state().text("lamEdit3") == c.materials.back().conductivityA, "zone А text");
  FUZZ_CHECK(form.state().text("NameEdit3") == c.materials.back().density, "density text");
  checkThermalPress(form);
  pick(form, "RegionCombo", 1);
  FUZZ_CHECK(form.state().text("lamEdit3") == c.materials.back().conductivityB, "zone Б text");
  checkThermalPress(form);
}

const DataReader kReaders[] = {
    {"wind", readWind},
    {"klimat", readClimate},
    {"materials", readMaterials},
};

}  // namespace

const DataReader* findDataReader(std::string_view name) {
  for (const auto& r : kReaders)
    if (name == r.name) return &r;
  return nullptr;
}

}  // namespace roofcalc::fuzz
