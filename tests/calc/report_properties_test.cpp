// Properties of every calculation over thousands of random valid inputs (seeded, so a failure
// replays; ROOFCALC_PROPERTY_SEED picks another seed):
//  - the report has the calculation's line count, every number in it is finite and written as
//    FloatToStr writes it;
//  - a press that fails leaves the window's state, its report included, exactly as it was;
//  - roofcalc-cli given the same actions prints the same report, and on a failure prints none.
// A calculation joins with one entry in kCalculations; its inputs are drawn from its window's
// own controls (a random item of each list, a random number in each enabled field).

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
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

struct PropertyCase {
  const char* calculation;  // as roofcalc-cli names it
  size_t minLines, maxLines;
  // Fields whose valid values lie elsewhere than the default range.
  std::map<std::string, Range> ranges = {};
  int draws = 3000;
};

// Dimensions, strengths, thicknesses and percentages: from a hundredth to ten thousand.
constexpr Range kDefaultRange{0.01, 10000};

void PrintTo(const PropertyCase& c, std::ostream* os) {
  *os << c.calculation;
}

const PropertyCase kCalculations[] = {
    {"fastener", 35, 38, {{"Edit5", {0, 60}}}},
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
    const std::vector<std::string> actions = randomInputs(*form, c, rng);
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
    const auto problems = check::reportProblems(report, ",");
    ASSERT_TRUE(problems.empty()) << problems.front();

    // The window shows the report; a failing press must leave it (and all else) as it is.
    form->state().at("Memo1").items = report;
    std::vector<ControlState*> edits;
    for (auto& control : form->state().controls())
      if (control.kind == ControlKind::Edit && control.enabled && control.visible)
        edits.push_back(&control);
    ASSERT_FALSE(edits.empty());
    ControlState& victim = *edits[std::uniform_int_distribution<size_t>(0, edits.size() - 1)(rng)];
    const std::string bad = kBadTexts[draw % std::size(kBadTexts)];
    victim.text = bad;
    const std::string shown = form->state().toJson();
    std::string message;
    try {
      form->calculate();
    } catch (const CalcError& e) {
      message = e.what();
      ++failedPresses;
    }
    EXPECT_EQ(form->state().toJson(), shown) << "a press changed the window";
    if (!message.empty() && message != "Floating point overflow.") {
      EXPECT_EQ(message, notAFloatMessage(bad));
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
        argv.push_back(victim.name + "=" + bad);
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
