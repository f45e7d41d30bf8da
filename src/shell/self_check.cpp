#include "shell/self_check.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "frame/calc_window.h"
#include "frame/report_lines.h"
#include "frame/ui_services.h"
#include "shell/Mainunit.h"

namespace roofcalc::gui {

namespace {

std::optional<int> g_status;

bool envFlag(const char* name) {
  const QByteArray v = qgetenv(name);
  return !v.isEmpty() && v != "0";
}

QPushButton* buttonWithText(QWidget* window, const QString& text) {
  for (auto* b : window->findChildren<QPushButton*>())
    if (b->text() == text) return b;
  return nullptr;
}

void say(const QString& line) {
  std::fprintf(stderr, "roofcalc self-check: %s\n", line.toUtf8().constData());
}

void runSelfCheck(TMainForm& main) {
  QStringList problems;
  const QString pdf = QString::fromLocal8Bit(qgetenv("ROOFCALC_SELF_CHECK_PDF"));
  ui().showMessage = [&problems](MessageKind, const QString& text) { problems << text; };
  ui().showModal = [&problems](QDialog&) { problems << QStringLiteral("a dialog opened"); };
  ui().runPrintDialog = [&pdf](QPrintDialog& dialog) {
    dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
    dialog.printer()->setOutputFileName(pdf);
    return true;
  };

  const char* entries[] = {"N11", "N21", "N31", "N41", "N51"};
  QList<CalcWindow*> windows;
  for (const char* name : entries) {
    auto* entry = main.findChild<QAction*>(QString::fromLatin1(name));
    if (!entry || !entry->isEnabled()) {
      problems << QStringLiteral("menu entry %1 is missing or disabled").arg(name);
      continue;
    }
    entry->trigger();
    const auto list = main.mdiArea()->subWindowList(QMdiArea::CreationOrder);
    auto* window = list.isEmpty() ? nullptr : qobject_cast<CalcWindow*>(list.last());
    if (!window || entry->isEnabled()) {
      problems << QStringLiteral("%1 opened no window").arg(entry->text());
      continue;
    }
    windows << window;
  }
  for (CalcWindow* window : windows) {
    QPushButton* calculate = buttonWithText(window, QStringLiteral("Расчет"));
    if (!calculate) {
      problems << window->windowTitle() + QStringLiteral(": no \"Расчет\"");
      continue;
    }
    calculate->click();
    const QStringList lines = window->reportLines();
    if (lines.isEmpty() || lines.first() == QString::fromUtf8(kNoReportYet))
      problems << window->windowTitle() + QStringLiteral(": no report");
    else
      say(QStringLiteral("%1: %2 report lines").arg(window->windowTitle()).arg(lines.size()));
  }
  if (!pdf.isEmpty() && !windows.isEmpty()) {
    if (QPushButton* print = buttonWithText(windows.first(), QStringLiteral("Печать"))) {
      print->click();
      say(QStringLiteral("printed to ") + pdf);
    }
  }
  // Every window paints its report before anything closes.
  QCoreApplication::processEvents();
  for (CalcWindow* window : windows)
    if (QPushButton* close = buttonWithText(window, QStringLiteral("Закрыть"))) close->click();
  QCoreApplication::processEvents();
  if (main.openCalcWindowCount() != 0 || !main.panel()->isVisibleTo(&main))
    problems << QStringLiteral("the windows did not close cleanly");

  for (const auto& p : problems) say(QStringLiteral("problem: ") + p);
  g_status = problems.isEmpty() ? 0 : 1;
  if (problems.isEmpty()) say(QStringLiteral("ok"));
  restoreDesktopUiServices();
  if (auto* exit = main.findChild<QAction*>(QStringLiteral("N8"))) exit->trigger();
  QCoreApplication::exit(*g_status);
}

// Ends the program once the main window has been painted and the event loop is idle again. The
// line "idle" on standard output marks that moment for a start-up timer, which would otherwise
// count the tear-down too.
class QuitAfterFirstPaint : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !quitting_) {
      quitting_ = true;
      QTimer::singleShot(0, qApp, [] {
        std::fputs("idle\n", stdout);
        std::fflush(stdout);
        QCoreApplication::exit(0);
      });
    }
    return false;
  }

 private:
  bool quitting_ = false;
};

}  // namespace

void scheduleAutomation(TMainForm& mainForm) {
  if (envFlag("ROOFCALC_SELF_CHECK"))
    QTimer::singleShot(0, &mainForm, [&mainForm] { runSelfCheck(mainForm); });
  else if (envFlag("ROOFCALC_QUIT_WHEN_IDLE"))
    mainForm.mdiArea()->viewport()->installEventFilter(new QuitAfterFirstPaint(&mainForm));
}

std::optional<int> selfCheckStatus() {
  return g_status;
}

}  // namespace roofcalc::gui
