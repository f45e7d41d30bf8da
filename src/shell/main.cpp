// roofcalc: the desktop program. Start-up creates the main window and then the reference
// dialogs, and runs the event loop until the main window closes.

#include <QMessageBox>
#include <exception>

#include "frame/ui_services.h"
#include "shell/Mainunit.h"
#include "shell/application.h"

int main(int argc, char** argv) {
  using namespace roofcalc::gui;
  RoofcalcApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("roofcalc"));
  loadQtTranslations(app);
  installFontSubstitutions();
  try {
    ApplicationWindows windows;
    windows.mainForm->showMaximized();
    return app.exec();
  } catch (const std::exception& e) {
    showError(QString::fromUtf8(e.what()));
  } catch (...) {
    showError(QString());
  }
  return 1;
}
