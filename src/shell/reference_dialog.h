#pragma once
// The reference dialogs: fixed content, a fixed border with only a close box, centred on the
// screen, shown modally and reused for every display.

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace roofcalc::gui {

class ReferenceDialog : public QDialog {
  Q_OBJECT
 public:
  void showModally();

 public slots:
  void Button1Click();

 protected:
  ReferenceDialog(const char* objectName, const QString& caption, QSize clientSize);

  QLabel* addLabel(const char* name, QPoint at, const QString& text, const QFont& font);
  // "Закрыть" (Button1), in the dialogs' own font unless given another.
  QPushButton* addCloseButton(QRect geometry);

  // Runs `build` when the dialog is first shown. Whatever needs a font (measuring a label,
  // laying out a text, drawing a picture with lettering) waits until then: start-up need not
  // load fonts for dialogs that may never open.
  void whenFirstShown(std::function<void()> build);

  void showEvent(QShowEvent* event) override;

 private:
  std::vector<std::function<void()>> firstShowWork_;
};

}  // namespace roofcalc::gui
