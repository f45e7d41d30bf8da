#pragma once
// The fastener window's model: its controls with their defaults, the region list from
// wind.txt, and the inputs read in the window's fixed order.

#include "calc/fastener.h"
#include "data/wind_table.h"
#include "frame/calc_form.h"

namespace roofcalc {

inline constexpr const char* kNoRegionSelected = "Выберите район строительства.";

class FastenerForm : public CalcForm {
 public:
  explicit FastenerForm(std::string separator);

  void create(Messages& messages) override;  // reads wind.txt by the look-up rule
  void createWithTable(WindRegionTable table);
  ReportLines calculate() const override;

  // Reads every input in the order of the window; throws at the first one that fails.
  FastenerInput readInput() const;
  const WindRegionTable& regions() const { return regions_; }

 private:
  void setRegions(WindRegionTable table);
  WindRegionTable regions_;
};

}  // namespace roofcalc
