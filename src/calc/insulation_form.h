#pragma once
// The insulation window's model: its fields with their defaults and the inputs read in the
// window's fixed order. The window reads no data file.

#include "calc/insulation.h"
#include "frame/calc_form.h"

namespace roofcalc {

class InsulationForm : public CalcForm {
 public:
  explicit InsulationForm(std::string separator);

  void create(Messages& messages) override;
  ReportLines calculate() const override;

  // Reads the fields in the window's order; throws at the first one that fails.
  InsulationInput readInput() const;
};

}  // namespace roofcalc
