#include "calc/insulation.h"

#include <gtest/gtest.h>

#include "calc/form_checks.h"
#include "calc/insulation_form.h"
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
using InsulationWindow = testing_support::OpenedWindow<InsulationForm>;

TEST(Insulation, DefaultReport) {
  expectReport(InsulationWindow().form.calculate(),
               {
                   "РАСЧЕТ НЕОБХОДИМОГО КОЛИЧЕСТВА",
                   "УТЕПЛИТЕЛЯ ПЛИТ ТАЛВИРОН",
                   " ",
                   "ИСХОДНЫЕ ДАННЫЕ: ",
                   "Ширина кровли: 10 м",
                   "Длина кровли: 500 м",
                   "Угол наклона: 4°",
                   "Толщина утеплителя: 60 мм",
                   "Высота парапета: 0,2 м",
                   "количество фонарей: 5 шт.",
                   "ширина фонаря: 2 м",
                   "длина фонаря: 3 м",
                   "высота примыкания фонаря: 0,3 м",
                   "Запас: 5 %",
                   " ",
                   "РЕЗУЛЬТАТЫ ПРОМЕЖУТОЧНЫХ ПАРАМЕТРОВ: ",
                   "Sk - 5012,21 м2",
                   "Sp - 30 м2",
                   // A hair above 0.9 as a double, but 90 once the product is stored: not 0,91.
                   "Qf - 0,9 м3",
                   "Pf - 50 ",
                   "Pp - 1022,45 м2",
                   "Qp - 12,27 м3",
                   "без запаса - 312,11 м3",
                   " ",
                   "РЕЗУЛЬТАТ РАСЧЕТА: ",
                   "Необходимый объем плит ТАЛВИРОН - 328 м3",
               });
}

TEST(InsulationForm, DefaultsAreWrittenWithTheUsersSeparator) {
  InsulationWindow w({}, ".");
  EXPECT_EQ(w.form.state().text("Edit7"), "0.2");
  EXPECT_EQ(w.form.state().text("Edit14"), "0.3");
  const ReportLines lines = w.form.calculate();
  EXPECT_EQ(lines[8], "Высота парапета: 0.2 м");
  EXPECT_EQ(lines[22], "без запаса - 312.11 м3");
}

TEST(InsulationForm, FieldsAreReadInTheWindowsOrder) {
  InsulationWindow w;
  expectReadingOrder(w.form, {"Edit2", "Edit4", "Edit5", "Edit7", "Edit6", "Edit9", "Edit10",
                              "Edit11", "Edit14", "Edit3"});
  w.form.state().at("Edit3").text = "";
  EXPECT_EQ(failureOf(w.form), "'' is not a valid floating point value.");
}

TEST(Insulation, InputsBeyondTheDefaults) {
  const std::vector<ReportCase> cases{
      {"no skylights: roof field and parapets alone",
       {{"Edit9", "0"}},
       {{18, "Sp - 0 м2"},
        {19, "Qf - 0 м3"},
        {20, "Pf - 0 "},
        {23, "без запаса - 313,01 м3"},
        {26, "Необходимый объем плит ТАЛВИРОН - 329 м3"}}},
      {"fractional skylight count",
       {{"Edit9", "2,5"}},
       {{10, "количество фонарей: 2,5 шт."}, {18, "Sp - 15 м2"}, {20, "Pf - 25 "}}},
      {"flat roof", {{"Edit5", "0"}}, {{17, "Sk - 5000 м2"}, {21, "Pp - 1020 м2"}}},
      {"no reserve", {{"Edit3", "0"}}, {{26, "Необходимый объем плит ТАЛВИРОН - 313 м3"}}},
      {"no insulation",
       {{"Edit6", "0"}},
       {{19, "Qf - 0 м3"},
        {22, "Qp - 0 м3"},
        {23, "без запаса - 0 м3"},
        {26, "Необходимый объем плит ТАЛВИРОН - 0 м3"}}},
      {"slope of 90°",
       {{"Edit5", "90"}},
       {{17, "Sk - 186602698171,78 м2"}, {26, "Необходимый объем плит ТАЛВИРОН - 12226208784 м3"}}},
      {"slope above 90°",
       {{"Edit5", "120"}},
       {{17, "Sk - -10000 м2"},
        {21, "Pp - -1980 м2"},
        {26, "Необходимый объем плит ТАЛВИРОН - -655 м3"}}},
  };
  expectReportCases<InsulationForm>(cases, 26);
}

TEST(Insulation, AbsurdSizesOverflowBeforeAnyLineIsWritten) {
  EXPECT_EQ(failureOf(InsulationWindow(Inputs{{"Edit2", "1E300"}, {"Edit4", "1E300"}}).form),
            "Floating point overflow.");
  // The roof area fits a double, its hundredths do not.
  const InsulationInput in =
      InsulationWindow(Inputs{{"Edit2", "1E200"}, {"Edit4", "1E107"}}).form.readInput();
  InsulationResult r;
  ASSERT_NO_THROW(r = ComputeInsulation(in));
  expectReportOverflows([&] { return InsulationReportLines(in, r, ","); });
}

}  // namespace
}  // namespace roofcalc
