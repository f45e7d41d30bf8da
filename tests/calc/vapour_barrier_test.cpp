#include "calc/vapour_barrier.h"

#include <gtest/gtest.h>

#include "calc/form_checks.h"
#include "calc/vapour_barrier_form.h"
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
using VapourBarrierWindow = testing_support::OpenedWindow<VapourBarrierForm>;

TEST(VapourBarrier, DefaultReport) {
  expectReport(VapourBarrierWindow().form.calculate(),
               {
                   "РАСЧЕТ НЕОБХОДИМОГО КОЛИЧЕСТВА",
                   "ПАРОИЗОЛЯЦИИ",
                   " ",
                   "ИСХОДНЫЕ ДАННЫЕ: ",
                   "Ширина кровли: 10 м",
                   "Длина кровли: 500 м",
                   "Угол наклона: 4°",
                   "Толщина утеплителя: 60 мм",
                   "Запас на нахлесты: 10 см",
                   "Ширина рулона пароизоляции: 3 м",
                   "Длина рулона пароизоляции: 40 м",
                   "Запас: 1 %",
                   " ",
                   "РЕЗУЛЬТАТЫ ПРОМЕЖУТОЧНЫХ ПАРАМЕТРОВ: ",
                   "Sk - 5012,21 м2",
                   "Pk - 1022,45 м2",
                   "Sp - 61,35 м2",
                   "Z - 0,04 ",
                   "K - 179,61 м2",  // from Z = 0.0358333; the printed 0,04 would give 200,49
                   "без запаса - 5253,17 м2",
                   " ",
                   "РЕЗУЛЬТАТ РАСЧЕТА: ",
                   "Итого пароизоляции - 5306 м2",
               });
}

TEST(VapourBarrierForm, FieldsAreReadInTheWindowsOrder) {
  VapourBarrierWindow w;
  expectReadingOrder(w.form,
                     {"Edit2", "Edit4", "Edit5", "Edit7", "Edit6", "Edit11", "Edit10", "Edit3"});
}

TEST(VapourBarrier, InputsBeyondTheDefaults) {
  const std::vector<ReportCase> cases{
      {"no overlap",
       {{"Edit7", "0"}},
       {{18, "Z - 0 "}, {19, "K - 0 м2"}, {20, "без запаса - 5073,56 м2"}}},
      {"no insulation", {{"Edit6", "0"}}, {{17, "Sp - 0 м2"}, {20, "без запаса - 5191,82 м2"}}},
      {"flat roof", {{"Edit5", "0"}}, {{15, "Sk - 5000 м2"}, {16, "Pk - 1020 м2"}}},
      {"no reserve", {{"Edit3", "0"}}, {{23, "Итого пароизоляции - 5254 м2"}}},
      {"roll sizes apart",
       {{"Edit10", "1,5"}, {"Edit11", "20"}},
       {{10, "Ширина рулона пароизоляции: 1,5 м"},
        {11, "Длина рулона пароизоляции: 20 м"},
        {18, "Z - 0,08 "}}},
      {"slope of 90°",
       {{"Edit5", "90"}},
       {{15, "Sk - 186602698171,78 м2"}, {23, "Итого пароизоляции - 197483812508 м2"}}},
      {"slope above 90°", {{"Edit5", "120"}}, {{15, "Sk - -10000 м2"}, {16, "Pk - -1980 м2"}}},
  };
  expectReportCases<VapourBarrierForm>(cases, 23);
}

TEST(VapourBarrier, ZeroRollSizeIsAFloatingPointFault) {
  const std::vector<std::pair<Inputs, std::string>> cases{
      {{{"Edit11", "0"}}, "Floating point division by zero."},
      {{{"Edit10", "0"}}, "Floating point division by zero."},
      {{{"Edit11", "0"}, {"Edit10", "0"}}, "Invalid floating point operation."},
      {{{"Edit10", "0"}, {"Edit7", "0"}}, "Invalid floating point operation."},
  };
  for (const auto& [inputs, message] : cases) {
    SCOPED_TRACE(inputs.front().first + "=0, " + std::to_string(inputs.size()) + " fields");
    EXPECT_EQ(failureOf(VapourBarrierWindow(inputs).form), message);
  }
}

TEST(VapourBarrier, AbsurdSizesOverflowBeforeAnyLineIsWritten) {
  EXPECT_EQ(failureOf(VapourBarrierWindow(Inputs{{"Edit2", "1E300"}, {"Edit4", "1E300"}}).form),
            "Floating point overflow.");
  // The roof area fits a double, its hundredths do not.
  const VapourBarrierInput in =
      VapourBarrierWindow(Inputs{{"Edit2", "1E200"}, {"Edit4", "1E107"}}).form.readInput();
  VapourBarrierResult r;
  ASSERT_NO_THROW(r = ComputeVapourBarrier(in));
  expectReportOverflows([&] { return VapourBarrierReportLines(in, r, ","); });
}

}  // namespace
}  // namespace roofcalc
