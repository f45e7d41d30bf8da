#pragma once
// The membrane window's model: its fields and roll-width lists with their defaults, and the
// inputs read in the window's fixed order.

#include "calc/membrane.h"
#include "frame/calc_form.h"

namespace roofcalc {

class MembraneForm : public CalcForm {
 public:
  explicit MembraneForm(std::string separator);

  void create(Messages& messages) override;  // selects the default roll widths
  ReportLines calculate() const override;

  // Reads the two lists, then the fields in the window's order; throws at the first failure.
  MembraneInput readInput() const;
};

}  // namespace roofcalc
