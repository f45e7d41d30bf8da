#pragma once
// The thermal window: insulation thickness for the climate of a city. The cities, the layer
// rows and what a pick in their lists does belong to the core's ThermalForm; the window lays
// out the controls and binds them to it.

#include "frame/calc_window.h"

namespace roofcalc::gui {

class TForm3 : public CalcWindow {
  Q_OBJECT
 public:
  explicit TForm3(QWidget* parent = nullptr);

 public slots:
  void Button2Click();  // "Расчет"
  void Button3Click();  // "Печать"

 protected:
  void userPickShown(const std::string& name) override;
};

}  // namespace roofcalc::gui
