#pragma once
// Binds the controls of a CalcForm's state to the widgets of the same objectName: push shows
// the state in the widgets, pull takes the user's edits and picks back into the state.
//
// Edit -> QLineEdit, ComboBox -> QComboBox, RadioGroup -> RadioGroupBox,
// RadioButton -> QRadioButton, Memo -> QPlainTextEdit (one block per line).

#include <QStringList>
#include <functional>

#include "frame/report_lines.h"

class QWidget;
class QPlainTextEdit;

namespace roofcalc {
class FormState;
}

namespace roofcalc::gui {

class FormBinding {
 public:
  // Finds the widget of every control of state under root; a missing widget or one of the
  // wrong kind is a fault of the window's layout (std::logic_error).
  void attach(FormState& state, QWidget* root);

  void push() const;
  void pull() const;

  // Calls onPick(name) when the user picks an item of a list, a radio group or a radio button
  // (never when the state is pushed).
  void onUserPick(const std::function<void(const std::string& name)>& onPick);

 private:
  struct Bound {
    std::string name;
    QWidget* widget;
  };
  FormState* state_ = nullptr;
  std::vector<Bound> bound_;
};

void setMemoLines(QPlainTextEdit* memo, const ReportLines& lines);
QStringList memoLines(const QPlainTextEdit* memo);

}  // namespace roofcalc::gui
