#pragma once
// A note on where the description of the methods is kept.

#include "shell/reference_dialog.h"

namespace roofcalc::gui {

class THelp2Form : public ReferenceDialog {
  Q_OBJECT
 public:
  THelp2Form();
  ~THelp2Form() override;
};

extern THelp2Form* Help2Form;

}  // namespace roofcalc::gui
