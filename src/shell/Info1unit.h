#pragma once
// The terrain types of the wind calculation.

#include "shell/reference_dialog.h"

namespace roofcalc::gui {

class TInfo1Form : public ReferenceDialog {
  Q_OBJECT
 public:
  TInfo1Form();
  ~TInfo1Form() override;
};

extern TInfo1Form* Info1Form;

}  // namespace roofcalc::gui
