#include "frame/form_state.h"

#include <stdexcept>

namespace roofcalc {

ControlState& FormState::addEdit(std::string name, std::string text) {
  ControlState c;
  c.name = std::move(name);
  c.kind = ControlKind::Edit;
  c.text = std::move(text);
  return controls_.emplace_back(std::move(c));
}

ControlState& FormState::addComboBox(std::string name, std::vector<std::string> items,
                                     int index) {
  ControlState c;
  c.name = std::move(name);
  c.kind = ControlKind::ComboBox;
  c.items = std::move(items);
  c.index = index;
  return controls_.emplace_back(std::move(c));
}

ControlState& FormState::addRadioGroup(std::string name, std::vector<std::string> items,
                                       int index) {
  ControlState& c = addComboBox(std::move(name), std::move(items), index);
  c.kind = ControlKind::RadioGroup;
  return c;
}

ControlState& FormState::addRadioButton(std::string name, std::string group, bool checked) {
  ControlState c;
  c.name = std::move(name);
  c.kind = ControlKind::RadioButton;
  c.group = std::move(group);
  c.checked = checked;
  return controls_.emplace_back(std::move(c));
}

ControlState& FormState::addMemo(std::string name, std::vector<std::string> lines) {
  ControlState c;
  c.name = std::move(name);
  c.kind = ControlKind::Memo;
  c.items = std::move(lines);
  return controls_.emplace_back(std::move(c));
}

ControlState* FormState::find(std::string_view name) {
  for (auto& c : controls_)
    if (c.name == name) return &c;
  return nullptr;
}

const ControlState* FormState::find(std::string_view name) const {
  for (const auto& c : controls_)
    if (c.name == name) return &c;
  return nullptr;
}

ControlState& FormState::at(std::string_view name) {
  if (ControlState* c = find(name)) return *c;
  throw std::logic_error("no control named " + std::string(name));
}

const ControlState& FormState::at(std::string_view name) const {
  if (const ControlState* c = find(name)) return *c;
  throw std::logic_error("no control named " + std::string(name));
}

std::string FormState::selectedItem(std::string_view name) const {
  const ControlState& c = at(name);
  if (c.index < 0 || static_cast<size_t>(c.index) >= c.items.size()) return {};
  return c.items[static_cast<size_t>(c.index)];
}

void FormState::check(std::string_view radioButton) {
  ControlState& b = at(radioButton);
  for (auto& c : controls_)
    if (c.kind == ControlKind::RadioButton && c.group == b.group) c.checked = false;
  b.checked = true;
}

namespace {

void appendJsonString(std::string& out, std::string_view s) {
  out += '"';
  for (char ch : s) {
    const auto u = static_cast<unsigned char>(ch);
    switch (ch) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (u < 0x20) {
          static const char* hex = "0123456789abcdef";
          out += "\\u00";
          out += hex[u >> 4];
          out += hex[u & 15];
        } else {
          out += ch;
        }
    }
  }
  out += '"';
}

const char* kindName(ControlKind k) {
  switch (k) {
    case ControlKind::Edit:
      return "edit";
    case ControlKind::ComboBox:
      return "combobox";
    case ControlKind::RadioGroup:
      return "radiogroup";
    case ControlKind::RadioButton:
      return "radiobutton";
    case ControlKind::Memo:
      return "memo";
  }
  return "edit";
}

}  // namespace

std::string FormState::toJson() const {
  std::string out = "{\n";
  bool first = true;
  for (const auto& c : controls_) {
    if (!first) out += ",\n";
    first = false;
    out += "  ";
    appendJsonString(out, c.name);
    out += ": {\"kind\": ";
    appendJsonString(out, kindName(c.kind));
    switch (c.kind) {
      case ControlKind::Edit:
        out += ", \"text\": ";
        appendJsonString(out, c.text);
        break;
      case ControlKind::RadioButton:
        out += c.checked ? ", \"checked\": true" : ", \"checked\": false";
        break;
      case ControlKind::ComboBox:
      case ControlKind::RadioGroup:
      case ControlKind::Memo:
        out += c.kind == ControlKind::Memo ? ", \"lines\": [" : ", \"items\": [";
        for (size_t i = 0; i < c.items.size(); ++i) {
          if (i) out += ", ";
          appendJsonString(out, c.items[i]);
        }
        out += "]";
        if (c.kind != ControlKind::Memo) {
          out += ", \"index\": " + std::to_string(c.index);
          out += ", \"text\": ";
          appendJsonString(out, selectedItem(c.name));
        }
        break;
    }
    out += c.enabled ? ", \"enabled\": true" : ", \"enabled\": false";
    out += c.visible ? ", \"visible\": true}" : ", \"visible\": false}";
  }
  out += "\n}\n";
  return out;
}

}  // namespace roofcalc
