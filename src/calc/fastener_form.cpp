#include "calc/fastener_form.h"

#include "frame/calc_error.h"
#include "frame/numbers.h"

namespace roofcalc {

FastenerForm::FastenerForm(std::string separator) : CalcForm(std::move(separator)) {
  const std::vector<std::string> widths{"1.0 м", "1.5 м", "2.0 м"};
  state_.addEdit("Edit1", "60");
  state_.addRadioGroup("RadioGroup2", {"Fkp, кгс/5см", "Fмпа, МПа"}, 0);
  state_.addEdit("Edit7", decimal("1", "2"));
  state_.addComboBox("Membrana1ComboBox", widths, -1);
  state_.addComboBox("Membrana2ComboBox", widths, -1);
  state_.addComboBox("RegionComboBox", {}, -1);
  state_.addEdit("Edit4", "150");
  state_.addEdit("Edit2", "30");
  state_.addEdit("Edit5", "10");
  state_.addEdit("Edit6", "15");
  state_.addRadioButton("RadioButton1", "terrain", true);
  state_.addRadioButton("RadioButton2", "terrain", false);
  state_.addRadioButton("RadioButton3", "terrain", false);
  state_.addEdit("Edit3", "5");
  state_.addMemo("Memo1", {kNoReportYet});
}

void FastenerForm::setRegions(WindRegionTable table) {
  regions_ = std::move(table);
  ControlState& list = state_.at("RegionComboBox");
  list.items = regions_.names;
  list.index = regions_.selected;
}

void FastenerForm::createWithTable(WindRegionTable table) {
  state_.at("Membrana1ComboBox").index = 2;
  state_.at("Membrana2ComboBox").index = 1;
  setRegions(std::move(table));
}

void FastenerForm::create(Messages& messages) {
  state_.at("Membrana1ComboBox").index = 2;
  state_.at("Membrana2ComboBox").index = 1;
  setRegions(loadWindTable(separator_, messages));
}

FastenerInput FastenerForm::readInput() const {
  const std::string& sep = separator_;
  FastenerInput in;
  in.strengthText = state_.text("Edit1");
  in.F = StrToFloat(in.strengthText, sep);
  in.t = StrToFloat(state_.text("Edit7"), sep);
  in.unit = state_.index("RadioGroup2") == 1 ? StrengthUnit::MPa : StrengthUnit::KgfPer5cm;
  in.bc = sheetWidthOfItem(state_.index("Membrana1ComboBox"));
  in.be = sheetWidthOfItem(state_.index("Membrana2ComboBox"));
  // Without a region (no file, one record, a failed reading or the failed record picked)
  // there is no wind value to compute with.
  const int region = state_.index("RegionComboBox");
  if (!regions_.hasValue(region)) throw CalcError(kNoRegionSelected);
  in.regionValue = regions_.values[static_cast<size_t>(region)];
  in.regionName = regions_.names[static_cast<size_t>(region)];
  in.B = StrToFloat(state_.text("Edit2"), sep);
  in.A = StrToFloat(state_.text("Edit4"), sep);
  in.phi = StrToFloat(state_.text("Edit5"), sep);
  in.H = StrToFloat(state_.text("Edit6"), sep);
  in.Z = StrToFloat(state_.text("Edit3"), sep);
  if (state_.at("RadioButton2").checked)
    in.terrain = TerrainType::B;
  else if (state_.at("RadioButton3").checked)
    in.terrain = TerrainType::C;
  else
    in.terrain = TerrainType::A;
  return in;
}

ReportLines FastenerForm::calculate() const {
  const FastenerInput in = readInput();
  const FastenerResult r = computeFastener(in);
  return fastenerReportLines(in, r, separator_);
}

}  // namespace roofcalc
