#pragma once
// The insulation window: the volume of insulation boards for the roof. The calculation itself
// is the core's InsulationForm.

#include "frame/calc_window.h"

namespace roofcalc::gui {

class TForm4 : public CalcWindow {
  Q_OBJECT
 public:
  explicit TForm4(QWidget* parent = nullptr);

 public slots:
  void Button2Click();  // "Расчет"
  void Button3Click();  // "Печать"
  void Button4Click();  // "i": the roof scheme
};

}  // namespace roofcalc::gui
