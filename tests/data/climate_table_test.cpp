#include "data/climate_table.h"

#include <gtest/gtest.h>

#include <string>

namespace roofcalc {
namespace {

ClimateTable parse(const std::string& bytes, Messages* out = nullptr) {
  Messages messages;
  ClimateTable t = parseClimateTable(bytes, ",", messages);
  if (out)
    *out = messages;
  else
    EXPECT_TRUE(messages.empty()) << messages.front().text;
  return t;
}

TEST(ClimateTable, StandardLayoutKeepsSingleValuesAndSelectsTheFirstCity) {
  const ClimateTable t = parse("Город  0 -25,3 205 -2,2\r\nСевер  1 -40 300,5 -10\r\n");
  EXPECT_EQ(t.names, (std::vector<std::string>{"Город", "Север"}));
  ASSERT_EQ(t.entries.size(), 2u);
  EXPECT_EQ(t.entries[0].zone, 0);
  EXPECT_EQ(t.entries[0].coldestFiveDay, -25.3f);
  EXPECT_EQ(t.entries[0].heatingDays, 205.0f);
  // Widened from single precision, not the decimal -2.2.
  EXPECT_EQ(static_cast<double>(t.entries[0].heatingMean), -2.2000000476837158);
  EXPECT_EQ(t.entries[1].zone, 1);
  EXPECT_EQ(t.entries[1].heatingDays, 300.5f);
  EXPECT_EQ(t.selected, 0);
  EXPECT_TRUE(t.complete);
}

TEST(ClimateTable, AnyLineLayoutReadsTheSame) {
  const ClimateTable standard = parse("A  0 -1 100 2,5\nB  1 -3 200 -4\n");
  for (const char* layout :
       {"A 0 -1 100 2,5 B 1 -3 200 -4", "A\n0\n-1\n100\n2,5\nB\n1\n-3\n200\n-4",
        "A 0\n-1 100\n2,5 B 1 -3\n200 -4", "A  0 -1 100 2,5\nB  1 -3 200 -4\n\n\r\n  \n",
        "\xEF\xBB\xBF\t A 0 -1\r100 2,5\r\nB 1 -3 200 -4\t"}) {
    const ClimateTable t = parse(layout);
    EXPECT_EQ(t.names, standard.names) << layout;
    ASSERT_EQ(t.entries.size(), 2u) << layout;
    EXPECT_EQ(t.entries[1].heatingMean, -4.0f) << layout;
    EXPECT_EQ(t.selected, 0) << layout;
  }
}

TEST(ClimateTable, OneCityIsSelected) {
  const ClimateTable t = parse("Единственный 0 -20 200 -3\n");
  EXPECT_EQ(t.names.size(), 1u);
  EXPECT_EQ(t.selected, 0);
}

TEST(ClimateTable, EmptyFileIsCompleteWithoutCities) {
  for (const char* bytes : {"", "\r\n \t\n", "\xEF\xBB\xBF"}) {
    const ClimateTable t = parse(bytes);
    EXPECT_TRUE(t.names.empty());
    EXPECT_EQ(t.selected, -1);
    EXPECT_TRUE(t.complete);
  }
}

TEST(ClimateTable, BadRecordStopsWithItsNameKeptAndNothingSelected) {
  struct Case {
    const char* second;
    const char* message;
  };
  for (const Case& c : {
           Case{"B x -3 200 -4", "'x' is not a valid integer value."},
           Case{"B 0,5 -3 200 -4", "'0,5' is not a valid integer value."},
           Case{"B 2 -3 200 -4",
                "Неверная зона эксплуатации '2' в файле klimat.txt: допустимы 0 и 1."},
           Case{"B -1 -3 200 -4",
                "Неверная зона эксплуатации '-1' в файле klimat.txt: допустимы 0 и 1."},
           // The zone is read before the values, so its fault is the one reported.
           Case{"B 7 bad 200 -4",
                "Неверная зона эксплуатации '7' в файле klimat.txt: допустимы 0 и 1."},
           Case{"B 1 -3.5 200 -4", "'-3.5' is not a valid floating point value."},
           Case{"B 1 -3 2OO -4", "'2OO' is not a valid floating point value."},
           Case{"B 1 -3 200 -4,,", "'-4,,' is not a valid floating point value."},
       }) {
    Messages messages;
    const ClimateTable t =
        parse(std::string("A 0 -1 100 2,5\n") + c.second + "\nC 0 -1 1 1\n", &messages);
    EXPECT_EQ(t.names, (std::vector<std::string>{"A", "B"})) << c.second;
    EXPECT_EQ(t.entries.size(), 1u) << c.second;
    EXPECT_FALSE(t.hasEntry(1)) << c.second;
    EXPECT_EQ(t.selected, -1) << c.second;
    EXPECT_FALSE(t.complete) << c.second;
    ASSERT_EQ(messages.size(), 1u) << c.second;
    EXPECT_EQ(messages[0].kind, MessageKind::Error);
    EXPECT_EQ(messages[0].text, c.message);
  }
}

TEST(ClimateTable, IncompleteLastRecordIsDropped) {
  for (const char* bytes : {"A 0 -1 100 2,5\nB", "A 0 -1 100 2,5\nB 1 -3 200\r\n"}) {
    const ClimateTable t = parse(bytes);
    EXPECT_EQ(t.names, std::vector<std::string>{"A"}) << bytes;
    EXPECT_EQ(t.entries.size(), 1u) << bytes;
    EXPECT_EQ(t.selected, 0) << bytes;
    EXPECT_TRUE(t.complete) << bytes;
  }
}

TEST(ClimateTable, StopsAtCapacityKeepingWhatWasRead) {
  std::string bytes;
  for (int i = 0; i < 1003; ++i) bytes += "C" + std::to_string(i) + "  1 -20 200 -3\r\n";
  const ClimateTable t = parse(bytes);
  EXPECT_EQ(t.names.size(), 1000u);
  EXPECT_EQ(t.entries.size(), 1000u);
  EXPECT_EQ(t.names.back(), "C999");
  EXPECT_EQ(t.selected, 0);
  EXPECT_TRUE(t.complete);
}

TEST(ClimateTable, LongTokensAreReadWhole) {
  const std::string longName(4000, 'x');
  Messages messages;
  const ClimateTable t =
      parse(longName + " 0 -1 100 2,5\nB 0 " + std::string(300, '1') + "x 1 1\n", &messages);
  EXPECT_EQ(t.names.front(), longName);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text,
            "'" + std::string(300, '1') + "x' is not a valid floating point value.");
}

TEST(ClimateTable, Cp1251AndUtf8NamesBothDecode) {
  // "Тула" in code page 1251 and in UTF-8.
  EXPECT_EQ(parse("\xD2\xF3\xEB\xE0 1 -24 202 -2,6").names.front(), "Тула");
  EXPECT_EQ(parse("Тула 1 -24 202 -2,6").names.front(), "Тула");
}

}  // namespace
}  // namespace roofcalc
