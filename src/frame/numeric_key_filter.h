#pragma once
// The key filter of the numeric fields: a typed digit, the decimal separator of the user's
// locale or backspace reaches the field; any other typed character is dropped with a beep.
// Keys that type nothing (arrows, Delete, Home, End) and the clipboard shortcuts pass, and
// pasted text is not filtered: it meets the number syntax when "Расчет" converts it.

#include <QObject>
#include <QString>

namespace roofcalc::gui {

class NumericKeyFilter : public QObject {
  Q_OBJECT
 public:
  NumericKeyFilter(QString decimalPoint, QObject* parent);

  // Whether a typed character (the text of one key press) reaches the field.
  static bool admits(const QString& typed, const QString& decimalPoint);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QString decimalPoint_;
};

}  // namespace roofcalc::gui
