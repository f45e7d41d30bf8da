// Data files as users and accidents leave them: each hostile file has a defined outcome for
// every reader, the window still opens, and "Расчет" then gives a sound report or a clear
// message. A new reader adds a Reader entry (its record format and an outcome for every file).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "calc/fastener_form.h"
#include "cli/calculations.h"
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
  std::string firstItem = {};     // the first entry as shown, when it matters
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
  if (!expected.firstItem.empty() && !list.items.empty()) {
    EXPECT_EQ(list.items.front(), expected.firstItem);
  }
  ASSERT_EQ(messages.size(), expected.messages.size());
  for (size_t i = 0; i < messages.size(); ++i) {
    EXPECT_EQ(messages[i].kind, expected.messages[i].kind) << i;
    EXPECT_EQ(messages[i].text, expected.messages[i].text) << i;
  }

  std::string outcome = kReport;
  try {
    const ReportLines lines = form->calculate();
    EXPECT_EQ(check::reportProblems(lines, ","), std::vector<std::string>{});
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
