#pragma once
// The one fixture of the window tests: message boxes, beeps, modal dialogs, the print dialog
// and the browser are recorded instead of shown, so no test waits in a modal loop; a test's
// data files live in a temporary current folder; and no window may outlive its test.

#include <QDialog>
#include <QSizeF>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>
#include <QtGlobal>
#include <functional>
#include <memory>
#include <vector>

#include "frame/messages.h"

class QMdiArea;
class QPrintDialog;

namespace roofcalc::gui::testing {

// A control of a calculation window by its name; a missing one ends the test program.
template <typename W = QWidget, typename Window>
W* control(Window* window, const QString& name) {
  W* w = window->client()->template findChild<W*>(name);
  if (!w) qFatal("no control %s", qPrintable(name));
  return w;
}

struct RecordedMessage {
  MessageKind kind;
  QString text;
};

class GuiFixture {
 public:
  GuiFixture();
  ~GuiFixture();
  GuiFixture(const GuiFixture&) = delete;
  GuiFixture& operator=(const GuiFixture&) = delete;

  std::vector<RecordedMessage> messages;
  int beeps = 0;
  std::vector<QDialog*> modalDialogs;
  std::vector<QUrl> openedUrls;
  // What the user does in the print dialog; by default confirms it.
  std::function<bool(QPrintDialog&)> printDialog;

  // Makes a fresh temporary folder the current one, with these data files (name, bytes).
  void useDataFolder(const std::vector<std::pair<QString, QByteArray>>& files);
  // A data file as the program ships it (wind.txt, klimat.txt, materials.txt).
  static QByteArray shippedFile(const QString& name);
  static QByteArray shippedWindFile() { return shippedFile(QStringLiteral("wind.txt")); }

  // Top-level widgets still alive after deferred deletions, by class and objectName.
  static QStringList leftoverWindows();

  // A shown MDI area to open calculation windows in, as the main window does.
  QMdiArea& mdiArea();

 private:
  QString previousFolder_;
  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<QMdiArea> mdiArea_;
};

// One word of a PDF as pdftotext -bbox reads it back; positions in points from the top-left
// corner of the sheet.
struct PdfWord {
  int page;
  double xMin, yMin;
  QString text;
};

struct PdfText {
  std::vector<QSizeF> pages;
  std::vector<PdfWord> words;
  QString error;  // set when the file could not be read
};

PdfText readPdfText(const QString& path);

}  // namespace roofcalc::gui::testing
