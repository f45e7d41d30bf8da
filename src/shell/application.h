#pragma once
// Start-up: the windows that live for the whole run, and the application-wide settings.

#include <QApplication>
#include <memory>

namespace roofcalc::gui {

class TMainForm;
class TInfo1Form;
class THelpForm;
class THelp1Form;
class THelp2Form;

// The main window and the four reference dialogs, created in this order and destroyed with it.
struct ApplicationWindows {
  ApplicationWindows();
  ~ApplicationWindows();
  std::unique_ptr<TMainForm> mainForm;
  std::unique_ptr<TInfo1Form> info1Form;
  std::unique_ptr<THelpForm> helpForm;
  std::unique_ptr<THelp1Form> help1Form;
  std::unique_ptr<THelp2Form> help2Form;
};

// The application object: an exception that reaches the event loop is shown in the error box
// and ends the program.
class RoofcalcApplication : public QApplication {
  Q_OBJECT
 public:
  RoofcalcApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// Qt's own dialogs (print dialog, message box buttons) in Russian.
void loadQtTranslations(QCoreApplication& app);
// The fonts the layouts were made for, mapped to the metric-compatible families installed here.
void installFontSubstitutions();

}  // namespace roofcalc::gui
