// The floor that the toolkit sets: a bare Qt Widgets program with a main window holding one MDI
// area, shown maximised, quitting as soon as its event loop is idle. With an argument N it also
// opens N empty MDI children first (the comparison for memory with windows open).

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <QWidget>

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
  QTimer::singleShot(0, &app, &QApplication::quit);
  return app.exec();
}
