#include "calc/insulation_form.h"

#include "frame/numbers.h"

namespace roofcalc {

InsulationForm::InsulationForm(std::string separator) : CalcForm(std::move(separator)) {
  state_.addEdit("Edit4", "500");
  state_.addEdit("Edit2", "10");
  state_.addEdit("Edit5", "4");
  state_.addEdit("Edit6", "60");
  state_.addEdit("Edit7", decimal("0", "2"));
  state_.addEdit("Edit9", "5");
  state_.addEdit("Edit10", "2");
  state_.addEdit("Edit11", "3");
  state_.addEdit("Edit14", decimal("0", "3"));
  state_.addEdit("Edit3", "5");
  state_.addMemo("Memo1", {kNoReportYet});
}

// Everything is in place from the constructor; the window only sizes its memo.
void InsulationForm::create(Messages&) {}

InsulationInput InsulationForm::readInput() const {
  const std::string& sep = separator_;
  auto field = [&](const char* name) { return StrToFloat(state_.text(name), sep); };
  InsulationInput in;
  in.B = field("Edit2");
  in.A = field("Edit4");
  in.phi = field("Edit5");
  in.H = field("Edit7");
  in.delta = field("Edit6");
  in.N = field("Edit9");
  in.Af = field("Edit10");
  in.Bf = field("Edit11");
  in.Hf = field("Edit14");
  in.Z = field("Edit3");
  return in;
}

ReportLines InsulationForm::calculate() const {
  const InsulationInput in = readInput();
  const InsulationResult r = ComputeInsulation(in);
  return InsulationReportLines(in, r, separator_);
}

}  // namespace roofcalc
