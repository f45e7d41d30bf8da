#pragma once
// The vapour barrier window: the area of vapour barrier film for the roof.

#include "frame/calc_window.h"

namespace roofcalc::gui {

class TForm5 : public CalcWindow {
  Q_OBJECT
 public:
  explicit TForm5(QWidget* parent = nullptr);

 public slots:
  void Button2Click();  // "Расчет"
  void Button3Click();  // "Печать"
};

}  // namespace roofcalc::gui
