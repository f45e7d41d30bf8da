#include "frame/radio_group_box.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QRadioButton>

namespace roofcalc::gui {

RadioGroupBox::RadioGroupBox(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this)) {
  connect(buttons_, &QButtonGroup::idClicked, this, &RadioGroupBox::itemPicked);
}

void RadioGroupBox::setItems(const QStringList& items) {
  if (items == this->items()) return;
  for (QAbstractButton* b : buttons_->buttons()) {
    buttons_->removeButton(b);
    delete b;
  }
  for (int i = 0; i < items.size(); ++i) {
    auto* b = new QRadioButton(items[i], this);
    buttons_->addButton(b, i);
    b->show();
  }
  arrangeItems();
}

QStringList RadioGroupBox::items() const {
  QStringList texts;
  for (QAbstractButton* b : buttons_->buttons()) texts << b->text();
  return texts;
}

int RadioGroupBox::itemIndex() const {
  return buttons_->checkedId();
}

void RadioGroupBox::setItemIndex(int index) {
  if (QAbstractButton* b = buttons_->button(index)) {
    b->setChecked(true);
  } else if (QAbstractButton* checked = buttons_->checkedButton()) {
    // An exclusive group refuses to uncheck its last button.
    buttons_->setExclusive(false);
    checked->setChecked(false);
    buttons_->setExclusive(true);
  }
}

void RadioGroupBox::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  arrangeItems();
}

void RadioGroupBox::arrangeItems() {
  const QList<QAbstractButton*> all = buttons_->buttons();
  if (all.isEmpty()) return;
  const int top = fontMetrics().height();
  const int step = (height() - top - 4) / static_cast<int>(all.size());
  for (int i = 0; i < all.size(); ++i) {
    QAbstractButton* b = all[i];
    const int h = b->sizeHint().height();
    b->setGeometry(8, top + i * step + (step - h) / 2, b->sizeHint().width(), h);
  }
}

}  // namespace roofcalc::gui
