#include "gui/gui_fixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QPrintDialog>
#include <QProcess>
#include <QWidget>
#include <QXmlStreamReader>

#include "frame/program_style.h"
#include "frame/ui_services.h"

#ifndef ROOFCALC_SOURCE_SHARE
#error "ROOFCALC_SOURCE_SHARE must name the folder of the shipped data files"
#endif

namespace roofcalc::gui::testing {

GuiFixture::GuiFixture() : previousFolder_(QDir::currentPath()) {
  installProgramStyle();  // the windows look and behave as in the program
  UiServices& s = ui();
  s.showMessage = [this](MessageKind kind, const QString& text) {
    messages.push_back({kind, text});
  };
  s.beep = [this] { ++beeps; };
  s.showModal = [this](QDialog& dialog) { modalDialogs.push_back(&dialog); };
  s.runPrintDialog = [this](QPrintDialog& dialog) { return !printDialog || printDialog(dialog); };
  s.openUrl = [this](const QUrl& url) { openedUrls.push_back(url); };
}

GuiFixture::~GuiFixture() {
  mdiArea_.reset();
  restoreDesktopUiServices();
  QDir::setCurrent(previousFolder_);
}

void GuiFixture::useDataFolder(const std::vector<std::pair<QString, QByteArray>>& files) {
  folder_ = std::make_unique<QTemporaryDir>();
  for (const auto& [name, bytes] : files) {
    QFile f(folder_->filePath(name));
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
  }
  QDir::setCurrent(folder_->path());
}

QByteArray GuiFixture::shippedFile(const QString& name) {
  QFile f(QStringLiteral(ROOFCALC_SOURCE_SHARE "/") + name);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList GuiFixture::leftoverWindows() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QStringList left;
  for (QWidget* w : QApplication::topLevelWidgets())
    left << QString::fromLatin1(w->metaObject()->className()) + u' ' + w->objectName();
  return left;
}

QMdiArea& GuiFixture::mdiArea() {
  if (!mdiArea_) {
    mdiArea_ = std::make_unique<QMdiArea>();
    mdiArea_->resize(1200, 900);
    mdiArea_->show();
  }
  return *mdiArea_;
}

PdfText readPdfText(const QString& path) {
  PdfText result;
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), path, QStringLiteral("-")});
  if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) {
    result.error = QStringLiteral("pdftotext failed: ") + pdftotext.errorString() +
                   QString::fromUtf8(pdftotext.readAllStandardError());
    return result;
  }
  QXmlStreamReader xml(pdftotext.readAllStandardOutput());
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const auto attr = xml.attributes();
    if (xml.name() == u"page") {
      result.pages.emplace_back(attr.value(QLatin1String("width")).toDouble(),
                                attr.value(QLatin1String("height")).toDouble());
    } else if (xml.name() == u"word") {
      PdfWord w{static_cast<int>(result.pages.size()), attr.value(QLatin1String("xMin")).toDouble(),
                attr.value(QLatin1String("yMin")).toDouble(), QString()};
      w.text = xml.readElementText();
      result.words.push_back(w);
    }
  }
  if (xml.hasError()) result.error = xml.errorString();
  return result;
}

}  // namespace roofcalc::gui::testing
