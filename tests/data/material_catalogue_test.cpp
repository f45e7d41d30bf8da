#include "data/material_catalogue.h"

#include <gtest/gtest.h>

#include <string>

namespace roofcalc {
namespace {

using Lines = std::vector<std::string>;

TEST(MaterialLines, AnyLineBreakAndNoEmptyLineAfterTheLast) {
  struct Case {
    const char* text;
    Lines lines;
  };
  for (const Case& c : {
           Case{"a b\r\n1 2 3\r\n", {"a b", "1 2 3"}},
           Case{"a b\n1 2 3\n", {"a b", "1 2 3"}},
           Case{"a b\r1 2 3\r", {"a b", "1 2 3"}},
           Case{"a b\r\n1 2 3", {"a b", "1 2 3"}},
           Case{"a\n\r\nb\r\r", {"a", "", "b", ""}},
           Case{"", {}},
           Case{"\r\n", {""}},
       }) {
    EXPECT_EQ(splitLines(c.text), c.lines) << c.text;
  }
}

TEST(MaterialCatalogue, FourLinesGiveTwoMaterialsAsText) {
  const MaterialCatalogue c = parseMaterialCatalogue(
      "Кирпич на растворе\r\n0,70 0,81 1800\r\nДуб\r\n\t0,18  0,23 700 x\r\n");
  EXPECT_EQ(c.lines, (Lines{"Кирпич на растворе", "0,70 0,81 1800", "Дуб", "\t0,18  0,23 700 x"}));
  EXPECT_EQ(c.items, (Lines{"Кирпич на растворе (1800)", "Дуб (700)"}));
  EXPECT_EQ(c.atListIndex(0), nullptr);
  EXPECT_EQ(c.atListIndex(1), nullptr);
  EXPECT_EQ(c.atListIndex(4), nullptr);
  ASSERT_NE(c.atListIndex(2), nullptr);
  EXPECT_EQ(c.atListIndex(2)->conductivityA, "0,70");  // not converted: the zero stays
  EXPECT_EQ(c.atListIndex(2)->conductivityB, "0,81");
  EXPECT_EQ(c.atListIndex(3)->conductivityB, "0,23");
  EXPECT_EQ(c.atListIndex(3)->density, "700");
}

TEST(MaterialCatalogue, IncompletePairsAreSkipped) {
  struct Case {
    const char* text;
    Lines items;
  };
  for (const Case& c : {
           Case{"A\n1 2 3\nB", {"A (3)"}},  // odd final name line
           Case{"A\n1 2 3\nB\n", {"A (3)"}},
           Case{"A\n1 2\nB\n4 5 6\n", {"B (6)"}},  // short data line, first material
           Case{"A\n1 2 3\nB\n\nC\n7 8 9\n", {"A (3)", "C (9)"}},  // empty data line
           Case{"A\n1 2 3\n\n\n", {"A (3)"}},                      // trailing blank lines
       }) {
    const MaterialCatalogue cat = parseMaterialCatalogue(c.text);
    EXPECT_EQ(cat.items, c.items) << c.text;
    EXPECT_EQ(cat.materials.size(), cat.items.size()) << c.text;
  }
  // The skipped pair takes nothing from its neighbour.
  const MaterialCatalogue cat = parseMaterialCatalogue("A\n1 2 3\nB\n4\nC\n7 8 9\n");
  EXPECT_EQ(cat.atListIndex(3)->conductivityA, "7");
}

TEST(MaterialCatalogue, StopsAtCapacityKeepingWhatWasRead) {
  std::string text;
  for (int i = 0; i < 1000; ++i)
    text += "M" + std::to_string(i) + "\r\n0,1 0,2 " + std::to_string(i) + "\r\n";
  const MaterialCatalogue c = parseMaterialCatalogue(text);
  EXPECT_EQ(c.items.size(), 998u);
  EXPECT_EQ(c.items.back(), "M997 (997)");
  EXPECT_EQ(c.lines.size(), 2000u);
  EXPECT_NE(c.atListIndex(999), nullptr);
  EXPECT_EQ(c.atListIndex(1000), nullptr);
}

TEST(MaterialCatalogue, LongTokensAndCp1251) {
  const std::string density(500, '9');
  EXPECT_EQ(parseMaterialCatalogue("A\n1 2 " + density).items.front(), "A (" + density + ")");
  // "Дуб" in code page 1251; a UTF-8 file with a byte order mark.
  EXPECT_EQ(parseMaterialCatalogue("\xC4\xF3\xE1\r\n0,18 0,23 700\r\n").items.front(), "Дуб (700)");
  EXPECT_EQ(parseMaterialCatalogue("\xEF\xBB\xBFДуб\n0,18 0,23 700\n").items.front(), "Дуб (700)");
}

}  // namespace
}  // namespace roofcalc
