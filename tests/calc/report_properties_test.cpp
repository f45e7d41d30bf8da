// Properties of every calculation over thousands of random valid inputs (seeded, so a failure
// replays; ROOFCALC_PROPERTY_SEED picks another seed):
//  - the report has the calculation's line count, every number in it is finite and written as
//    FloatToStr writes it;
//  - a press that fails leaves the window's state, its report included, exactly as it was;
//  - roofcalc-cli given the same actions prints the same report, and on a failure prints none.
// A calculation joins with one entry in kCalculations; its inputs are drawn from its window's
// own controls (a random item of each list, a random number in each enabled field), or by a
// draw of its own where the window's rows need one (the thermal layers).

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "cli/calculations.h"
#include "cli/cli_run.h"
#include "frame/calc_error.h"
#include "frame/numbers.h"
#include "support/data_dir.h"
#include "support/report_check.h"

namespace roofcalc {
namespace {

struct Range {
  double low, high;
};

using Rng = std::mt19937_64;

struct PropertyCase {
  const char* calculation;  // as roofcalc-cli names it
  size_t minLines, maxLines;
  // Fields whose valid values lie elsewhere than the default range.
  std::map<std::string, Range> ranges = {};
  int draws = 3000;
  // Applies random user actions and returns them as roofcalc-cli arguments; by default a random
  // item of each list and a random number in each enabled field.
  std::function<std::vector<std::string>(CalcForm&, Rng&)> draw = nullptr;
  // The exact line count where it depends on the inputs.
  std::function<size_t(const CalcForm&, const ReportLines&)> lineCount = nullptr;
};

// Dimensions, strengths, thicknesses and percentages: from a hundredth to ten thousand.
constexpr Range kDefaultRange{0.01, 10000};

void PrintTo(const PropertyCase& c, std::ostream* os) {
  *os << c.calculation;
}

std::vector<std::string> drawThermal(CalcForm& form, Rng& rng);
size_t thermalLineCount(const CalcForm& form, const ReportLines& report);

// The slope (Edit5) is in degrees; the other fields take the default range.
const PropertyCase kCalculations[] = {
    {"fastener", 35, 38, {{"Edit5", {0, 60}}}},
    {"membrane", 43, 43, {{"Edit5", {0, 60}}}},
    {"thermal", 23, 40, {}, 3000, drawThermal, thermalLineCount},
    {"insulation", 26, 26, {{"Edit5", {0, 60}}}},
    {"vapour", 23, 23, {{"Edit5", {0, 60}}}},
};

std::mt19937_64::result_type seedFor(const PropertyCase& c) {
  if (const char* s = std::getenv("ROOFCALC_PROPERTY_SEED")) return std::strtoull(s, nullptr, 10);
  return std::hash<std::string>{}(c.calculation) % 100000 + 20240611;
}

// A number as a user types it: up to four decimals, written as the program writes numbers.
std::string randomNumber(std::mt19937_64& rng, Range r) {
  std::uniform_int_distribution<int> decimals(0, 4);
  const double scale = std::pow(10.0, decimals(rng));
  double v;
  if (r.low > 0 && r.high / r.low > 100) {  // magnitudes spread over decades
    std::uniform_real_distribution<double> e(std::log10(r.low), std::log10(r.high));
    v = std::pow(10.0, e(rng));
  } else {
    std::uniform_real_distribution<double> u(r.low, r.high);
    v = u(rng);
  }
  v = std::round(v * scale) / scale;
  if (v < r.low) v = r.low;
  return FloatToStr(v, ",");
}

// Picks an item in every list and radio group, a button in every radio group of buttons, then
// types a number into every enabled field, applying each as a user's action; returns the
// actions as roofcalc-cli arguments.
std::vector<std::string> randomInputs(CalcForm& form, const PropertyCase& c, std::mt19937_64& rng) {
  std::vector<std::string> actions;
  FormState& state = form.state();
  std::map<std::string, std::vector<std::string>> buttonGroups;
  for (size_t i = 0; i < state.controls().size(); ++i) {
    ControlState& control = state.controls()[i];
    if (!control.enabled || !control.visible) continue;
    if ((control.kind == ControlKind::ComboBox || control.kind == ControlKind::RadioGroup) &&
        !control.items.empty()) {
      std::uniform_int_distribution<int> pick(0, static_cast<int>(control.items.size()) - 1);
      control.index = pick(rng);
      const std::string name = control.name;
      actions.push_back(name + "=" + std::to_string(control.index));
      form.changed(name);  // may change other controls; re-read them by index
    } else if (control.kind == ControlKind::RadioButton) {
      buttonGroups[control.group].push_back(control.name);
    }
  }
  for (const auto& [group, buttons] : buttonGroups) {
    std::uniform_int_distribution<size_t> pick(0, buttons.size() - 1);
    const std::string name = buttons[pick(rng)];
    state.check(name);
    form.changed(name);
    actions.push_back(name + "=1");
  }
  for (auto& control : state.controls()) {
    if (control.kind != ControlKind::Edit || !control.enabled || !control.visible) continue;
    const auto r = c.ranges.find(control.name);
    control.text = randomNumber(rng, r == c.ranges.end() ? kDefaultRange : r->second);
    actions.push_back(control.name + "=" + control.text);
  }
  return actions;
}

// The thermal window: a random city, room, construction, board and temperature, and each of
// the five layer rows "нет", a user's material (name, conductivity and thickness typed) or a
// catalogue material (thickness typed), a third of the time each.
std::vector<std::string> drawThermal(CalcForm& form, Rng& rng) {
  static const char* const kNames[] = {"", "Кирпич", "Старый утеплитель", "Слой №2", "Plaster"};
  std::vector<std::string> actions;
  auto pick = [&](const std::string& list, int low, int high) {
    ControlState& c = form.state().at(list);
    c.index = std::uniform_int_distribution<int>(low, high)(rng);
    form.changed(list);
    actions.push_back(list + "=" + std::to_string(c.index));
    return c.index;
  };
  auto type = [&](const std::string& field, const std::string& text) {
    form.state().at(field).text = text;
    actions.push_back(field + "=" + text);
  };
  for (const char* list : {"RegionCombo", "PomCombo", "OgrCombo", "TipCombo", "TemCombo"})
    pick(list, 0, static_cast<int>(form.state().at(list).items.size()) - 1);
  for (int row = 1; row <= 5; ++row) {
    const std::string n = std::to_string(row);
    const int materials = static_cast<int>(form.state().at("MatCombo" + n).items.size());
    switch (std::uniform_int_distribution<int>(0, 2)(rng)) {
      case 0:
        pick("MatCombo" + n, 0, 0);
        continue;
      case 1:
        pick("MatCombo" + n, 1, 1);
        type("NameEdit" + n, kNames[std::uniform_int_distribution<size_t>(0, 4)(rng)]);
        type("lamEdit" + n, randomNumber(rng, {0.01, 5}));
        break;
      default:
        pick("MatCombo" + n, 2, materials - 1);
        break;
    }
    type("dEdit" + n, randomNumber(rng, {1, 1000}));
  }
  return actions;
}

// The 22 fixed lines, three for each row with a material, and one line that no insulation is
// needed or three for the thickness and its notes.
size_t thermalLineCount(const CalcForm& form, const ReportLines& report) {
  size_t rows = 0;
  for (int row = 1; row <= 5; ++row)
    if (form.state().index("MatCombo" + std::to_string(row)) >= 1) ++rows;
  const bool noneNeeded =
      !report.empty() && report.back() == " не требуется дополнительного утеплителя ";
  return 22 + 3 * rows + (noneNeeded ? 1 : 3);
}

// A field that calculate() converts: enabled, shown and holding a number (not a name).
bool isNumberField(const ControlState& c) {
  if (c.kind != ControlKind::Edit || !c.enabled || !c.visible) return false;
  try {
    StrToFloat(c.text, ",");
    return true;
  } catch (const CalcError&) {
    return false;
  }
}

const char* const kBadTexts[] = {"", "  ", "1,2,3", "x", "1E400", "12 34"};

class ReportProperties : public testing::TestWithParam<PropertyCase> {};

TEST_P(ReportProperties, HoldForRandomValidInputs) {
  const PropertyCase& c = GetParam();
  const cli::Calculation* calculation = cli::findCalculation(c.calculation);
  ASSERT_NE(calculation, nullptr);
  check::DataDir dir;
  const auto seed = seedFor(c);
  std::mt19937_64 rng(seed);
  SCOPED_TRACE("seed " + std::to_string(seed));

  int failedPresses = 0;
  for (int draw = 0; draw < c.draws; ++draw) {
    auto form = calculation->make(",");
    Messages messages;
    form->create(messages);
    ASSERT_TRUE(messages.empty()) << messages.front().text;
    const std::vector<std::string> actions =
        c.draw ? c.draw(*form, rng) : randomInputs(*form, c, rng);
    std::string args;
    for (const auto& a : actions) args += " " + a;
    SCOPED_TRACE("draw " + std::to_string(draw) + ":" + args);

    const std::string before = form->state().toJson();
    ReportLines report;
    try {
      report = form->calculate();
    } catch (const CalcError& e) {
      FAIL() << "valid inputs failed: " << e.what();
    }
    EXPECT_EQ(form->state().toJson(), before) << "calculate() changed the window";
    EXPECT_GE(report.size(), c.minLines);
    EXPECT_LE(report.size(), c.maxLines);
    if (c.lineCount) EXPECT_EQ(report.size(), c.lineCount(*form, report));
    // The thermal report shows its layer fields as they stand (a catalogue's "0,80").
    std::vector<std::string> shown;
    for (const auto& control : form->state().controls())
      if (control.kind == ControlKind::Edit) shown.push_back(control.text);
    const auto problems = check::reportProblems(report, ",", shown);
    ASSERT_TRUE(problems.empty()) << problems.front();

    // The window shows the report; a failing press must leave it (and all else) as it is.
    form->state().at("Memo1").items = report;
    // (A thermal window whose rows are all "нет" reads no field.)
    std::vector<ControlState*> edits;
    for (auto& control : form->state().controls())
      if (isNumberField(control)) edits.push_back(&control);
    ASSERT_TRUE(!edits.empty() || c.draw);
    std::string message, bad, victimName;
    if (!edits.empty()) {
      ControlState& victim =
          *edits[std::uniform_int_distribution<size_t>(0, edits.size() - 1)(rng)];
      victimName = victim.name;
      bad = kBadTexts[draw % std::size(kBadTexts)];
      victim.text = bad;
      const std::string shownState = form->state().toJson();
      try {
        form->calculate();
      } catch (const CalcError& e) {
        message = e.what();
        ++failedPresses;
      }
      EXPECT_EQ(form->state().toJson(), shownState) << "a press changed the window";
      if (!message.empty() && message != "Floating point overflow.") {
        EXPECT_EQ(message, notAFloatMessage(bad));
      }
    }

    // roofcalc-cli with the same actions, every tenth draw (it reads the data files again).
    if (draw % 10 == 0) {
      std::vector<std::string> argv{c.calculation};
      argv.insert(argv.end(), actions.begin(), actions.end());
      cli::CliOutput out;
      ASSERT_EQ(cli::runCli(argv, ",", out), cli::kOk) << out.err;
      std::string expected;
      for (const auto& line : report) expected += line + "\n";
      EXPECT_EQ(out.out, expected);
      if (!message.empty()) {
        argv.push_back(victimName + "=" + bad);
        out = {};
        EXPECT_EQ(cli::runCli(argv, ",", out), cli::kCalculationFailed);
        EXPECT_EQ(out.out, "") << "a failed calculation printed a report";
        EXPECT_EQ(out.err, message + "\n");
      }
    }
  }
  // Most presses with a bad text in a field that is read must fail; none failing would mean
  // the check above never ran.
  EXPECT_GT(failedPresses, c.draws / 2);
}

INSTANTIATE_TEST_SUITE_P(Calculations, ReportProperties, testing::ValuesIn(kCalculations),
                         [](const testing::TestParamInfo<PropertyCase>& info) {
                           return std::string(info.param.calculation);
                         });

}  // namespace
}  // namespace roofcalc

