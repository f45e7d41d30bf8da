#include "shell/application.h"

#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>
#include <exception>

#include "frame/program_style.h"
#include "frame/ui_services.h"
#include "shell/Help1unit.h"
#include "shell/Help2unit.h"
#include "shell/Helpunit.h"
#include "shell/Info1unit.h"
#include "shell/Mainunit.h"

namespace roofcalc::gui {

ApplicationWindows::ApplicationWindows()
    : mainForm(std::make_unique<TMainForm>()),
      info1Form(std::make_unique<TInfo1Form>()),
      helpForm(std::make_unique<THelpForm>()),
      help1Form(std::make_unique<THelp1Form>()),
      help2Form(std::make_unique<THelp2Form>()) {
  MainForm = mainForm.get();
  Info1Form = info1Form.get();
  HelpForm = helpForm.get();
  Help1Form = help1Form.get();
  Help2Form = help2Form.get();
}

ApplicationWindows::~ApplicationWindows() {
  if (MainForm == mainForm.get()) MainForm = nullptr;
}

RoofcalcApplication::RoofcalcApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool RoofcalcApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    showError(QString::fromUtf8(e.what()));
  } catch (...) {
    showError(QString());
  }
  exit(1);
  return false;
}

void loadQtTranslations(QCoreApplication& app) {
  auto* translator = new QTranslator(&app);
  if (translator->load(QStringLiteral("qtbase_ru"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(translator);
}

void installFontSubstitutions() {
  const QStringList sans{QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                         QStringLiteral("Liberation Sans")};
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
  QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
  QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                             {QStringLiteral("Liberation Serif")});
  // The whole program speaks in the family its windows are laid out in; the menu, the captions
  // and the message boxes share the welcome panel's regular 11-pixel face, so start-up loads
  // two faces (regular and bold) rather than a third system one.
  // Every text of the program is Russian or Latin, which the substituted families cover; without
  // merging, Qt skips working out fallback fonts for each family at start-up.
  QFont font = layoutFont(11);
  font.setStyleStrategy(QFont::NoFontMerging);
  QApplication::setFont(font);
}

}  // namespace roofcalc::gui
