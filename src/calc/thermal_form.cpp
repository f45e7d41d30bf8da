#include "calc/thermal_form.h"

#include <string>

#include "frame/calc_error.h"
#include "frame/extended.h"
#include "frame/numbers.h"

namespace roofcalc {

namespace {

std::string rowControl(const char* base, size_t row) {
  return base + std::to_string(row);
}

constexpr int kNone = 0;
constexpr int kUserDefined = 1;
constexpr int kDefaultTemperatureItem = 10;  // "20"

}  // namespace

ThermalForm::ThermalForm(std::string separator) : CalcForm(std::move(separator)) {
  state_.addComboBox("RegionCombo", {}, -1);
  state_.addComboBox("PomCombo", {"жилое", "общественное", "производственное"}, -1);
  state_.addComboBox("OgrCombo",
                     {"наружная стена", "покрытие или перекрытие над проездами (кровля)",
                      "перекрытие чердачное, над холодными подпольями и подвалами"},
                     -1);
  state_.addComboBox("TipCombo", {"тип Н2 или Н1", "тип Н4"}, -1);
  std::vector<std::string> temperatures;
  for (int t = 10; t <= 25; ++t) temperatures.push_back(std::to_string(t));
  state_.addComboBox("TemCombo", std::move(temperatures), -1);
  for (size_t row = 1; row <= kLayerRows; ++row) {
    state_.addComboBox(rowControl("MatCombo", row), {"нет", "Пользовательский"}, -1);
    state_.addEdit(rowControl("NameEdit", row), "").visible = false;
    state_.addEdit(rowControl("lamEdit", row), "100").enabled = false;
    state_.addEdit(rowControl("dEdit", row), "20").enabled = false;
  }
  state_.addMemo("Memo1", {kNoReportYet});
  state_.addMemo("Memo2", {"Memo2"}).visible = false;
}

const char* ThermalForm::nameEditHint(int materialIndex) {
  return materialIndex >= static_cast<int>(MaterialCatalogue::kFixedItems)
             ? "Плотность материала"
             : "Введите название материала";
}

void ThermalForm::selectListDefaults() {
  state_.at("OgrCombo").index = 0;
  state_.at("TipCombo").index = 0;
  state_.at("PomCombo").index = 0;
  state_.at("TemCombo").index = kDefaultTemperatureItem;
}

void ThermalForm::create(Messages& messages) {
  ClimateTable climate = loadClimateTable(separator_, messages);
  std::optional<MaterialCatalogue> catalogue;
  if (climate.complete) {
    MaterialCatalogue read;
    if (loadMaterialCatalogue(read, messages)) catalogue = std::move(read);
  }
  createWithData(std::move(climate), std::move(catalogue));
}

void ThermalForm::createWithData(ClimateTable climate, std::optional<MaterialCatalogue> catalogue) {
  selectListDefaults();
  climate_ = std::move(climate);
  ControlState& cities = state_.at("RegionCombo");
  cities.items = climate_.names;
  cities.index = climate_.selected;
  if (!climate_.complete || !catalogue) return;

  catalogue_ = std::move(*catalogue);
  state_.at("Memo2").items = catalogue_.lines;
  for (size_t row = 1; row <= kLayerRows; ++row) {
    ControlState& list = state_.at(rowControl("MatCombo", row));
    list.items.resize(MaterialCatalogue::kFixedItems);
    list.items.insert(list.items.end(), catalogue_.items.begin(), catalogue_.items.end());
    // Selected from code: the rows keep their initial state.
    list.index = kNone;
  }
}

const std::string& ThermalForm::conductivityForZone(const Material& m) const {
  // Without a city (an empty klimat.txt) there is no zone; zone А stands in, and the
  // calculation refuses anyway.
  const int city = state_.index("RegionCombo");
  const bool zoneB =
      climate_.hasEntry(city) && climate_.entries[static_cast<size_t>(city)].zone != 0;
  return zoneB ? m.conductivityB : m.conductivityA;
}

void ThermalForm::materialChanged(int row) {
  const size_t r = static_cast<size_t>(row);
  ControlState& name = state_.at(rowControl("NameEdit", r));
  ControlState& conductivity = state_.at(rowControl("lamEdit", r));
  ControlState& thickness = state_.at(rowControl("dEdit", r));
  const int index = state_.index(rowControl("MatCombo", r));
  if (index == kNone) {
    name.visible = false;
    conductivity.enabled = false;
    thickness.enabled = false;
  } else if (index == kUserDefined) {
    name.visible = true;
    name.enabled = true;
    conductivity.enabled = true;
    conductivity.text = "0";
    name.text.clear();
    thickness.enabled = true;
  } else if (const Material* m = catalogue_.atListIndex(index)) {
    name.visible = true;
    conductivity.enabled = false;
    name.enabled = false;
    conductivity.text = conductivityForZone(*m);
    name.text = m->density;
    thickness.enabled = true;
  }
}

void ThermalForm::changed(std::string_view control) {
  if (control == "RegionCombo") {
    for (size_t row = 1; row <= kLayerRows; ++row) {
      if (const Material* m = catalogue_.atListIndex(state_.index(rowControl("MatCombo", row))))
        state_.at(rowControl("lamEdit", row)).text = conductivityForZone(*m);
    }
    return;
  }
  for (size_t row = 1; row <= kLayerRows; ++row) {
    if (control == rowControl("MatCombo", row)) {
      materialChanged(static_cast<int>(row));
      return;
    }
  }
}

ThermalInput ThermalForm::readInput() const {
  const std::string& sep = separator_;
  ThermalInput in;
  in.insideTemperature = state_.index("TemCombo") + 10;
  in.temperatureText = state_.selectedItem("TemCombo");

  // Without a city (no file, a failed reading, or the failed record picked) there is no climate
  // to compute with.
  const int city = state_.index("RegionCombo");
  if (!climate_.hasEntry(city)) throw CalcError(kNoCitySelected);
  in.climate = climate_.entries[static_cast<size_t>(city)];
  in.cityText = state_.selectedItem("RegionCombo");

  in.constructionType = state_.index("OgrCombo");
  in.constructionText = state_.selectedItem("OgrCombo");
  in.roomType = state_.index("PomCombo");
  in.roomText = state_.selectedItem("PomCombo");
  in.boardType = state_.index("TipCombo");
  in.boardText = state_.selectedItem("TipCombo");

  for (size_t row = 1; row <= kLayerRows; ++row) {
    ThermalLayer& layer = in.layers[row - 1];
    const std::string list = rowControl("MatCombo", row);
    const int index = state_.index(list);
    if (index == kNone) continue;
    layer.choice = index < 0               ? LayerChoice::Unselected
                   : index == kUserDefined ? LayerChoice::UserDefined
                                           : LayerChoice::Catalogue;
    layer.conductivityText = state_.text(rowControl("lamEdit", row));
    layer.thicknessText = state_.text(rowControl("dEdit", row));
    if (layer.choice == LayerChoice::UserDefined)
      layer.nameText = state_.text(rowControl("NameEdit", row));
    else if (layer.choice == LayerChoice::Catalogue)
      layer.nameText = state_.selectedItem(list);
    layer.conductivity = StrToFloat(layer.conductivityText, sep);
    layer.thickness = store(static_cast<ext>(StrToFloat(layer.thicknessText, sep)) * 0.001L);
  }
  return in;
}

ReportLines ThermalForm::calculate() const {
  const ThermalInput in = readInput();
  const ThermalResult r = computeThermal(in);
  return thermalReportLines(in, r, separator_);
}

}  // namespace roofcalc
