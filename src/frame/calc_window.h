#pragma once
// The frame of the five calculation windows. Data flows one way through a window:
//
//   field text --(pull)--> CalcForm state --calculate()--> StrToFloat, the calculation,
//   ReportLines --> Memo1 --"Печать"--> printReport
//
// A CalcWindow is an MDI child without title-bar buttons ("Закрыть" is the only way out) whose
// controls sit at fixed positions on its client widget. It owns its toolkit-free CalcForm and
// binds the widgets of the same objectName to the form's state; a window adds its controls,
// then calls formCreate(). Memo1, the memo sizing, the numeric key filter, "Расчет", "Печать"
// and "Закрыть" are here, once for all five.

#include <QMdiSubWindow>
#include <QPrinter>
#include <QSize>
#include <initializer_list>
#include <memory>

#include "frame/calc_form.h"
#include "frame/form_binding.h"
#include "frame/report_printer.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace roofcalc::gui {

class NumericKeyFilter;
class RadioGroupBox;

struct CalcWindowLayout {
  QString caption;
  QSize outerSize;     // screen pixels, like the memo sizing rule that fills it
  QRect memoGeometry;  // start position and size of Memo1
  int memoFontPixels;
  int memoWidthOffset;  // memo width = outer width - this
  PagingRule paging;
  int windowFontPixels = 11;  // "MS Sans Serif"; 11 pixels is its 8 pt
  int boldFontPixels = 0;     // bold labels; 0: as high as the window font
  // The screen density the layout was drawn at. Positions, sizes and font heights of the
  // controls scale by the screen's logical density over this; the window's size and the memo
  // sizing rule are screen pixels and don't, so the memo still fills the window.
  int designDpi = 96;
};

class CalcWindow : public QMdiSubWindow {
  Q_OBJECT
 public:
  ~CalcWindow() override;

  CalcForm& form() { return *form_; }
  QWidget* client() const { return client_; }
  QPlainTextEdit* memo() const { return memo_; }
  QStringList reportLines() const;
  int clientHeight() const;
  // The printer the print dialog sets up; kept for the window's life like its settings, and
  // made on the first "Печать": setting up a printer asks the print system for its queues,
  // which would slow every opening of the window.
  QPrinter& printer();

  static constexpr int kMemoMinWidth = 360;
  static constexpr int kMemoMinHeight = 450;
  static constexpr int kListDropDownCount = 8;

 signals:
  // "Закрыть" was pressed: the window is on its way out.
  void closed();

 public slots:
  void FormResize();
  void CloseButtonClick();

 protected:
  CalcWindow(const CalcWindowLayout& layout, std::unique_ptr<CalcForm> form, QWidget* parent);

  // The window's part of FormCreate (after the controls exist): the form's defaults and data
  // files, shown in the widgets; the memo sized; messages of the data files shown.
  void formCreate();
  void runCalculation();  // "Расчет"
  void printMemo();       // "Печать"

  // Building blocks of the fixed layouts; every control gets its name as objectName.
  QLabel* addLabel(const char* name, QPoint at, const QString& text, bool bold = false,
                   const QString& hint = {});
  QLineEdit* addEdit(const char* name, QRect geometry, const QString& hint, bool numeric = true);
  QComboBox* addComboBox(const char* name, QRect geometry, const QString& hint);
  QPushButton* addButton(const char* name, QRect geometry, const QString& text,
                         const QString& hint = {});
  // The "i" buttons: a bold Times New Roman letter in the hot-light (link) colour.
  QPushButton* addInfoButton(const char* name, QRect geometry, int letterPixels);
  // Keyboard order of the named controls; the first one holds the focus when the window opens.
  void setKeyboardOrder(std::initializer_list<const char*> names);
  // A layout length at the screen's density.
  int scaled(int designPixels) const;
  QPoint scaled(QPoint designPosition) const;
  QRect scaled(QRect designGeometry) const;
  RadioGroupBox* addRadioGroup(const char* name, QRect geometry, const QString& caption,
                               const QString& hint);
  QGroupBox* addGroupFrame(const char* name, QRect geometry, const QString& caption,
                           const QString& hint);
  QRadioButton* addRadioButton(const char* name, QPoint at, const QString& text,
                               const QString& hint);
  // A memo besides Memo1, e.g. one that only holds data for the window.
  QPlainTextEdit* addMemo(const char* name, QRect geometry);

  // After a user's pick has gone through the form and is shown: for what the form's state does
  // not hold, such as a hint that follows the pick.
  virtual void userPickShown(const std::string& name) { (void)name; }

  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void userPicked(const std::string& name);

  CalcWindowLayout layout_;
  int screenDpi_;
  std::unique_ptr<CalcForm> form_;
  FormBinding binding_;
  QWidget* client_;
  QPlainTextEdit* memo_;
  NumericKeyFilter* keyFilter_;
  std::unique_ptr<QPrinter> printer_;
  bool closing_ = false;
  bool hasKeyboardOrder_ = false;
};

}  // namespace roofcalc::gui
