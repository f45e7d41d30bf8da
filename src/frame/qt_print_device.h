#pragma once
// The report printer on a real QPrinter (a print queue or a PDF file).

#include <QPainter>

#include "frame/report_printer.h"

class QPrinter;

namespace roofcalc::gui {

class QtPrintDevice : public PrintDevice {
 public:
  explicit QtPrintDevice(QPrinter& printer) : printer_(printer) {}

  void setPortrait() override;
  bool beginDocument() override;
  QString beginFailure() const override;
  int dotsPerInchX() const override;
  int dotsPerInchY() const override;
  int printableHeight() const override;
  void setFont(const QString& family, int pointSize) override;
  void drawText(int x, int y, const QString& text) override;
  void newPage() override;
  void endDocument() override;

 private:
  QPrinter& printer_;
  QPainter painter_;
};

}  // namespace roofcalc::gui
