#include "frame/qt_print_device.h"

#include <QFont>
#include <QFontMetrics>
#include <QPrinter>

namespace roofcalc::gui {

void QtPrintDevice::setPortrait() {
  printer_.setPageOrientation(QPageLayout::Portrait);
}

bool QtPrintDevice::beginDocument() {
  return painter_.begin(&printer_);
}

QString QtPrintDevice::beginFailure() const {
  // Printing to a file fails for a reason the user can fix; say which file.
  if (printer_.outputFormat() == QPrinter::PdfFormat && !printer_.outputFileName().isEmpty())
    return QStringLiteral("Не удалось записать файл %1.").arg(printer_.outputFileName());
  return PrintDevice::beginFailure();
}

int QtPrintDevice::dotsPerInchX() const {
  return printer_.logicalDpiX();
}

int QtPrintDevice::dotsPerInchY() const {
  return printer_.logicalDpiY();
}

int QtPrintDevice::printableHeight() const {
  return printer_.pageLayout().paintRectPixels(printer_.resolution()).height();
}

void QtPrintDevice::setFont(const QString& family, int pointSize) {
  QFont font(family);
  font.setStyleHint(QFont::Serif);
  font.setPointSize(pointSize);
  painter_.setFont(font);
}

void QtPrintDevice::drawText(int x, int y, const QString& text) {
  // The device draws from the baseline; the layout places the top of the character cell.
  painter_.drawText(x, y + painter_.fontMetrics().ascent(), text);
}

void QtPrintDevice::newPage() {
  printer_.newPage();
}

void QtPrintDevice::endDocument() {
  painter_.end();
}

}  // namespace roofcalc::gui
