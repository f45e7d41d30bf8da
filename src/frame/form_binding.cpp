#include "frame/form_binding.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextBlock>
#include <stdexcept>

#include "frame/form_state.h"
#include "frame/radio_group_box.h"

namespace roofcalc::gui {

namespace {

QString q(const std::string& s) {
  return QString::fromStdString(s);
}

QStringList toQt(const std::vector<std::string>& items) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(items.size()));
  for (const auto& s : items) list << q(s);
  return list;
}

bool hasKind(QWidget* w, ControlKind kind) {
  switch (kind) {
    case ControlKind::Edit:
      return qobject_cast<QLineEdit*>(w);
    case ControlKind::ComboBox:
      return qobject_cast<QComboBox*>(w);
    case ControlKind::RadioGroup:
      return qobject_cast<RadioGroupBox*>(w);
    case ControlKind::RadioButton:
      return qobject_cast<QRadioButton*>(w);
    case ControlKind::Memo:
      return qobject_cast<QPlainTextEdit*>(w);
  }
  return false;
}

}  // namespace

void setMemoLines(QPlainTextEdit* memo, const ReportLines& lines) {
  memo->setPlainText(toQt(lines).join(u'\n'));
}

QStringList memoLines(const QPlainTextEdit* memo) {
  QStringList lines;
  for (QTextBlock b = memo->document()->firstBlock(); b.isValid(); b = b.next()) lines << b.text();
  return lines;
}

void FormBinding::attach(FormState& state, QWidget* root) {
  state_ = &state;
  bound_.clear();
  for (const ControlState& c : state.controls()) {
    auto* w = root->findChild<QWidget*>(q(c.name));
    if (!w || !hasKind(w, c.kind))
      throw std::logic_error("the window has no widget for the control " + c.name);
    bound_.push_back({c.name, w});
  }
}

void FormBinding::push() const {
  for (const Bound& b : bound_) {
    const ControlState& c = state_->at(b.name);
    switch (c.kind) {
      case ControlKind::Edit: {
        auto* edit = static_cast<QLineEdit*>(b.widget);
        if (edit->text() != q(c.text)) edit->setText(q(c.text));
        break;
      }
      case ControlKind::ComboBox: {
        auto* combo = static_cast<QComboBox*>(b.widget);
        const QSignalBlocker quiet(combo);
        const QStringList items = toQt(c.items);
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
        if (shown != items) {
          combo->clear();
          combo->addItems(items);
        }
        combo->setCurrentIndex(c.index);
        break;
      }
      case ControlKind::RadioGroup: {
        auto* group = static_cast<RadioGroupBox*>(b.widget);
        group->setItems(toQt(c.items));
        group->setItemIndex(c.index);
        break;
      }
      case ControlKind::RadioButton:
        static_cast<QRadioButton*>(b.widget)->setChecked(c.checked);
        break;
      case ControlKind::Memo: {
        // Setting the text again would scroll the report back to its top after every pick.
        auto* memo = static_cast<QPlainTextEdit*>(b.widget);
        const QStringList lines = toQt(c.items);
        if (memoLines(memo) != lines) memo->setPlainText(lines.join(u'\n'));
        break;
      }
    }
    b.widget->setEnabled(c.enabled);
    b.widget->setHidden(!c.visible);
  }
}

void FormBinding::pull() const {
  for (const Bound& b : bound_) {
    ControlState& c = state_->at(b.name);
    switch (c.kind) {
      case ControlKind::Edit:
        c.text = static_cast<QLineEdit*>(b.widget)->text().toStdString();
        break;
      case ControlKind::ComboBox:
        c.index = static_cast<QComboBox*>(b.widget)->currentIndex();
        break;
      case ControlKind::RadioGroup:
        c.index = static_cast<RadioGroupBox*>(b.widget)->itemIndex();
        break;
      case ControlKind::RadioButton:
        c.checked = static_cast<QRadioButton*>(b.widget)->isChecked();
        break;
      case ControlKind::Memo: {
        c.items.clear();
        for (const QString& line : memoLines(static_cast<QPlainTextEdit*>(b.widget)))
          c.items.push_back(line.toStdString());
        break;
      }
    }
  }
}

void FormBinding::onUserPick(const std::function<void(const std::string& name)>& onPick) {
  for (const Bound& b : bound_) {
    const std::string name = b.name;
    if (auto* combo = qobject_cast<QComboBox*>(b.widget))
      QObject::connect(combo, &QComboBox::activated, combo, [onPick, name] { onPick(name); });
    else if (auto* group = qobject_cast<RadioGroupBox*>(b.widget))
      QObject::connect(group, &RadioGroupBox::itemPicked, group, [onPick, name] { onPick(name); });
    else if (auto* radio = qobject_cast<QRadioButton*>(b.widget))
      QObject::connect(radio, &QRadioButton::clicked, radio, [onPick, name] { onPick(name); });
  }
}

}  // namespace roofcalc::gui
