// Opening and closing each calculation window from the menu, in process and offscreen: the
// median time from the menu entry to the window shown and idle, and of "Закрыть". The thermal
// window is opened with full data files (1000 cities, 998 materials: five lists of 1000 items).

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "frame/program_style.h"
#include "frame/text_encoding.h"
#include "frame/ui_services.h"
#include "shell/Mainunit.h"
#include "shell/application.h"

namespace {

using namespace roofcalc::gui;

void writeFullDataFiles(const QString& dir) {
  std::string klimat, materials;
  for (int i = 0; i < 1000; ++i)
    klimat += "Город_" + std::to_string(i) + "  " + std::to_string(i % 2) + " -26 204 -2,2\r\n";
  for (int i = 0; i < 998; ++i)
    materials += "Материал номер " + std::to_string(i) + "\r\n0,0" + std::to_string(30 + i % 60) +
                 " 0,0" + std::to_string(31 + i % 60) + " " + std::to_string(100 + i) + "\r\n";
  QFile k(dir + "/klimat.txt"), m(dir + "/materials.txt");
  k.open(QIODevice::WriteOnly);
  m.open(QIODevice::WriteOnly);
  const std::string k1251 = roofcalc::utf8ToCp1251(klimat),
                    m1251 = roofcalc::utf8ToCp1251(materials);
  k.write(k1251.data(), static_cast<qint64>(k1251.size()));
  m.write(m1251.data(), static_cast<qint64>(m1251.size()));
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("ROOFCALC_CWD_DATA_ONLY", "1");
  qputenv("LC_ALL", "ru_RU.UTF-8");  // the shipped data writes decimal commas
  QApplication app(argc, argv);
  installFontSubstitutions();
  installProgramStyle();
  QTemporaryDir dir;
  writeFullDataFiles(dir.path());
  QFile::copy(QStringLiteral(ROOFCALC_SHARE_DIR "/wind.txt"), dir.path() + "/wind.txt");
  QDir::setCurrent(dir.path());
  ui().showMessage = [](roofcalc::MessageKind, const QString& text) {
    std::fprintf(stderr, "message: %s\n", text.toUtf8().constData());
  };

  ApplicationWindows windows;
  TMainForm& main = *windows.mainForm;
  main.resize(1280, 1024);
  main.show();
  QApplication::processEvents();

  const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 30;
  std::printf("%-8s %12s %12s\n", "window", "open ms", "close ms");
  for (const char* entry : {"N11", "N21", "N31", "N41", "N51"}) {
    std::vector<double> open, close;
    for (int i = 0; i < runs; ++i) {
      QElapsedTimer t;
      t.start();
      main.findChild<QAction*>(QString::fromLatin1(entry))->trigger();
      QApplication::processEvents();
      open.push_back(t.nsecsElapsed() / 1e6);
      QMdiSubWindow* window = main.mdiArea()->subWindowList(QMdiArea::CreationOrder).last();
      auto* closeButton = window->findChild<QAbstractButton*>(QStringLiteral("CloseButton"));
      t.restart();
      closeButton->click();
      QApplication::processEvents();
      close.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("%-8s %12.2f %12.2f\n", entry, median(open), median(close));
  }
  return 0;
}
