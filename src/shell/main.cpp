// roofcalc: the desktop program. Start-up creates the main window and then the reference
// dialogs, and runs the event loop until the main window closes.

#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "frame/program_style.h"
#include "frame/ui_services.h"
#include "shell/Mainunit.h"
#include "shell/application.h"
#include "shell/self_check.h"

namespace {

// Without a display Qt would abort with a platform-plugin error; say plainly what to do instead.
bool displayAvailable() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* v = std::getenv(name);
    if (v && *v) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace roofcalc::gui;
  if (!displayAvailable()) {
    std::fputs(
        "roofcalc: no display found (DISPLAY is not set); start it on a desktop or under "
        "xvfb-run, or use roofcalc-cli for the calculations without a window.\n",
        stderr);
    return 1;
  }
  RoofcalcApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("roofcalc"));
  loadQtTranslations(app);
  installFontSubstitutions();
  installProgramStyle();
  try {
    ApplicationWindows windows;
    windows.mainForm->showMaximized();
    scheduleAutomation(*windows.mainForm);
    const int status = app.exec();
    return selfCheckStatus().value_or(status);
  } catch (const std::exception& e) {
    showError(QString::fromUtf8(e.what()));
  } catch (...) {
    showError(QString());
  }
  return 1;
}
