#include "calc/membrane.h"

#include <gtest/gtest.h>

#include "calc/form_checks.h"
#include "calc/membrane_form.h"
#include "frame/calc_error.h"

namespace roofcalc {
namespace {

using testing_support::expectReadingOrder;
using testing_support::expectReport;
using testing_support::expectReportOverflows;
using testing_support::failureOf;

using testing_support::expectReportCases;
using testing_support::Inputs;
using testing_support::ReportCase;
using MembraneWindow = testing_support::OpenedWindow<MembraneForm>;

struct MembraneFixture : testing::Test, MembraneWindow {};

TEST_F(MembraneFixture, DefaultReport) {
  expectReport(form.calculate(),
               {
                   "РАСЧЕТ НЕОБХОДИМОГО КОЛИЧЕСТВА",
                   "ПВХ МЕМБРАНЫ ВЕРДАМИН",
                   " ",
                   "ИСХОДНЫЕ ДАННЫЕ: ",
                   "Ширина кровли: 20 м",
                   "Длина кровли: 100 м",
                   "Угол наклона: 5°",
                   "Высота парапета: 0,3 м",
                   "Ширина парапета: 0,2 м",
                   "Количество фонарей: 5 шт.",
                   "Ширина фонаря: 1 м",
                   "Длина фонаря: 1,5 м",
                   "Высота примыкания фонаря: 0,3 м",
                   "Ширина примыкания фонаря: 0,2 м",
                   "Параметры мембраны в центральной зоне: ",
                   "Ширина : 2 м",
                   "Длина: 25 м",
                   "Ширина перехлеста полотнищ: 0,13 м",
                   "Параметры мембраны в краевой зоне: ",
                   "Ширина: 1 м",
                   "Длина: 25 м",
                   "Ширина перехлеста полотнищ: 0,13 м",
                   "Запас армированной мембраны для всей кровли: 2 %",
                   " ",
                   "РЕЗУЛЬТАТЫ ПРОМЕЖУТОЧНЫХ ПАРАМЕТРОВ: ",
                   "Площадь кровли (с учетом наклона) - 2007,64 м2",
                   "Pp - 240,77 м2",
                   "Sn - 120,39 м2",
                   "Sf - 7,5 м2",
                   "Qf - 12,5 м2",
                   "%1 - 0,08 м2",  // 0.0702 shown rounded up ...
                   "Sper1 - 1639 м2",
                   "Qper1 - 115,06 м2",  // ... but used unrounded: 1639 * 0.08 would be 131,12
                   "%2 - 0,14 м2",
                   "Sper2 - 361,15 м2",
                   "Qper2 - 48,83 м2",
                   " ",
                   "РЕЗУЛЬТАТ РАСЧЕТА: ",
                   "Необходимо армированной мембраны ВЕРДАМИН R - 2343 м2",
                   // 2342.84 m2 in rolls of 2 x 25 m, the 1 m edge rolls notwithstanding.
                   "Количество рулонов мембраны ВЕРДАМИН R - 47 шт.",
                   " ",
                   "Необходимо неармированной мембраны ВЕРДАМИН U - 47* м2",
                   "*принимается 2% от армированной мембраны",
               });
}

TEST(MembraneForm, DefaultsAreWrittenWithTheUsersSeparator) {
  MembraneForm form(".");
  Messages m;
  form.create(m);
  const FormState& s = form.state();
  EXPECT_EQ(s.text("Edit7"), "0.3");
  EXPECT_EQ(s.text("Edit11"), "1.5");
  EXPECT_EQ(s.text("Edit15"), "0.13");
  EXPECT_EQ(s.at("Membrana1ComboBox").items, (std::vector<std::string>{"1.0 м", "1.5 м", "2.0 м"}));
  EXPECT_EQ(s.selectedItem("Membrana1ComboBox"), "2.0 м");
  EXPECT_EQ(s.selectedItem("Membrana2ComboBox"), "1.0 м");
  const ReportLines lines = form.calculate();
  EXPECT_EQ(lines[7], "Высота парапета: 0.3 м");
  EXPECT_EQ(lines[25], "Площадь кровли (с учетом наклона) - 2007.64 м2");
}

TEST_F(MembraneFixture, FieldsAreReadInTheWindowsOrder) {
  expectReadingOrder(
      form, {"Edit2", "Edit4", "Edit5", "Edit7", "Edit8", "Edit9", "Edit10", "Edit11", "Edit14",
             "Edit13", "Edit6", "Edit15", "Edit17", "Edit16", "Edit3"});
}

TEST(Membrane, InputsBeyondTheDefaults) {
  const std::vector<ReportCase> cases{
      {"no skylights",
       {{"Edit9", "0"}},
       {{10, "Количество фонарей: 0 шт."}, {29, "Sf - 0 м2"}, {30, "Qf - 0 м2"}}},
      {"fractional skylight count",
       {{"Edit9", "2,5"}},
       {{10, "Количество фонарей: 2,5 шт."}, {29, "Sf - 3,75 м2"}, {30, "Qf - 6,25 м2"}}},
      {"no reserve: Q is Qk + Qpr",
       {{"Edit3", "0"}},
       {{39, "Необходимо армированной мембраны ВЕРДАМИН R - 2297 м2"},
        {40, "Количество рулонов мембраны ВЕРДАМИН R - 46 шт."},
        {42, "Необходимо неармированной мембраны ВЕРДАМИН U - 46* м2"}}},
      {"edge strip larger than the roof",
       {{"Edit2", "2"}, {"Edit4", "2"}},
       {{32, "Sper1 - -15,5 м2"},
        {33, "Qper1 - -1,08 м2"},
        {39, "Необходимо армированной мембраны ВЕРДАМИН R - 14 м2"}}},
      {"roll widths of 1.5 m",
       {{"Membrana1ComboBox", "1"}, {"Membrana2ComboBox", "1"}},
       {{16, "Ширина : 1,5 м"},
        {20, "Ширина: 1,5 м"},
        {40, "Количество рулонов мембраны ВЕРДАМИН R - 64 шт."}}},
      // 37.4 m2 in rolls of 37.5 m2 is one roll; the area rounded up first would make two.
      {"rolls counted from the unrounded area",
       {{"Edit2", "1"},
        {"Edit4", "37,4"},
        {"Edit5", "0"},
        {"Edit7", "0"},
        {"Edit8", "0"},
        {"Edit9", "0"},
        {"Edit15", "0"},
        {"Edit16", "0"},
        {"Edit3", "0"},
        {"Membrana1ComboBox", "1"}},
       {{39, "Необходимо армированной мембраны ВЕРДАМИН R - 38 м2"},
        {40, "Количество рулонов мембраны ВЕРДАМИН R - 1 шт."}}},
      // The shortened pi leaves the cosine of 90° a little above zero.
      {"slope of 90°",
       {{"Edit5", "90"}},
       {{7, "Угол наклона: 90°"},
        {26, "Площадь кровли (с учетом наклона) - 74641079268,71 м2"},
        {39, "Необходимо армированной мембраны ВЕРДАМИН R - 86027501300 м2"}}},
      {"slope above 90°",
       {{"Edit5", "120"}},
       {{26, "Площадь кровли (с учетом наклона) - -4000 м2"},
        {27, "Pp - -360 м2"},
        {40, "Количество рулонов мембраны ВЕРДАМИН R - -91 шт."}}},
  };
  expectReportCases<MembraneForm>(cases, 43);
}

TEST(Membrane, ZeroRollLengthIsAFloatingPointFault) {
  const std::vector<std::pair<Inputs, std::string>> cases{
      {{{"Edit6", "0"}}, "Floating point division by zero."},
      {{{"Edit6", "0"}, {"Edit15", "0"}}, "Invalid floating point operation."},
      {{{"Edit17", "0"}}, "Floating point division by zero."},
      {{{"Edit17", "0"}, {"Edit16", ","}}, "Invalid floating point operation."},
      // The central zone is computed first.
      {{{"Edit6", "0"}, {"Edit15", "0"}, {"Edit17", "0"}}, "Invalid floating point operation."},
  };
  for (const auto& [inputs, message] : cases) {
    SCOPED_TRACE(inputs.front().first + "=" + inputs.front().second);
    EXPECT_EQ(failureOf(MembraneWindow(inputs).form), message);
  }
}

TEST(Membrane, AbsurdSizesOverflowBeforeAnyLineIsWritten) {
  // A roof area that no longer fits a double.
  EXPECT_EQ(failureOf(MembraneWindow(Inputs{{"Edit2", "1E300"}, {"Edit4", "1E300"}}).form),
            "Floating point overflow.");
  EXPECT_EQ(failureOf(MembraneWindow(Inputs{{"Edit2", "1E400"}}).form), "Floating point overflow.");

  // Results that fit, but whose report text does not: the area in hundredths (line 26), and
  // the roll count of a roll almost without length (line 40, after 39 lines that would fit).
  for (const Inputs& inputs :
       {Inputs{{"Edit2", "1E200"}, {"Edit4", "1E107"}},
        Inputs{{"Edit2", "1E150"}, {"Edit4", "1E150"}, {"Edit6", "1E-10"}, {"Edit15", "0"}}}) {
    SCOPED_TRACE(inputs.back().first);
    const MembraneInput in = MembraneWindow(inputs).form.readInput();
    MembraneResult r;
    ASSERT_NO_THROW(r = ComputeMembrane(in));
    expectReportOverflows([&] { return MembraneReportLines(in, r, ","); });
  }
}

}  // namespace
}  // namespace roofcalc
