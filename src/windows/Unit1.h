#pragma once
// The fastener window: the inputs of the fastener calculation, its report, printing.
// The calculation itself is the core's FastenerForm.

#include "frame/calc_window.h"

namespace roofcalc::gui {

class TForm1 : public CalcWindow {
  Q_OBJECT
 public:
  explicit TForm1(QWidget* parent = nullptr);

 public slots:
  void Button1Click();  // "Расчет"
  void Button2Click();  // "Печать"
  void Button3Click();  // "i": the roof scheme
  void Button4Click();  // "i": the terrain types
};

}  // namespace roofcalc::gui