namespace roofcalc {
namespace {

// The report checks above are only as good as what they flag.
TEST(ReportCheck, FlagsNumbersFloatToStrNeverWrites) {
  using check::misformattedNumbers;
  using V = std::vector<std::string>;
  EXPECT_EQ(misformattedNumbers("Длина кровли: 05 м", ","), V{"05"});
  EXPECT_EQ(misformattedNumbers("q = 1,50 кг/м2", ","), V{"1,50"});
  EXPECT_EQ(misformattedNumbers("Sk - 1,5E+20 м2, Sp - 1e5 м2", ","), (V{"1,5E+20", "1e5"}));
  EXPECT_EQ(misformattedNumbers("k - -0", ","), V{"-0"});
  EXPECT_EQ(misformattedNumbers("Sk - 4613,1 м2; N - 1,5E20; t - -2,25; 0,0001", ","), V{});
  EXPECT_EQ(misformattedNumbers("ширина 1,5 метра (п.6.6, СНиП 2.01.07-85*), G1 - 3 шт.", ","),
            V{});
}

TEST(ReportCheck, FlagsInfinityAndNaNWords) {
  for (const char* bad : {"q = INF кг", "-inf", "k - nan", "-NaN", "Infinity", "5inf"})
    EXPECT_TRUE(check::hasNonFiniteWord(bad)) << bad;
  for (const char* fine : {"INFORMATION", "Financial", "КРЕПЕЖА KORVANT", "1E5"})
    EXPECT_FALSE(check::hasNonFiniteWord(fine)) << fine;
}

}  // namespace
}  // namespace roofcalc
