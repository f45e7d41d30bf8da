// Field texts that users type or paste: each gives the exact message of the field, or a
// floating-point fault message, or a sound report (finite numbers, written as FloatToStr
// writes them). The sweep covers every numeric field of every calculation roofcalc-cli knows;
// the table pins the fastener window's outcomes field by field.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/fastener_form.h"
#include "cli/calculations.h"
#include "frame/calc_error.h"
#include "frame/numbers.h"
#include "support/data_dir.h"
#include "support/report_check.h"

namespace roofcalc {
namespace {

const std::string kReport = "a report";
const std::string kOverflow = "Floating point overflow.";
const std::string kDivisionByZero = "Floating point division by zero.";
const std::string kInvalid = "Invalid floating point operation.";

const std::string k300Nines(300, '9');
const std::string k300Digits = "1" + std::string(299, '0');       // 1E299
const std::string k309Digits = "1" + std::string(308, '0');       // 1E308
const std::string k310Digits = "1" + std::string(309, '0');       // 1E309: too large
const std::string kTiny300 = "0," + std::string(298, '0') + "1";  // 1E-299
const std::string kTiny400 = "0," + std::string(398, '0') + "1";  // 1E-399: underflows

const std::vector<std::string> kHostileTexts{
    "1E308",   "1E400",    "-1E400",   "1E-400",   "  ",     ",",      "+,", "",
    "1,2,3",   "1.5",      "0x10",     "١",        "1 000",  "\t1",    "1E", "-",
    k300Nines, k300Digits, k309Digits, k310Digits, kTiny300, kTiny400,
};

// What pressing "Расчет" gives: kReport for a sound report, else the message.
std::string press(const CalcForm& form) {
  try {
    const ReportLines lines = form.calculate();
    // The thermal report shows its layer fields as typed.
    std::vector<std::string> typed;
    for (const auto& c : form.state().controls())
      if (c.kind == ControlKind::Edit) typed.push_back(c.text);
    const auto problems = check::reportProblems(lines, form.separator(), typed);
    return problems.empty() ? kReport : "an unsound report: " + problems.front();
  } catch (const CalcError& e) {
    return e.what();
  }
}

// The thermal window reads its layer fields only for rows with a material: give every row a
// user material of conductivity 0,5 so that all ten of its number fields take part.
void useEveryLayerRow(CalcForm& form) {
  for (int row = 1; row <= 5; ++row) {
    const std::string n = std::to_string(row);
    ControlState* list = form.state().find("MatCombo" + n);
    if (!list) return;
    list->index = 1;
    form.changed(list->name);
    form.state().at("lamEdit" + n).text = "0,5";
  }
}

std::unique_ptr<CalcForm> openWindow(const cli::Calculation& calculation) {
  auto form = calculation.make(",");
  Messages messages;
  form->create(messages);
  useEveryLayerRow(*form);
  return form;
}

bool isNumericField(const ControlState& c) {
  if (c.kind != ControlKind::Edit || !c.enabled || !c.visible) return false;
  try {
    StrToFloat(c.text, ",");
    return true;
  } catch (const CalcError&) {
    return false;
  }
}

class HostileFieldTexts : public testing::TestWithParam<size_t> {};

TEST_P(HostileFieldTexts, GiveTheFieldsMessageAFaultOrASoundReport) {
  const cli::Calculation& calculation = cli::calculations()[GetParam()];
  check::DataDir dir;
  ASSERT_EQ(press(*openWindow(calculation)), kReport) << "the defaults do not compute";

  std::vector<std::string> fields;
  const auto defaults = openWindow(calculation);
  for (const auto& c : defaults->state().controls())
    if (isNumericField(c)) fields.push_back(c.name);
  ASSERT_FALSE(fields.empty());

  for (const auto& field : fields) {
    for (const auto& text : kHostileTexts) {
      auto form = openWindow(calculation);
      form->state().at(field).text = text;
      const std::string outcome = press(*form);
      std::string conversion;
      try {
        StrToFloat(text, ",");
      } catch (const CalcError& e) {
        conversion = e.what();
      }
      const std::string where = field + "='" + text.substr(0, 40) + "': " + outcome;
      if (!conversion.empty()) {
        // Fields before it hold their defaults, so this field's text is the first to fail.
        EXPECT_EQ(outcome, conversion) << where;
      } else {
        EXPECT_TRUE(outcome == kReport || outcome == kOverflow || outcome == kDivisionByZero ||
                    outcome == kInvalid)
            << where;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Calculations, HostileFieldTexts,
                         testing::Range<size_t>(0, cli::calculations().size()),
                         [](const testing::TestParamInfo<size_t>& info) {
                           return std::string(cli::calculations()[info.param].name);
                         });

// The fastener window, field by field. Outcomes follow from its formulas: the strength F and
// the height coefficient divide nothing but the spacings; the roof width B and length A
// multiply into the areas; the reserve Z multiplies the count.
struct FastenerCase {
  const char* what;
  std::vector<std::pair<std::string, std::string>> fields;
  std::string outcome;
  std::string line = {};  // a line the report must hold
};

void PrintTo(const FastenerCase& c, std::ostream* os) {
  *os << c.what;
}

class FastenerFieldTexts : public testing::TestWithParam<FastenerCase> {};

TEST_P(FastenerFieldTexts, Outcome) {
  const FastenerCase& c = GetParam();
  check::DataDir dir;
  FastenerForm form(",");
  Messages messages;
  form.create(messages);
  for (const auto& [name, text] : c.fields) {
    if (name == "RadioGroup2")
      form.state().at(name).index = std::stoi(text);
    else
      form.state().at(name).text = text;
  }
  EXPECT_EQ(press(form), c.outcome);
  if (!c.line.empty() && c.outcome == kReport) {
    const ReportLines lines = form.calculate();
    EXPECT_NE(std::find(lines.begin(), lines.end(), c.line), lines.end()) << c.line;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Fastener, FastenerFieldTexts,
    testing::Values(
        // 1E308: as a strength the computed spacing is reported in centimetres, x 100 beyond a
        // double; 1E305 still shows it. As a width the roof area overflows; as a slope the
        // cosine stays finite.
        FastenerCase{"StrengthE308", {{"Edit1", "1E308"}}, kOverflow},
        FastenerCase{"StrengthE305",
                     {{"Edit1", "1E305"}},
                     kReport,
                     "Прочность кровельной мембраны: 1E305 кгс/5см"},
        FastenerCase{"ThicknessE308", {{"Edit7", "1E308"}}, kReport, "Толщина мембраны: 1E308 мм"},
        FastenerCase{"WidthE308", {{"Edit2", "1E308"}}, kOverflow},
        FastenerCase{"LengthE308", {{"Edit4", "1E308"}}, kOverflow},
        FastenerCase{"SlopeE308", {{"Edit5", "1E308"}}, kReport},
        FastenerCase{"HeightE308", {{"Edit6", "1E308"}}, kReport, "k - 2,75"},
        FastenerCase{"ReserveE308", {{"Edit3", "1E308"}}, kOverflow},
        // 1E400 does not fit a double: the overflow of the conversion, whichever field.
        FastenerCase{"StrengthE400", {{"Edit1", "1E400"}}, kOverflow},
        FastenerCase{"ReserveMinusE400", {{"Edit3", "-1E400"}}, kOverflow},
        // 1E-400 reads as 0: a zero strength makes the spacing 0 and its reciprocal divides by
        // zero; a zero width or length is a roof of no area.
        FastenerCase{"StrengthEMinus400", {{"Edit1", "1E-400"}}, kDivisionByZero},
        FastenerCase{"WidthEMinus400", {{"Edit2", "1E-400"}}, kReport, "Ширина кровли: 0 м"},
        FastenerCase{"HeightEMinus400", {{"Edit6", "1E-400"}}, kReport, "Высота здания: 0 м"},
        // Blank, a lone separator, a signed separator.
        FastenerCase{"StrengthBlank", {{"Edit1", "  "}}, notAFloatMessage("  ")},
        FastenerCase{"ReserveBlank", {{"Edit3", "  "}}, notAFloatMessage("  ")},
        FastenerCase{"StrengthComma", {{"Edit1", ","}}, kDivisionByZero},
        FastenerCase{"LengthComma", {{"Edit4", ","}}, kReport, "Длина кровли: 0 м"},
        FastenerCase{"SlopePlusComma", {{"Edit5", "+,"}}, kReport, "Угол наклона: 0°"},
        // 300 digits.
        FastenerCase{"Length300Nines", {{"Edit4", k300Nines}}, kReport, "Длина кровли: 1E300 м"},
        FastenerCase{"Length310Digits", {{"Edit4", k310Digits}}, kOverflow},
        FastenerCase{"Height300Nines", {{"Edit6", k300Nines}}, kReport, "k - 2,75"},
        FastenerCase{"ReserveTiny300Digits", {{"Edit3", kTiny300}}, kReport},
        // Only an intermediate product is beyond a double: 1E308 MPa x 5 is, 1E-10 mm later it
        // is not (the products run in extended precision).
        FastenerCase{"MegapascalProduct",
                     {{"RadioGroup2", "1"}, {"Edit1", "1E308"}, {"Edit7", "0,0000000001"}},
                     kReport,
                     "Прочность кровельной мембраны: 5E298 кгс/5см"},
        FastenerCase{"MegapascalProductOverflows",
                     {{"RadioGroup2", "1"}, {"Edit1", "1E308"}, {"Edit7", "1"}},
                     kOverflow},
        // B x A is beyond a double, B x A / cos is not representable either: overflow; a huge
        // width times a tiny length is an ordinary area.
        FastenerCase{"AreaProductOverflows", {{"Edit2", "1E200"}, {"Edit4", "1E200"}}, kOverflow},
        FastenerCase{"HugeTimesTiny", {{"Edit2", "1E300"}, {"Edit4", "1E-300"}}, kReport},
        // The area fits a double, its rounding for the report (x 100) does not.
        FastenerCase{"AreaRoundingOverflows", {{"Edit2", "1E306"}, {"Edit4", "10"}}, kOverflow}),
    [](const testing::TestParamInfo<FastenerCase>& info) { return info.param.what; });

}  // namespace
}  // namespace roofcalc
