#pragma once
// Printing a report: one printed line per report line, "Times New Roman" 12 pt, the first line
// 15 mm below and 15 mm right of the top-left corner of the printable area, 7 mm per line,
// portrait whatever the print dialog chose. Positions are millimetres turned into device
// pixels by truncation, so the layout is the same on every printer.
//
// A line is never lost: where the next line would not fit on the page any more, a new page
// starts. Some windows also start a new page after every 36 lines.

#include <QString>
#include <QStringList>

namespace roofcalc::gui {

inline const char* const kNoPrinterText = "There is no default printer currently selected.";

// The little that the routine needs of a printer; tests record the calls.
class PrintDevice {
 public:
  virtual ~PrintDevice() = default;
  virtual void setPortrait() = 0;
  virtual bool beginDocument() = 0;  // false: nothing to print on
  // What the user is told when the document could not begin.
  virtual QString beginFailure() const { return QString::fromUtf8(kNoPrinterText); }
  virtual int dotsPerInchX() const = 0;
  virtual int dotsPerInchY() const = 0;
  virtual int printableHeight() const = 0;  // device pixels
  virtual void setFont(const QString& family, int pointSize) = 0;
  virtual void drawText(int x, int y, const QString& text) = 0;  // (x, y): top-left corner
  virtual void newPage() = 0;
  virtual void endDocument() = 0;
};

enum class PagingRule { FillPages, NewPageAfter36Lines };

// Throws CalcError(device.beginFailure()) when the document cannot begin.
void printReport(PrintDevice& device, const QStringList& lines, PagingRule rule);

}  // namespace roofcalc::gui
