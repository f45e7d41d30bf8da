#include "data/wind_table.h"

#include <gtest/gtest.h>

#include <string>

namespace roofcalc {
namespace {

WindRegionTable parse(const std::string& bytes, Messages* out = nullptr) {
  Messages messages;
  WindRegionTable t = parseWindTable(bytes, ",", messages);
  if (out)
    *out = messages;
  else
    EXPECT_TRUE(messages.empty()) << messages.front().text;
  return t;
}

TEST(WindTable, StandardLayoutSelectsTheSecondRegion) {
  const WindRegionTable t = parse("Ia  0,17 0,017\r\nI  0,23 0,023\r\nIII  0,38 0,038\r\n");
  EXPECT_EQ(t.names, (std::vector<std::string>{"Ia", "I", "III"}));
  EXPECT_EQ(t.values, (std::vector<float>{0.017f, 0.023f, 0.038f}));
  EXPECT_EQ(t.selected, 1);
}

TEST(WindTable, AnyLineLayoutReadsTheSame) {
  const WindRegionTable standard = parse("A  1 0,5\nB  2 0,25\n");
  for (const char* layout : {"A\n1\n0,5\nB\n2\n0,25", "A 1 0,5 B 2 0,25", "A  1 0,5\nB  2 0,25",
                             "A 1 0,5\nB 2 0,25\n\n\n  \n", "\n\t A 1\n0,5 B\r\n2 0,25  \t"}) {
    const WindRegionTable t = parse(layout);
    EXPECT_EQ(t.names, standard.names) << layout;
    EXPECT_EQ(t.values, standard.values) << layout;
    EXPECT_EQ(t.selected, 1) << layout;
  }
}

TEST(WindTable, OneRecordIsReadButNothingSelected) {
  const WindRegionTable t = parse("Only  0,1 0,01\n");
  EXPECT_EQ(t.names.size(), 1u);
  EXPECT_EQ(t.selected, -1);
}

TEST(WindTable, EmptyOrBlankFileGivesNoRegions) {
  for (const char* bytes : {"", " \r\n\t\n", "\xEF\xBB\xBF"}) {
    const WindRegionTable t = parse(bytes);
    EXPECT_TRUE(t.names.empty());
    EXPECT_EQ(t.selected, -1);
  }
}

TEST(WindTable, BadValueStopsWithItsNameKeptAndNothingSelected) {
  Messages messages;
  const WindRegionTable t = parse("A 1 0,5\nB 2 0.25\nC 3 0,1\n", &messages);
  EXPECT_EQ(t.names, (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(t.values.size(), 1u);
  EXPECT_FALSE(t.hasValue(1));
  EXPECT_EQ(t.selected, -1);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].kind, MessageKind::Error);
  EXPECT_EQ(messages[0].text, "'0.25' is not a valid floating point value.");
}

TEST(WindTable, IncompleteLastRecordIsDropped) {
  for (const char* bytes : {"A 1 0,5\nB 2 0,25\nC", "A 1 0,5\nB 2 0,25\nC 3\n"}) {
    const WindRegionTable t = parse(bytes);
    EXPECT_EQ(t.names.size(), 2u) << bytes;
    EXPECT_EQ(t.values.size(), 2u) << bytes;
  }
}

TEST(WindTable, StopsAtCapacityKeepingWhatWasRead) {
  std::string bytes;
  for (int i = 0; i < 1005; ++i)
    bytes += "R" + std::to_string(i) + "  1 0,0" + std::to_string(i % 10) + "\n";
  const WindRegionTable t = parse(bytes);
  EXPECT_EQ(t.names.size(), 1000u);
  EXPECT_EQ(t.values.size(), 1000u);
  EXPECT_EQ(t.names.back(), "R999");
  EXPECT_EQ(t.selected, 1);
}

TEST(WindTable, LongTokensAreReadWhole) {
  const std::string longName(5000, 'x');
  const WindRegionTable t = parse(longName + " 1 0,5\nB 1 0,5\n");
  EXPECT_EQ(t.names.front(), longName);
}

TEST(WindTable, Cp1251AndUtf8NamesBothDecode) {
  EXPECT_EQ(parse("III_\xF0\xE0\xE9\xEE\xED 1 0,038\nB 1 0,1").names.front(), "III_район");
  EXPECT_EQ(parse("III_район 1 0,038\nB 1 0,1").names.front(), "III_район");
}

}  // namespace
}  // namespace roofcalc
