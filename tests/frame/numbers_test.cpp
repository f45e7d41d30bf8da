#include "frame/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "frame/calc_error.h"

namespace roofcalc {
namespace {

struct ParseCase {
  const char* text;
  double value;
  friend std::ostream& operator<<(std::ostream& os, const ParseCase& c) {
    return os << '"' << c.text << '"';
  }
};

class StrToFloatAccepts : public testing::TestWithParam<ParseCase> {};

TEST_P(StrToFloatAccepts, Value) {
  const ParseCase& c = GetParam();
  const double v = StrToFloat(c.text, ",");
  EXPECT_EQ(v, c.value) << '"' << c.text << '"';
  EXPECT_EQ(std::signbit(v), std::signbit(c.value)) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, StrToFloatAccepts,
    testing::Values(ParseCase{"1,5", 1.5}, ParseCase{",", 0.0}, ParseCase{"5,", 5.0},
                    ParseCase{"  12  ", 12.0}, ParseCase{"1E3", 1000.0}, ParseCase{"1e-3", 0.001},
                    ParseCase{"+2,5", 2.5}, ParseCase{"-,5", -0.5}, ParseCase{"-,", -0.0},
                    ParseCase{"+,", 0.0}, ParseCase{"05", 5.0}, ParseCase{",25E+2", 25.0},
                    ParseCase{"0,1", 0.1}, ParseCase{"1E-400", 0.0},  // underflow passes silently
                    ParseCase{"0E999999999999", 0.0},
                    ParseCase{"1,7976931348623157E308", 1.7976931348623157e308},
                    ParseCase{"000000000000000000000000000000000000000001", 1.0},
                    ParseCase{"4,9406564584124654E-324", 4.9406564584124654e-324}));

class StrToFloatRejects : public testing::TestWithParam<const char*> {};

TEST_P(StrToFloatRejects, WithTheWholeTextInTheMessage) {
  const std::string text = GetParam();
  try {
    StrToFloat(text, ",");
    FAIL() << "accepted '" << text << "'";
  } catch (const FloatFaultError&) {
    FAIL() << "fault instead of conversion error for '" << text << "'";
  } catch (const CalcError& e) {
    EXPECT_EQ(std::string(e.what()), "'" + text + "' is not a valid floating point value.");
  }
}

INSTANTIATE_TEST_SUITE_P(Syntax, StrToFloatRejects,
                         testing::Values("", " ", "  ", "-", "+", "1.5", "1,2,3", "1 000", "12a",
                                         "E5", "1E", "1E+", "--1", "- 1", "\t1", "1,5 x", "0x10",
                                         "inf", "nan", "١"));

// Binary garbage from a data file: the whole message must survive being read as a C string.
TEST(StrToFloat, NulBytesInTheTextDoNotCutTheMessage) {
  const std::string text("0,5\0x", 5);
  try {
    StrToFloat(text, ",");
    FAIL();
  } catch (const CalcError& e) {
    EXPECT_STREQ(e.what(), "'0,5\xEF\xBF\xBDx' is not a valid floating point value.");
  }
  try {
    StrToInt(text);
    FAIL();
  } catch (const CalcError& e) {
    EXPECT_STREQ(e.what(), "'0,5\xEF\xBF\xBDx' is not a valid integer value.");
  }
}

TEST(StrToFloat, SeparatorFollowsTheLocale) {
  EXPECT_EQ(StrToFloat("1.5", "."), 1.5);
  EXPECT_THROW(StrToFloat("1,5", "."), CalcError);
}

TEST(StrToFloat, TooLargeForADoubleIsAnOverflow) {
  for (const char* text : {"1E400", "-1E309", "1,8E308", "1E999999999999999999"}) {
    try {
      StrToFloat(text, ",");
      FAIL() << text;
    } catch (const FloatFaultError& e) {
      EXPECT_EQ(std::string(e.what()), "Floating point overflow.") << text;
    }
  }
}

TEST(StrToFloat, LongDigitStringsConvertExactly) {
  const std::string digits300 = "1" + std::string(299, '0');
  EXPECT_EQ(StrToFloat(digits300, ","), 1e299);
  EXPECT_EQ(StrToFloat("0," + std::string(300, '0') + "1", ","), 1e-301);
}

TEST(StrToSingle, RoundsDirectlyToSinglePrecision) {
  EXPECT_EQ(StrToSingle("0,038", ","), 0.038f);
  EXPECT_EQ(StrToSingle("-2,2", ","), -2.2f);
  EXPECT_EQ(static_cast<double>(StrToSingle("-2,2", ",")), -2.2000000476837158);
  EXPECT_THROW(StrToSingle("1E39", ","), FloatFaultError);
}

TEST(StrToInt, AcceptsPlainIntegersOnly) {
  EXPECT_EQ(StrToInt("0"), 0);
  EXPECT_EQ(StrToInt(" -12"), -12);
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
  for (const char* bad : {"", "1,0", "1 ", "2147483648", "x", "+"}) {
    try {
      StrToInt(bad);
      FAIL() << bad;
    } catch (const CalcError& e) {
      EXPECT_EQ(std::string(e.what()), std::string("'") + bad + "' is not a valid integer value.");
    }
  }
}

struct FormatCase {
  double value;
  const char* text;
  friend std::ostream& operator<<(std::ostream& os, const FormatCase& c) { return os << c.text; }
};

class FloatToStrWrites : public testing::TestWithParam<FormatCase> {};

TEST_P(FloatToStrWrites, Text) {
  EXPECT_EQ(FloatToStr(GetParam().value, ","), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    GeneralForm, FloatToStrWrites,
    testing::Values(FormatCase{0.1 + 0.2, "0,3"}, FormatCase{1.0 / 3.0, "0,333333333333333"},
                    FormatCase{1e15, "1E15"}, FormatCase{0.0001, "0,0001"},
                    FormatCase{0.00001, "1E-5"}, FormatCase{2.5, "2,5"},
                    FormatCase{123456789012345.0, "123456789012345"},
                    FormatCase{1234567890123455.0, "1,23456789012346E15"}, FormatCase{-0.0, "0"},
                    FormatCase{0.0, "0"}, FormatCase{-2.5, "-2,5"}, FormatCase{100.0, "100"},
                    FormatCase{1e20, "1E20"}, FormatCase{1.5e20, "1,5E20"},
                    FormatCase{-1.5e-7, "-1,5E-7"}, FormatCase{0.05, "0,05"},
                    FormatCase{999999999999999.5, "1E15"}, FormatCase{0.00123, "0,00123"},
                    FormatCase{1.7976931348623157e308, "1,79769313486232E308"},
                    FormatCase{4.9406564584124654e-324, "4,94065645841247E-324"},
                    // exact halves in the sixteenth digit round away from zero
                    FormatCase{100000000000000.5, "100000000000001"},
                    FormatCase{-100000000000002.5, "-100000000000003"}));

TEST(FloatToStr, SeparatorIsAParameter) {
  EXPECT_EQ(FloatToStr(2.5, "."), "2.5");
}

TEST(FloatToStr, NearHalvesAreDecidedOnTheExactValue) {
  // Rounded to 17 digits these read ...50, but the exact sixteenth digit is a 4.
  EXPECT_EQ(FloatToStr(5.808558537447885, ","), "5,80855853744788");
  EXPECT_EQ(FloatToStr(115.1909881780845, ","), "115,190988178084");
  EXPECT_EQ(FloatToStr(667.8119618115735, ","), "667,811961811573");
  EXPECT_EQ(FloatToStr(1.0000000000000049, ","), "1");
}

struct RoundCase {
  double x;
  const char* hundredths;
  const char* whole;
  friend std::ostream& operator<<(std::ostream& os, const RoundCase& c) {
    return os << c.hundredths;
  }
};

class RoundingForms : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundingForms, AsReportsShowThem) {
  EXPECT_EQ(FloatToStr(RoundUpHundredths(GetParam().x), ","), GetParam().hundredths);
  EXPECT_EQ(FloatToStr(RoundUpWhole(GetParam().x), ","), GetParam().whole);
}

INSTANTIATE_TEST_SUITE_P(
    Report, RoundingForms,
    testing::Values(RoundCase{3, "3", "3"}, RoundCase{3.001, "3,01", "4"}, RoundCase{0, "0", "0"},
                    RoundCase{12.341, "12,35", "13"}, RoundCase{12.34, "12,34", "13"},
                    RoundCase{12.01, "12,01", "13"}, RoundCase{0.0702, "0,08", "1"},
                    RoundCase{-2.5, "-2,5", "-2"}, RoundCase{50 * 0.3 * 0.001 * 60, "0,9", "1"},
                    RoundCase{static_cast<double>(-25.3f), "-25,29", "-25"}));

TEST(RoundingForms, HundredthsOfAHugeValueOverflow) {
  EXPECT_THROW(RoundUpHundredths(1e307), FloatFaultError);
  EXPECT_EQ(RoundUpWhole(1e307), 1e307);
}

TEST(RoundingForms, Centimetres) {
  EXPECT_EQ(RoundUpCentimetres(0.5), 50);
  EXPECT_EQ(RoundUpCentimetres(1.2311), 124);
}

}  // namespace
}  // namespace roofcalc
