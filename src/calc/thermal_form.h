#pragma once
// The thermal window's model: the city list from klimat.txt, the five layer rows with the
// material lists from materials.txt, what a pick in those lists does to a row's fields, and the
// inputs read in the window's fixed order.

#include <optional>

#include "calc/thermal.h"
#include "data/climate_table.h"
#include "data/material_catalogue.h"
#include "frame/calc_form.h"

namespace roofcalc {

inline constexpr const char* kNoCitySelected = "Выберите местонахождение.";

class ThermalForm : public CalcForm {
 public:
  explicit ThermalForm(std::string separator);

  // FormCreate: list defaults, then klimat.txt, then materials.txt only if the climate was read
  // without a failure.
  void create(Messages& messages) override;
  // The same with the files already read; the catalogue is ignored unless the climate is complete.
  void createWithData(ClimateTable climate, std::optional<MaterialCatalogue> catalogue);
  // "RegionCombo": the catalogue rows follow the new city's zone. "MatCombo1".."MatCombo5": the
  // row's fields follow the picked item.
  void changed(std::string_view control) override;
  ReportLines calculate() const override;

  // Reads every input in the window's order; throws at the first one that fails.
  ThermalInput readInput() const;

  const ClimateTable& climate() const { return climate_; }
  const MaterialCatalogue& catalogue() const { return catalogue_; }

  // The name field's hint follows the row: the density of a catalogue material, else a prompt.
  static const char* nameEditHint(int materialIndex);

 private:
  void selectListDefaults();
  void materialChanged(int row);
  // The conductivity text of a catalogue material for the selected city's zone.
  const std::string& conductivityForZone(const Material& m) const;

  ClimateTable climate_;
  MaterialCatalogue catalogue_;
};

}  // namespace roofcalc
