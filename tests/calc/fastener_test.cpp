#include "calc/fastener.h"

#include <gtest/gtest.h>

#include "calc/fastener_form.h"
#include "frame/calc_error.h"

namespace roofcalc {
namespace {

// The shipped regions up to III, whose value 0,038 the worked example uses.
WindRegionTable regions() {
  Messages m;
  WindRegionTable t = parseWindTable(
      "Ia 0,17 0,017\nI 0,23 0,023\nII 0,30 0,030\nIII 0,38 0,038\n"
      "Zero 0 0\n",
      ",", m);
  EXPECT_TRUE(m.empty());
  return t;
}

struct FastenerFixture : testing::Test {
  FastenerForm form{","};
  void SetUp() override {
    form.createWithTable(regions());
    form.state().at("RegionComboBox").index = 3;  // III
  }
  void set(const char* name, const char* text) { form.state().at(name).text = text; }
  std::string failure() {
    try {
      form.calculate();
    } catch (const CalcError& e) {
      return e.what();
    }
    return "no failure";
  }
};

TEST_F(FastenerFixture, WorkedExampleReport) {
  const ReportLines expected{
      "РАСЧЕТ НЕОБХОДИМОГО КОЛИЧЕСТВА",
      "КРЕПЕЖА KORVANT на плоской кровле",
      " ",
      "ИСХОДНЫЕ ДАННЫЕ: ",
      "Прочность кровельной мембраны: 60 кгс/5см",
      "Ширина кровельной мембраны в центре: 2 м",
      "Ширина кровельной мембраны в краевой зоне*: 1,5 м",
      "*краевая зона располагается вдоль края или парапета, ширина 1,5 метра (п.6.6, СНиП "
      "2.01.07-85*)",
      "Толщина мембраны: 1,2 мм",
      "Регион:  III",
      "    (данные по ветровой нагрузке по табл. 5 СНиП 2.01.07-85*)",
      "Ширина кровли: 30 м",
      "Длина кровли: 150 м",
      "Угол наклона: 10°",
      "Высота здания: 15 м",
      "Запас: 5 % (на непредвиденные расходы)",
      " ",
      "РЕЗУЛЬТАТЫ ПРОМЕЖУТОЧНЫХ ПАРАМЕТРОВ: ",
      "k - 1,125",
      "    (в соответствии с п.6.5 СНиП 2.01.07-85*)",
      "ветровая нагрузка в краевой зоне, q = 85,5 кг/м2",
      "    (в соответствии с п.6.3 СНиП 2.01.07-85*)",
      "ветровая нагрузка в центральной зоне, q = 25,65 кг/м2",
      "    (в соответствии с п.6.3 СНиП 2.01.07-85*)",
      "шаг крепления в краевой зоне - 44 c\u043c",  // Latin c, Cyrillic м
      "Расчетный шаг крепления 124 \u0441м, поэтому конструктивно принимаем",
      "шаг крепления в центральной зоне - 50 c\u043c",
      "Количество крепежа на 1 кв. м в центральной зоне, G1 - 1 шт.",
      "Количество крепежа на 1 кв. м в краевой зоне, G2 - 1,52 шт.",
      "Площадь кровли в центральной зоне, Sk - 4569,42 м2",
      "Площадь кровли в краевой (парапетной) зоне, Sp - 546,95 м2",
      "Необходимая прочность крепежа на вырыв в центр. зоне, не менее - 6,42 кгс",
      "Необходимая прочность крепежа на вырыв в краевой зоне, не менее - 18,75 кгс",
      " ",
      "РЕЗУЛЬТАТ РАСЧЕТА: ",
      "Потребуется всего крепежа - 5671 шт.",
  };
  const ReportLines lines = form.calculate();
  ASSERT_EQ(lines.size(), expected.size());
  for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
}

TEST_F(FastenerFixture, MegapascalStrengthIsReportedAsTypedAndConverted) {
  set("Edit1", "2,5");
  form.state().at("RadioGroup2").index = 1;
  const ReportLines lines = form.calculate();
  EXPECT_EQ(lines.size(), 36u);  // neither zone limited at F = 15
  EXPECT_EQ(lines[4], "Прочность кровельной мембраны: 2,5 МПа");
  EXPECT_EQ(lines[5], "Прочность кровельной мембраны: 15 кгс/5см");
}

TEST_F(FastenerFixture, LimitingLinesFollowTheSpacings) {
  // Weak membrane: no zone limited, 35 lines.
  set("Edit1", "10");
  ReportLines lines = form.calculate();
  EXPECT_EQ(lines.size(), 35u);
  for (const auto& l : lines) EXPECT_EQ(l.find("Расчетный шаг"), std::string::npos) << l;
  // Strong membrane in MPa: both zones limited, 38 lines.
  set("Edit1", "100");
  form.state().at("RadioGroup2").index = 1;
  lines = form.calculate();
  ASSERT_EQ(lines.size(), 38u);
  EXPECT_EQ(lines[25].rfind("Расчетный шаг крепления ", 0), 0u);
  EXPECT_EQ(lines[26], "шаг крепления в краевой зоне - 50 cм");
  EXPECT_EQ(lines[27].rfind("Расчетный шаг крепления ", 0), 0u);
  EXPECT_EQ(lines[28], "шаг крепления в центральной зоне - 50 cм");
}

TEST(Fastener, SpacingOfExactlyHalfAMetreIsNotLimited) {
  FastenerInput in;
  in.F = 0.5 * 1.6 * 2.0 * 1000 * 0.5;  // s_e = F / (1.6 * q_e) with q_e = 2 * 500 * 1 = 1000
  in.t = 1;
  in.bc = 2.0;
  in.be = 1.5;
  in.regionValue = 0.5f;
  in.B = 10, in.A = 10, in.phi = 0, in.H = 10, in.Z = 0;
  const FastenerResult r = computeFastener(in);
  EXPECT_EQ(r.se, 0.5);
  EXPECT_FALSE(r.edgeLimited);
  const ReportLines lines = fastenerReportLines(in, r, ",");
  EXPECT_EQ(lines[24], "шаг крепления в краевой зоне - 50 cм");
}

TEST_F(FastenerFixture, TerrainTypeChangesK) {
  form.state().check("RadioButton3");
  EXPECT_EQ(form.calculate()[18], "k - 0,475");
}

TEST_F(FastenerFixture, SlopeOfNinetyDegreesIsComputed) {
  set("Edit5", "90");
  const ReportLines lines = form.calculate();
  EXPECT_EQ(lines.size(), 36u);
  EXPECT_EQ(lines[29].find("Sk - 1"), lines[29].find("Sk - "));
}

TEST_F(FastenerFixture, FirstFailingFieldInReadingOrderIsReported) {
  // Reading order: Edit1, Edit7, region, Edit2, Edit4, Edit5, Edit6, Edit3.
  set("Edit3", "");
  EXPECT_EQ(failure(), "'' is not a valid floating point value.");
  set("Edit6", "1 5");
  EXPECT_EQ(failure(), "'1 5' is not a valid floating point value.");
  set("Edit4", "a");
  set("Edit2", "1.5");
  EXPECT_EQ(failure(), "'1.5' is not a valid floating point value.");
  set("Edit7", ",,");
  EXPECT_EQ(failure(), "',,' is not a valid floating point value.");
  set("Edit1", "x");
  EXPECT_EQ(failure(), "'x' is not a valid floating point value.");
}

TEST_F(FastenerFixture, ZeroStrengthOrZeroRegionValueIsAFloatingPointFault) {
  set("Edit1", "0");
  EXPECT_EQ(failure(), "Floating point division by zero.");
  set("Edit1", "60");
  form.state().at("RegionComboBox").index = 4;  // value 0
  EXPECT_EQ(failure(), "Floating point division by zero.");
  set("Edit1", "0");
  EXPECT_EQ(failure(), "Invalid floating point operation.");
}

TEST_F(FastenerFixture, AbsurdSizesOverflow) {
  set("Edit2", "1E300");
  set("Edit4", "1E300");
  EXPECT_EQ(failure(), "Floating point overflow.");
  set("Edit4", "1E400");
  EXPECT_EQ(failure(), "Floating point overflow.");
}

TEST(FastenerForm, RefusesWithoutARegionWithAValue) {
  Messages m;
  for (const char* file : {"", "One 1 0,5\n", "A 1 0,5\nB 1 bad\n"}) {
    FastenerForm form(",");
    m.clear();
    form.createWithTable(parseWindTable(file, ",", m));
    try {
      form.calculate();
      FAIL() << file;
    } catch (const CalcError& e) {
      EXPECT_STREQ(e.what(), "Выберите район строительства.") << file;
    }
    // The failed record's name is in the list: picking it refuses as well.
    if (form.regions().names.size() == 2) {
      form.state().at("RegionComboBox").index = 1;
      EXPECT_THROW(form.calculate(), CalcError);
      form.state().at("RegionComboBox").index = 0;
      EXPECT_NO_THROW(form.calculate());
    }
  }
}

TEST(FastenerForm, ConversionErrorBeforeTheRegionWins) {
  FastenerForm form(",");
  form.createWithTable({});
  form.state().at("Edit7").text = "";
  EXPECT_THROW(
      {
        try {
          form.calculate();
        } catch (const CalcError& e) {
          EXPECT_STREQ(e.what(), "'' is not a valid floating point value.");
          throw;
        }
      },
      CalcError);
}

}  // namespace
}  // namespace roofcalc
