#pragma once
// A toolkit-free picture of a calculation window's controls: what each named control shows,
// which item it has selected, whether it is enabled and visible. The windows bind their
// widgets to it, the CLI drives it directly, and the calculations read their inputs from it,
// so all three run the same code.

#include <string>
#include <string_view>
#include <vector>

namespace roofcalc {

enum class ControlKind { Edit, ComboBox, RadioGroup, RadioButton, Memo };

struct ControlState {
  std::string name;
  ControlKind kind = ControlKind::Edit;
  std::string text;                // Edit
  std::vector<std::string> items;  // ComboBox, RadioGroup items; Memo lines
  int index = -1;                  // ComboBox, RadioGroup
  bool checked = false;            // RadioButton
  std::string group;               // RadioButton: buttons of one group exclude each other
  bool enabled = true;
  bool visible = true;
};

class FormState {
 public:
  ControlState& addEdit(std::string name, std::string text);
  ControlState& addComboBox(std::string name, std::vector<std::string> items, int index);
  ControlState& addRadioGroup(std::string name, std::vector<std::string> items, int index);
  ControlState& addRadioButton(std::string name, std::string group, bool checked);
  ControlState& addMemo(std::string name, std::vector<std::string> lines);

  ControlState* find(std::string_view name);
  const ControlState* find(std::string_view name) const;
  // For names the form itself defines; a missing one is a programming error (std::logic_error).
  ControlState& at(std::string_view name);
  const ControlState& at(std::string_view name) const;

  const std::string& text(std::string_view name) const { return at(name).text; }
  int index(std::string_view name) const { return at(name).index; }
  // The text of the selected item, empty when none is selected.
  std::string selectedItem(std::string_view name) const;
  void check(std::string_view radioButton);  // unchecks the rest of its group

  const std::vector<ControlState>& controls() const { return controls_; }
  std::vector<ControlState>& controls() { return controls_; }

  std::string toJson() const;

 private:
  std::vector<ControlState> controls_;
};

}  // namespace roofcalc
