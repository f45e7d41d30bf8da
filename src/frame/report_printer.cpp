#include "frame/report_printer.h"

#include <cmath>

#include "frame/calc_error.h"

namespace roofcalc::gui {

namespace {

constexpr float kMarginMm = 15;
constexpr float kLinePitchMm = 7;
constexpr int kLinesPerPage = 36;

// Millimetres to device pixels, truncated toward zero; the product is formed in extended
// precision from the single-precision factors, as the layout figures were measured.
int toPixels(float pixelsPerMm, float mm) {
  return static_cast<int>(std::trunc(static_cast<long double>(pixelsPerMm) * mm));
}

}  // namespace

void printReport(PrintDevice& device, const QStringList& lines, PagingRule rule) {
  float y = kMarginMm;
  device.setPortrait();
  if (!device.beginDocument()) throw CalcError(device.beginFailure().toStdString());
  const float perMmX = static_cast<float>(device.dotsPerInchX() * 0.03937007874015748L);
  const float perMmY = static_cast<float>(device.dotsPerInchY() * 0.03937007874015748L);
  const int pageHeight = device.printableHeight();
  device.setFont(QStringLiteral("Times New Roman"), 12);
  const int left = toPixels(perMmX, kMarginMm);

  int lineOnPage = 1;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (lineOnPage > 1 && toPixels(perMmY, y + kLinePitchMm) > pageHeight) {
      device.newPage();
      y = kMarginMm;
      lineOnPage = 1;
    }
    device.drawText(left, toPixels(perMmY, y), lines[i]);
    y += kLinePitchMm;
    ++lineOnPage;
    if (rule == PagingRule::NewPageAfter36Lines && lineOnPage > kLinesPerPage &&
        i + 1 < lines.size()) {
      device.newPage();
      y = kMarginMm;
      lineOnPage = 1;
    }
  }
  device.endDocument();
}

}  // namespace roofcalc::gui
