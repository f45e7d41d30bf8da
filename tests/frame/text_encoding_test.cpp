#include "frame/text_encoding.h"

#include <gtest/gtest.h>

namespace roofcalc {
namespace {

TEST(TextEncoding, Cp1251RoundTripsRussianText) {
  const std::string utf8 = "Москва ёЁ №°";
  const std::string cp = utf8ToCp1251(utf8);
  EXPECT_EQ(cp, "\xCC\xEE\xF1\xEA\xE2\xE0 \xB8\xA8 \xB9\xB0");
  EXPECT_EQ(cp1251ToUtf8(cp), utf8);
}

TEST(TextEncoding, DataTextIsUtf8WhenValidElseCp1251) {
  EXPECT_EQ(decodeDataText("Омск"), "Омск");
  EXPECT_EQ(decodeDataText("\xCE\xEC\xF1\xEA"), "Омск");
  EXPECT_FALSE(isValidUtf8("\xC0\x80"));      // overlong
  EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));  // surrogate
  EXPECT_EQ(utf8ToCp1251("漢"), "?");
}

}  // namespace
}  // namespace roofcalc
