// The floor that the toolkit sets: a bare Qt Widgets program with a main window holding one MDI
// area, shown maximised, quitting once it has been painted and its event loop is idle (the same
// rule as roofcalc's ROOFCALC_QUIT_WHEN_IDLE). With an argument N it also
// opens N empty MDI children first (the comparison for memory with windows open).

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <QWidget>

#include <QEvent>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  auto* area = new QMdiArea(&window);
  window.setCentralWidget(area);
  window.showMaximized();
  const int children = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 0;
  for (int i = 0; i < children; ++i) {
    auto* child = area->addSubWindow(new QWidget);
    child->resize(760, 600);
    child->show();
  }
  struct QuitAfterPaint : QObject {
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QApplication::quit);
      return false;
    }
  } quitAfterPaint;
  area->viewport()->installEventFilter(&quitAfterPaint);  // the MDI area paints when shown
  return app.exec();
}
