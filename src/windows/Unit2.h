#pragma once
// The membrane window: membrane and rolls for the roof, its upstands and overlaps. The
// calculation itself is the core's MembraneForm.

#include "frame/calc_window.h"

namespace roofcalc::gui {

class TForm2 : public CalcWindow {
  Q_OBJECT
 public:
  explicit TForm2(QWidget* parent = nullptr);

 public slots:
  void Button1Click();  // "Расчет"
  void Button2Click();  // "Печать"
  void Button3Click();  // "i": the roof scheme
};

}  // namespace roofcalc::gui
