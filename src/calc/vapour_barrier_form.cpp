#include "calc/vapour_barrier_form.h"

#include "frame/numbers.h"

namespace roofcalc {

VapourBarrierForm::VapourBarrierForm(std::string separator) : CalcForm(std::move(separator)) {
  state_.addEdit("Edit2", "10");
  state_.addEdit("Edit4", "500");
  state_.addEdit("Edit5", "4");
  state_.addEdit("Edit6", "60");
  state_.addEdit("Edit7", "10");
  state_.addEdit("Edit10", "3");
  state_.addEdit("Edit11", "40");
  state_.addEdit("Edit3", "1");
  state_.addMemo("Memo1", {kNoReportYet});
}

// Everything is in place from the constructor; the window only sizes its memo.
void VapourBarrierForm::create(Messages&) {}

VapourBarrierInput VapourBarrierForm::readInput() const {
  const std::string& sep = separator_;
  auto field = [&](const char* name) { return StrToFloat(state_.text(name), sep); };
  VapourBarrierInput in;
  in.W = field("Edit2");
  in.L = field("Edit4");
  in.phi = field("Edit5");
  in.H = field("Edit7");
  in.delta = field("Edit6");
  in.a = field("Edit11");
  in.b = field("Edit10");
  in.R = field("Edit3");
  return in;
}

ReportLines VapourBarrierForm::calculate() const {
  const VapourBarrierInput in = readInput();
  const VapourBarrierResult r = ComputeVapourBarrier(in);
  return VapourBarrierReportLines(in, r, separator_);
}

}  // namespace roofcalc
