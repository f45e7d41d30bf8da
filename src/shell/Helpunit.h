#pragma once
// The roof scheme: what the dimension fields of the calculation windows mean.

#include <QPixmap>

#include "shell/reference_dialog.h"

namespace roofcalc::gui {

class THelpForm : public ReferenceDialog {
  Q_OBJECT
 public:
  THelpForm();
  ~THelpForm() override;
};

extern THelpForm* HelpForm;

// The plan of the roof with its width Bк and length Ак, section 1-1 with the slope φк and the
// building height H: black lines on white, 515 x 482.
QPixmap drawRoofScheme();

}  // namespace roofcalc::gui
