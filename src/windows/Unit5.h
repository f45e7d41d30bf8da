#pragma once
// The vapour barrier window: the area of vapour barrier film for the roof. The calculation
// itself is the core's VapourBarrierForm. Its layout was drawn at 120 pixels per inch.

#include "frame/calc_window.h"

namespace roofcalc::gui {

class TForm5 : public CalcWindow {
  Q_OBJECT
 public:
  explicit TForm5(QWidget* parent = nullptr);

 public slots:
  void Button2Click();  // "Расчет"
  void Button3Click();  // "Печать"
  void Button4Click();  // "i": the roof scheme
};

}  // namespace roofcalc::gui
