#include "cli/calculations.h"

#include "calc/fastener_form.h"
#include "calc/insulation_form.h"
#include "calc/membrane_form.h"
#include "calc/thermal_form.h"
#include "calc/vapour_barrier_form.h"

namespace roofcalc::cli {

namespace {

template <typename Form>
Calculation entry(const char* name) {
  return {name, [](std::string sep) { return std::make_unique<Form>(std::move(sep)); }};
}

}  // namespace

const std::vector<Calculation>& calculations() {
  static const std::vector<Calculation> all{
      entry<FastenerForm>("fastener"),
      entry<MembraneForm>("membrane"),
      entry<ThermalForm>("thermal"),
      entry<InsulationForm>("insulation"),
      entry<VapourBarrierForm>("vapour"),
  };
  return all;
}

const Calculation* findCalculation(std::string_view name) {
  for (const auto& c : calculations())
    if (name == c.name) return &c;
  return nullptr;
}

}  // namespace roofcalc::cli
