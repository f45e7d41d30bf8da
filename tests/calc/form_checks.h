#pragma once
// Checks shared by the tests of the calculation window models.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/calc_error.h"
#include "frame/calc_form.h"

namespace roofcalc::testing_support {

// The text of the error box a press of "Расчет" shows, or "no failure".
inline std::string failureOf(const CalcForm& form) {
  try {
    form.calculate();
  } catch (const CalcError& e) {
    return e.what();
  }
  return "no failure";
}

// Makes every field unreadable, each with a text of its own, then mends them one by one in
// the given order: each press must name the first field still broken, so a field read out of
// order, read twice or not read at all shows up.
inline void expectReadingOrder(CalcForm& form, const std::vector<std::string>& order) {
  std::vector<std::string> defaults;
  for (const auto& name : order) {
    defaults.push_back(form.state().text(name));
    form.state().at(name).text = "x" + name;
  }
  for (size_t i = 0; i < order.size(); ++i) {
    EXPECT_EQ(failureOf(form), "'x" + order[i] + "' is not a valid floating point value.")
        << "after mending " << i << " fields";
    form.state().at(order[i]).text = defaults[i];
  }
  EXPECT_EQ(failureOf(form), "no failure");
}

// Making the report raises an overflow (a value past what its text can hold) instead of
// returning lines.
template <typename MakeReport>
void expectReportOverflows(MakeReport makeReport) {
  try {
    const ReportLines lines = makeReport();
    ADD_FAILURE() << "a report of " << lines.size() << " lines";
  } catch (const FloatFaultError& e) {
    EXPECT_EQ(e.fault(), FloatFault::Overflow);
  }
}

// Compares a report line for line, so that a failure names the line.
inline void expectReport(const ReportLines& actual, const ReportLines& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < actual.size(); ++i) EXPECT_EQ(actual[i], expected[i]) << "line " << i + 1;
}

using Inputs = std::vector<std::pair<std::string, std::string>>;

// A freshly opened window with some controls changed as a user would: edit fields take the
// text, lists the item index written as text.
template <typename Form>
struct OpenedWindow {
  Form form;
  explicit OpenedWindow(const Inputs& inputs = {}, std::string separator = ",")
      : form(std::move(separator)) {
    Messages m;
    form.create(m);
    EXPECT_TRUE(m.empty());
    for (const auto& [name, value] : inputs) {
      ControlState& c = form.state().at(name);
      if (c.kind == ControlKind::ComboBox)
        c.index = std::stoi(value);
      else
        c.text = value;
    }
  }
};

// Inputs typed over the defaults and the report lines they must give, by line number from 1.
struct ReportCase {
  const char* name;
  Inputs inputs;
  std::vector<std::pair<int, std::string>> lines;
};

// Opens the window afresh for each case, presses "Расчет" and checks the line count and lines.
template <typename Form>
void expectReportCases(const std::vector<ReportCase>& cases, size_t lineCount) {
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ReportLines lines = OpenedWindow<Form>(c.inputs).form.calculate();
    ASSERT_EQ(lines.size(), lineCount);
    for (const auto& [number, text] : c.lines) EXPECT_EQ(lines[number - 1], text);
  }
}

}  // namespace roofcalc::testing_support
