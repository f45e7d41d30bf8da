#pragma once
// The toolkit-free model of one calculation window: its controls (FormState), what happens
// when the window is created (defaults, data files), when the user picks in a list, and when
// "Расчет" is pressed. A Qt window binds its widgets to it; roofcalc-cli drives it directly.

#include <string>
#include <string_view>

#include "frame/form_state.h"
#include "frame/messages.h"
#include "frame/report_lines.h"

namespace roofcalc {

class CalcForm {
 public:
  explicit CalcForm(std::string separator) : separator_(std::move(separator)) {}
  virtual ~CalcForm() = default;
  CalcForm(const CalcForm&) = delete;
  CalcForm& operator=(const CalcForm&) = delete;

  // FormCreate: defaults and data files; what a window would show while opening goes to messages.
  virtual void create(Messages& messages) = 0;
  // The change handler of a list or radio group, after the user picked an item.
  virtual void changed(std::string_view control) { (void)control; }
  // "Расчет": reads the inputs in the window's order and returns the report.
  // Throws CalcError; the form's state is never changed by a calculation.
  virtual ReportLines calculate() const = 0;

  FormState& state() { return state_; }
  const FormState& state() const { return state_; }
  const std::string& separator() const { return separator_; }

 protected:
  // "1,2" written with the user's separator.
  std::string decimal(std::string_view wholePart, std::string_view fraction) const {
    return std::string(wholePart) + separator_ + std::string(fraction);
  }

  FormState state_;
  std::string separator_;
};

}  // namespace roofcalc
