#pragma once
// The model of a calculation window whose inputs are not built yet: only its result memo.
// "Расчет" leaves the placeholder as it is.

#include "frame/calc_form.h"

namespace roofcalc::gui {

class PendingForm : public CalcForm {
 public:
  explicit PendingForm(std::string separator) : CalcForm(std::move(separator)) {
    state_.addMemo("Memo1", {kNoReportYet});
  }
  void create(Messages&) override {}
  ReportLines calculate() const override { return state_.at("Memo1").items; }
};

}  // namespace roofcalc::gui
