#include "calc/membrane_form.h"

#include "frame/numbers.h"

namespace roofcalc {

MembraneForm::MembraneForm(std::string separator) : CalcForm(std::move(separator)) {
  const std::vector<std::string> widths{"1.0 м", "1.5 м", "2.0 м"};
  state_.addEdit("Edit2", "20");
  state_.addEdit("Edit4", "100");
  state_.addEdit("Edit5", "5");
  state_.addEdit("Edit7", decimal("0", "3"));
  state_.addEdit("Edit8", decimal("0", "2"));
  state_.addEdit("Edit9", "5");
  state_.addEdit("Edit10", "1");
  state_.addEdit("Edit11", decimal("1", "5"));
  state_.addEdit("Edit14", decimal("0", "3"));
  state_.addEdit("Edit13", decimal("0", "2"));
  state_.addComboBox("Membrana1ComboBox", widths, -1);
  state_.addEdit("Edit6", "25");
  state_.addEdit("Edit15", decimal("0", "13"));
  state_.addComboBox("Membrana2ComboBox", widths, -1);
  state_.addEdit("Edit17", "25");
  state_.addEdit("Edit16", decimal("0", "13"));
  state_.addEdit("Edit3", "2");
  state_.addMemo("Memo1", {kNoReportYet});
}

void MembraneForm::create(Messages&) {
  state_.at("Membrana1ComboBox").index = 2;
  state_.at("Membrana2ComboBox").index = 0;
}

MembraneInput MembraneForm::readInput() const {
  const std::string& sep = separator_;
  auto field = [&](const char* name) { return StrToFloat(state_.text(name), sep); };
  MembraneInput in;
  in.bn1 = MembraneRollWidth(state_.index("Membrana1ComboBox"));
  in.bn2 = MembraneRollWidth(state_.index("Membrana2ComboBox"));
  in.B = field("Edit2");
  in.A = field("Edit4");
  in.phi = field("Edit5");
  in.H = field("Edit7");
  in.k = field("Edit8");
  in.N = field("Edit9");
  in.Af = field("Edit10");
  in.Bf = field("Edit11");
  in.Hf = field("Edit14");
  in.Kf = field("Edit13");
  in.ln1 = field("Edit6");
  in.Shn1 = field("Edit15");
  in.ln2 = field("Edit17");
  in.Shn2 = field("Edit16");
  in.Zan = field("Edit3");
  return in;
}

ReportLines MembraneForm::calculate() const {
  const MembraneInput in = readInput();
  const MembraneResult r = ComputeMembrane(in);
  return MembraneReportLines(in, r, separator_);
}

}  // namespace roofcalc
