#pragma once
// The thermal window: insulation thickness for the climate of a city.

#include "frame/calc_window.h"

namespace roofcalc::gui {

class TForm3 : public CalcWindow {
  Q_OBJECT
 public:
  explicit TForm3(QWidget* parent = nullptr);

 public slots:
  void Button2Click();  // "Расчет"
  void Button3Click();  // "Печать"
};

}  // namespace roofcalc::gui
