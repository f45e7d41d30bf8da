#pragma once
// The main window: the MDI area in which the calculation windows open, the menu, and the
// welcome panel that is shown while no calculation window is open.

#include <QMainWindow>

class QAction;
class QMdiArea;
class QFrame;

namespace roofcalc::gui {

class CalcWindow;

class TMainForm : public QMainWindow {
  Q_OBJECT
 public:
  explicit TMainForm(QWidget* parent = nullptr);

  QMdiArea* mdiArea() const { return mdiArea_; }
  QFrame* panel() const { return Panel1; }
  int openCalcWindowCount() const { return OpenCalcWindowCount; }

  // Where the welcome panel goes for a client area of this size.
  static QPoint panelPosition(QSize clientArea);

 public slots:
  void N11Click();
  void N21Click();
  void N31Click();
  void N41Click();
  void N51Click();
  void N3Click();
  void N5Click();
  void N10Click();  // "Каскад"
  void N12Click();  // "Рядом"
  void N8Click();   // "Закончить работу"
  void placePanel();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  template <typename Window>
  void openCalcWindow(QAction* entry);
  void calcWindowClosed(QAction* entry);
  QAction* entry(const char* name, const QString& caption, void (TMainForm::*slot)());

  QMdiArea* mdiArea_;
  QFrame* Panel1;
  QAction* N11;
  QAction* N21;
  QAction* N31;
  QAction* N41;
  QAction* N51;
  int OpenCalcWindowCount = 0;
};

// The one main window of the running program (set while it exists).
extern TMainForm* MainForm;

}  // namespace roofcalc::gui
