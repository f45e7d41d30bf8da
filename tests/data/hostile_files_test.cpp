// Data files as users and accidents leave them: each hostile file has a defined outcome for
// every reader, the window still opens, and "Расчет" then gives a sound report or a clear
// message. A new reader adds a Reader entry (its record format and an outcome for every file).
// klimat.txt and materials.txt are both read by the thermal window: the other one stays as
// shipped, and the user picks the file's last record before pressing "Расчет", so that the
// calculation meets the hostile record where there is one.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "calc/fastener_form.h"
#include "calc/thermal_form.h"
#include "cli/calculations.h"
#include "data/climate_table.h"
#include "data/material_catalogue.h"
#include "data/wind_table.h"
#include "frame/calc_error.h"
#include "support/data_dir.h"
#include "support/report_check.h"

namespace roofcalc {
namespace {

namespace fs = std::filesystem;

const std::string kReport = "a report";

// What a window makes of its data file.
struct Outcome {
  size_t items;                   // entries of the list that shows the records
  int selected;                   // its selected index
  std::vector<Message> messages;  // shown while the window opens
  std::string calculation;        // kReport (a sound one) or the exact message of "Расчет"
  std::string firstItem = {};     // the first record's entry as shown, when it matters
};

struct Reader {
  std::string name;
  std::string calculation;  // the window that reads the file, by its roofcalc-cli name
  std::string file;
  std::string list;  // the control that lists the records
  // A well-formed record, its line end included; the i-th differs from the others.
  std::function<std::string(int i)> record;
  std::function<std::string(const std::string& name)> withName;
  std::function<std::string(const std::string& value)> withValue;  // its first converted value
  std::string nameOnly;  // a record cut short after its name
  std::map<std::string, Outcome> expected;
  size_t fixedItems = 0;  // list entries before the records ("нет", "Пользовательский")
  // What the user does after the window opened and before "Расчет".
  std::function<void(CalcForm&)> use = [](CalcForm&) {};
};

struct HostileFile {
  std::string name;
  // Leaves the file (or whatever stands in its place) at path.
  std::function<void(const Reader&, const fs::path& path)> make;
};

void writeBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

HostileFile file(std::string name, std::function<std::string(const Reader&)> bytes) {
  return {std::move(name),
          [bytes](const Reader& r, const fs::path& p) { writeBytes(p, bytes(r)); }};
}

std::string records(const Reader& r, int from, int to) {
  std::string s;
  for (int i = from; i < to; ++i) s += r.record(i);
  return s;
}

const std::vector<HostileFile>& hostileFiles() {
  static const std::vector<HostileFile> all{
      file("Empty", [](const Reader&) { return std::string(); }),
      file("OnlyWhiteSpace", [](const Reader&) { return std::string(" \t\r\n\v\f  \r\n\n"); }),
      // A file zeroed out by a crash.
      file("NulBytes", [](const Reader&) { return std::string(4096, '\0'); }),
      file("NulInsideAValue",
           [](const Reader& r) { return r.record(0) + r.withValue(std::string("0,2\0", 4)); }),
      // 0x98 has no character in code page 1251; a lone 0xD0 is no UTF-8.
      file("InvalidCodePageBytes",
           [](const Reader& r) { return r.withName("A\x98\xD0") + records(r, 1, 3); }),
      file("FiftyMegabytes",
           [](const Reader& r) {
             std::string s;
             s.reserve(51u << 20);
             for (int i = 0; s.size() < (50u << 20); ++i) s += r.record(i);
             return s;
           }),
      file("FiveThousandRecords", [](const Reader& r) { return records(r, 0, 5000); }),
      file("MegabyteName",
           [](const Reader& r) { return r.withName(std::string(1 << 20, 'x')) + r.record(1); }),
      // 0,000...05 underflows to zero.
      file("MegabyteValue",
           [](const Reader& r) {
             return r.record(0) + r.withValue("0," + std::string(1 << 20, '0') + "5");
           }),
      file("ValueBeyondSinglePrecision",
           [](const Reader& r) { return r.record(0) + r.withValue("1E39"); }),
      file("NameWithoutValuesAtTheEnd",
           [](const Reader& r) { return records(r, 0, 2) + r.nameOnly; }),
      file("WindowsLineEnds",
           [](const Reader& r) {
             std::string s;
             for (char c : records(r, 0, 3))
               s += c == '\n' ? std::string("\r\n") : std::string(1, c);
             return s;
           }),
      {"Directory", [](const Reader&, const fs::path& p) { fs::create_directory(p); }},
  };
  return all;
}

Message info(const char* text) {
  return {MessageKind::Information, text};
}
Message error(const std::string& text) {
  return {MessageKind::Error, text};
}

// Picks the list's last entry, if it lists a record.
void pickLast(CalcForm& form, const std::string& list, size_t fixedItems) {
  ControlState& c = form.state().at(list);
  if (c.items.size() <= fixedItems) return;
  c.index = static_cast<int>(c.items.size()) - 1;
  form.changed(list);
}

const std::vector<Reader>& readers() {
  static const std::vector<Reader> all{
      {"Wind",
       "fastener",
       kWindFileName,
       "RegionComboBox",
       [](int i) {
         return "R" + std::to_string(i) + "  0,17 0,0" + std::to_string(i % 9 + 1) + "\n";
       },
       [](const std::string& name) { return name + "  0,23 0,023\n"; },
       [](const std::string& value) { return "V  0,23 " + value + "\n"; },
       "Tail\n",
       {
           {"Empty", {0, -1, {}, kNoRegionSelected}},
           {"OnlyWhiteSpace", {0, -1, {}, kNoRegionSelected}},
           {"NulBytes", {0, -1, {}, kNoRegionSelected}},
           {"NulInsideAValue",
            {2,
             -1,
             {error("'0,2\xEF\xBF\xBD' is not a valid floating point value.")},
             kNoRegionSelected}},
           {"InvalidCodePageBytes", {3, 1, {}, kReport, "A\xEF\xBF\xBDР"}},
           {"FiftyMegabytes", {1000, 1, {}, kReport, "R0"}},
           {"FiveThousandRecords", {1000, 1, {}, kReport, "R0"}},
           {"MegabyteName", {2, 1, {}, kReport}},
           {"MegabyteValue", {2, 1, {}, "Floating point division by zero."}},
           {"ValueBeyondSinglePrecision",
            {2, -1, {error("Floating point overflow.")}, kNoRegionSelected}},
           {"NameWithoutValuesAtTheEnd", {2, 1, {}, kReport}},
           {"WindowsLineEnds", {3, 1, {}, kReport, "R0"}},
           {"Directory", {0, -1, {info(kWindFileMissing)}, kNoRegionSelected}},
       }},
      {"Climate",
       "thermal",
       kClimateFileName,
       "RegionCombo",
       [](int i) {
         const std::string k = std::to_string(i % 9);
         return "C" + std::to_string(i) + "  " + std::to_string(i % 2) + " -2" + k + " 2" + k +
                "0 -2,2\n";
       },
       [](const std::string& name) { return name + "  0 -25 205 -2,2\n"; },
       // The heating period length: the degree-days grow with it.
       [](const std::string& value) { return "V  1 -25 " + value + " -2,2\n"; },
       "Tail\n",
       {
           {"Empty", {0, -1, {}, kNoCitySelected}},
           {"OnlyWhiteSpace", {0, -1, {}, kNoCitySelected}},
           {"NulBytes", {0, -1, {}, kNoCitySelected}},
           // The failed record is listed without values: picking it is picking no city.
           {"NulInsideAValue",
            {2,
             -1,
             {error("'0,2\xEF\xBF\xBD' is not a valid floating point value.")},
             kNoCitySelected}},
           {"InvalidCodePageBytes", {3, 0, {}, kReport, "A\xEF\xBF\xBDР"}},
           {"FiftyMegabytes", {1000, 0, {}, kReport, "C0"}},
           {"FiveThousandRecords", {1000, 0, {}, kReport, "C0"}},
           {"MegabyteName", {2, 0, {}, kReport}},
           // A heating period of no days: no degree-days, the bare minimum resistance.
           {"MegabyteValue", {2, 0, {}, kReport}},
           {"ValueBeyondSinglePrecision",
            {2, -1, {error("Floating point overflow.")}, kNoCitySelected}},
           {"NameWithoutValuesAtTheEnd", {2, 0, {}, kReport}},
           {"WindowsLineEnds", {3, 0, {}, kReport, "C0"}},
           {"Directory", {0, -1, {info(kClimateFileMissing)}, kNoCitySelected}},
       },
       0,
       [](CalcForm& form) { pickLast(form, "RegionCombo", 0); }},
      {"Materials",
       "thermal",
       kMaterialsFileName,
       "MatCombo1",
       [](int i) {
         const std::string k = std::to_string(i % 9 + 1);
         return "M" + std::to_string(i) + "\n0," + k + "1 0," + k + "2 " +
                std::to_string(1000 + i) + "\n";
       },
       [](const std::string& name) { return name + "\n0,041 0,042 150\n"; },
       // Both conductivities, whichever zone the city has.
       [](const std::string& value) { return "V\n" + value + " " + value + " 150\n"; },
       "Tail\n",
       {
           {"Empty", {2, 0, {}, kReport}},
           {"OnlyWhiteSpace", {2, 0, {}, kReport}},
           {"NulBytes", {2, 0, {}, kReport}},
           {"NulInsideAValue",
            {4, 0, {}, "'0,2\xEF\xBF\xBD' is not a valid floating point value."}},
           {"InvalidCodePageBytes", {5, 0, {}, kReport, "A\xEF\xBF\xBDР (150)"}},
           {"FiftyMegabytes", {1000, 0, {}, kReport, "M0 (1000)"}},
           {"FiveThousandRecords", {1000, 0, {}, kReport, "M0 (1000)"}},
           {"MegabyteName", {4, 0, {}, kReport}},
           // The conductivity underflows to 0 and the layer's thickness is divided by it.
           {"MegabyteValue", {4, 0, {}, "Floating point division by zero."}},
           // Conductivities are texts, converted as doubles when used.
           {"ValueBeyondSinglePrecision", {4, 0, {}, kReport}},
           {"NameWithoutValuesAtTheEnd", {4, 0, {}, kReport}},
           {"WindowsLineEnds", {5, 0, {}, kReport, "M0 (1000)"}},
           // No catalogue: the rows have no item selected and count with their default fields.
           {"Directory", {2, -1, {info(kMaterialsFileMissing)}, kReport}},
       },
       MaterialCatalogue::kFixedItems,
       [](CalcForm& form) { pickLast(form, "MatCombo1", MaterialCatalogue::kFixedItems); }},
  };
  return all;
}

using Case = std::tuple<size_t, size_t>;  // reader, hostile file

class HostileDataFile : public testing::TestWithParam<Case> {};

TEST_P(HostileDataFile, HasItsDefinedOutcome) {
  const Reader& reader = readers()[std::get<0>(GetParam())];
  const HostileFile& hostile = hostileFiles()[std::get<1>(GetParam())];
  const auto it = reader.expected.find(hostile.name);
  ASSERT_NE(it, reader.expected.end()) << reader.name << " has no outcome for " << hostile.name;
  const Outcome& expected = it->second;

  check::DataDir dir;  // the other shipped files stay, as a window may read several
  fs::remove(dir.path() / reader.file);
  hostile.make(reader, dir.path() / reader.file);

  const auto* calculation = cli::findCalculation(reader.calculation);
  ASSERT_NE(calculation, nullptr);
  auto form = calculation->make(",");
  Messages messages;
  ASSERT_NO_THROW(form->create(messages)) << "the window does not open";

  const ControlState& list = form->state().at(reader.list);
  EXPECT_EQ(list.items.size(), expected.items);
  EXPECT_EQ(list.index, expected.selected);
  if (!expected.firstItem.empty() && list.items.size() > reader.fixedItems) {
    EXPECT_EQ(list.items[reader.fixedItems], expected.firstItem);
  }
  ASSERT_EQ(messages.size(), expected.messages.size());
  for (size_t i = 0; i < messages.size(); ++i) {
    EXPECT_EQ(messages[i].kind, expected.messages[i].kind) << i;
    EXPECT_EQ(messages[i].text, expected.messages[i].text) << i;
  }

  reader.use(*form);
  std::string outcome = kReport;
  try {
    const ReportLines lines = form->calculate();
    // The thermal report shows its layer fields as they stand, the file's texts included.
    std::vector<std::string> shown;
    for (const auto& c : form->state().controls())
      if (c.kind == ControlKind::Edit) shown.push_back(c.text);
    EXPECT_EQ(check::reportProblems(lines, ",", shown), std::vector<std::string>{});
  } catch (const CalcError& e) {
    outcome = e.what();
  }
  EXPECT_EQ(outcome, expected.calculation);
}

INSTANTIATE_TEST_SUITE_P(Readers, HostileDataFile,
                         testing::Combine(testing::Range<size_t>(0, readers().size()),
                                          testing::Range<size_t>(0, hostileFiles().size())),
                         [](const testing::TestParamInfo<Case>& info) {
                           return readers()[std::get<0>(info.param)].name + "_" +
                                  hostileFiles()[std::get<1>(info.param)].name;
                         });

}  // namespace
}  // namespace roofcalc

namespace roofcalc {
namespace {

// Where the look-up may go on (a user's start), a directory of the file's name is passed over
// like a missing file: the copy beside the program (build/share/roofcalc here) is read.
TEST(HostileDataFileLookUp, ADirectoryDoesNotHideTheNextCopy) {
  check::DataDir dir(check::DataDir::kEmpty);
  fs::create_directory(dir.path() / kWindFileName);
  unsetenv("ROOFCALC_CWD_DATA_ONLY");
  FastenerForm form(",");
  Messages messages;
  form.create(messages);
  setenv("ROOFCALC_CWD_DATA_ONLY", "1", 1);
  EXPECT_TRUE(messages.empty());
  EXPECT_FALSE(form.state().at("RegionComboBox").items.empty());
}

}  // namespace
}  // namespace roofcalc
