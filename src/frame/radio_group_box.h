#pragma once
// A framed group of exclusive choices with one selected index (-1: none), as the windows'
// radio groups are: the items are laid out one under another inside the frame.

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace roofcalc::gui {

class RadioGroupBox : public QGroupBox {
  Q_OBJECT
 public:
  RadioGroupBox(const QString& caption, QWidget* parent);

  void setItems(const QStringList& items);
  QStringList items() const;
  int itemIndex() const;
  void setItemIndex(int index);  // from code: itemPicked is not emitted

 signals:
  void itemPicked(int index);  // the user's pick

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void arrangeItems();
  QButtonGroup* buttons_;
};

}  // namespace roofcalc::gui
