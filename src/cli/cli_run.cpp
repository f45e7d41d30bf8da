#include "cli/cli_run.h"

#include <charconv>

#include "cli/calculations.h"
#include "frame/calc_error.h"
#include "frame/text_encoding.h"

namespace roofcalc::cli {

namespace {

std::string usage() {
  std::string u =
      "usage: roofcalc-cli CALC [NAME=VALUE ...] [--state] [--encoding=utf-8|cp1251]\n"
      "CALC is one of:";
  for (const auto& c : calculations()) {
    u += ' ';
    u += c.name;
  }
  u += "\n";
  return u;
}

bool parseIndex(const std::string& text, int& index) {
  if (text.empty()) return false;
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), index);
  return ec == std::errc() && ptr == text.data() + text.size();
}

// Applies one NAME=VALUE as the user's action on the window; returns an error text or "".
std::string applyAction(CalcForm& form, const std::string& name, const std::string& value) {
  ControlState* c = form.state().find(name);
  if (!c || c->kind == ControlKind::Memo) return "unknown control '" + name + "'";
  if (!c->enabled || !c->visible)
    return "control '" + name + "' is " + (c->visible ? "disabled" : "hidden");
  switch (c->kind) {
    case ControlKind::Edit:
      c->text = value;
      return {};
    case ControlKind::ComboBox:
    case ControlKind::RadioGroup: {
      int index = -1;
      if (!parseIndex(value, index) || index < 0 || static_cast<size_t>(index) >= c->items.size())
        return "bad index '" + value + "' for '" + name + "' (" + std::to_string(c->items.size()) +
               " items)";
      c->index = index;
      form.changed(name);
      return {};
    }
    case ControlKind::RadioButton:
      if (value != "1") return "radio button '" + name + "' takes 1";
      form.state().check(name);
      form.changed(name);
      return {};
    case ControlKind::Memo:
      break;
  }
  return "unknown control '" + name + "'";
}

}  // namespace

int runCli(const std::vector<std::string>& args, const std::string& separator, CliOutput& output) {
  bool printState = false;
  bool cp1251 = false;
  const Calculation* calculation = nullptr;
  std::vector<std::pair<std::string, std::string>> actions;

  for (const auto& arg : args) {
    if (arg == "--state") {
      printState = true;
    } else if (arg == "--encoding=utf-8" || arg == "--encoding=UTF-8") {
      cp1251 = false;
    } else if (arg == "--encoding=cp1251" || arg == "--encoding=CP1251") {
      cp1251 = true;
    } else if (arg == "--help" || arg == "-h") {
      output.out += usage();
      return kOk;
    } else if (arg.starts_with("--")) {
      output.err += "roofcalc-cli: unknown option '" + arg + "'\n" + usage();
      return kUsageError;
    } else if (!calculation) {
      calculation = findCalculation(arg);
      if (!calculation) {
        output.err += "roofcalc-cli: unknown calculation '" + arg + "'\n" + usage();
        return kUsageError;
      }
    } else {
      const auto eq = arg.find('=');
      if (eq == std::string::npos || eq == 0) {
        output.err += "roofcalc-cli: expected NAME=VALUE, got '" + arg + "'\n" + usage();
        return kUsageError;
      }
      actions.emplace_back(arg.substr(0, eq), arg.substr(eq + 1));
    }
  }
  if (!calculation) {
    output.err += usage();
    return kUsageError;
  }

  auto encode = [cp1251](const std::string& utf8) {
    return cp1251 ? utf8ToCp1251(utf8) : utf8;
  };

  auto form = calculation->make(separator);
  Messages messages;
  form->create(messages);
  for (const auto& m : messages) output.err += encode(m.text) + "\n";

  for (const auto& [name, value] : actions) {
    const std::string problem = applyAction(*form, name, value);
    if (!problem.empty()) {
      output.err += "roofcalc-cli: " + problem + "\n";
      return kUsageError;
    }
  }

  if (printState) {
    output.out += encode(form->state().toJson());
    return kOk;
  }
  try {
    for (const auto& line : form->calculate()) output.out += encode(line) + "\n";
  } catch (const CalcError& e) {
    output.err += encode(e.what()) + "\n";
    return kCalculationFailed;
  }
  return kOk;
}

}  // namespace roofcalc::cli
