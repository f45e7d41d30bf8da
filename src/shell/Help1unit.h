#pragma once
// A short guide to working with the program.

#include "shell/reference_dialog.h"

namespace roofcalc::gui {

class THelp1Form : public ReferenceDialog {
  Q_OBJECT
 public:
  THelp1Form();
  ~THelp1Form() override;

 private:
  void addGuide();
};

extern THelp1Form* Help1Form;

}  // namespace roofcalc::gui
