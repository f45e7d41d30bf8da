#pragma once
// The calculations roofcalc-cli knows, by the name given on its command line.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "frame/calc_form.h"

namespace roofcalc::cli {

struct Calculation {
  const char* name;
  std::function<std::unique_ptr<CalcForm>(std::string separator)> make;
};

const std::vector<Calculation>& calculations();
const Calculation* findCalculation(std::string_view name);

}  // namespace roofcalc::cli
