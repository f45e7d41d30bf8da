#pragma once
// The vapour barrier window's model: its fields with their defaults and the inputs read in the
// window's fixed order. The window reads no data file.

#include "calc/vapour_barrier.h"
#include "frame/calc_form.h"

namespace roofcalc {

class VapourBarrierForm : public CalcForm {
 public:
  explicit VapourBarrierForm(std::string separator);

  void create(Messages& messages) override;
  ReportLines calculate() const override;

  // Reads the fields in the window's order; throws at the first one that fails.
  VapourBarrierInput readInput() const;
};

}  // namespace roofcalc
