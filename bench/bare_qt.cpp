// The floor that the toolkit sets: a bare Qt Widgets program with a main window holding one MDI
// area, shown maximised, quitting once it has been painted and its event loop is idle (the same
// rule as roofcalc's ROOFCALC_QUIT_WHEN_IDLE, "idle" on standard output marking the moment).
//
//   bare_qt          the floor itself: no text anywhere
//   bare_qt N        N empty MDI children open as well (the comparison for memory)
//   bare_qt text     one line of text in the MDI area, in the face roofcalc uses: the least any
//                    program pays for showing text at all (fontconfig, the font database, one
//                    face), before it draws a line of its own

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString argument = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
  const bool withText = argument == QLatin1String("text");
  if (withText) {
    QFont font(QStringLiteral("Liberation Sans"));  // what "MS Sans Serif" resolves to there
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoFontMerging);
    QApplication::setFont(font);
  }
  QMainWindow window;
  auto* area = new QMdiArea(&window);
  window.setCentralWidget(area);
  if (withText) {
    auto* label = new QLabel(QStringLiteral("Программа разработана"), area->viewport());
    label->move(120, 120);
    label->adjustSize();
  }
  window.showMaximized();
  const int children = withText ? 0 : argument.toInt();
  for (int i = 0; i < children; ++i) {
    auto* child = area->addSubWindow(new QWidget);
    child->resize(760, 600);
    child->show();
  }
  struct QuitAfterPaint : QObject {
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint && !quitting) {
        quitting = true;
        QTimer::singleShot(0, qApp, [] {
          std::fputs("idle\n", stdout);
          std::fflush(stdout);
          QApplication::quit();
        });
      }
      return false;
    }
    bool quitting = false;
  } quitAfterPaint;
  area->viewport()->installEventFilter(&quitAfterPaint);  // the MDI area paints when shown
  return app.exec();
}
