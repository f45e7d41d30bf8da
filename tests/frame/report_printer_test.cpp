// The print routine: positions in device pixels and page breaks against a recording device,
// and one report printed to a PDF file and read back.

#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include "frame/calc_error.h"
#include "frame/qt_print_device.h"
#include "frame/report_printer.h"
#include "gui/gui_fixture.h"

using namespace roofcalc;
using namespace roofcalc::gui;

namespace {

struct Drawn {
  int page;
  int x;
  int y;
  QString text;
};

class RecordingDevice : public PrintDevice {
 public:
  RecordingDevice(int dpi, double printableMm) : dpi_(dpi), printableMm_(printableMm) {}

  void setPortrait() override { portrait = true; }
  bool beginDocument() override {
    began = canBegin;
    portraitAtBegin = portrait;
    return canBegin;
  }
  int dotsPerInchX() const override { return dpi_; }
  int dotsPerInchY() const override { return dpi_; }
  int printableHeight() const override { return static_cast<int>(printableMm_ / 25.4 * dpi_); }
  void setFont(const QString& family, int pointSize) override {
    font = family + u' ' + QString::number(pointSize);
  }
  void drawText(int x, int y, const QString& text) override {
    drawn.push_back({pages, x, y, text});
  }
  void newPage() override { ++pages; }
  void endDocument() override { ended = true; }

  bool canBegin = true;
  bool portrait = false;  // the print dialog left landscape
  bool portraitAtBegin = false;
  bool began = false;
  bool ended = false;
  int pages = 1;
  QString font;
  std::vector<Drawn> drawn;

  std::vector<int> linesPerPage() const {
    std::vector<int> counts(static_cast<size_t>(pages), 0);
    for (const Drawn& d : drawn) ++counts[static_cast<size_t>(d.page - 1)];
    return counts;
  }

 private:
  int dpi_;
  double printableMm_;
};

QStringList numberedLines(int count) {
  QStringList lines;
  for (int i = 1; i <= count; ++i) lines << QStringLiteral("Строка %1").arg(i);
  return lines;
}

}  // namespace

class ReportPrinterTest : public QObject {
  Q_OBJECT

 private slots:
  void positionsAt600Dpi() {
    RecordingDevice device(600, 290);
    printReport(device, {QStringLiteral("нет ничего"), QStringLiteral(" "), QStringLiteral("x")},
                PagingRule::FillPages);
    QVERIFY(device.portraitAtBegin);
    QVERIFY(device.ended);
    QCOMPARE(device.font, QStringLiteral("Times New Roman 12"));
    QCOMPARE(device.drawn.size(), 3u);
    QCOMPARE(device.drawn[0].x, 354);
    QCOMPARE(device.drawn[0].y, 354);
    QCOMPARE(device.drawn[1].y, 519);
    QCOMPARE(device.drawn[1].text, QStringLiteral(" "));  // a blank line takes its place
    QCOMPARE(device.drawn[2].x, 354);
  }

  void paging_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("rule");
    QTest::addColumn<double>("printableMm");
    QTest::addColumn<std::vector<int>>("perPage");
    const int every36 = static_cast<int>(PagingRule::NewPageAfter36Lines);
    const int fill = static_cast<int>(PagingRule::FillPages);
    QTest::newRow("43 lines, 36 a page") << 43 << every36 << 290.0 << std::vector<int>{36, 7};
    QTest::newRow("exactly 36") << 36 << every36 << 290.0 << std::vector<int>{36};
    QTest::newRow("37 lines") << 37 << every36 << 290.0 << std::vector<int>{36, 1};
    // Line n ends 15 + 7n mm down: 40 lines fit 296 mm, the 41st starts a new page.
    QTest::newRow("fill a page") << 45 << fill << 296.0 << std::vector<int>{40, 5};
    QTest::newRow("fill exactly") << 40 << fill << 296.0 << std::vector<int>{40};
    // A small printable area cuts before the 36th line too.
    QTest::newRow("36 rule, short page") << 43 << every36 << 200.0 << std::vector<int>{26, 17};
    QTest::newRow("nothing to print") << 0 << fill << 290.0 << std::vector<int>{0};
  }
  void paging() {
    QFETCH(int, lines);
    QFETCH(double, printableMm);
    RecordingDevice device(600, printableMm);
    QFETCH(int, rule);
    printReport(device, numberedLines(lines), static_cast<PagingRule>(rule));
    QFETCH(std::vector<int>, perPage);
    QCOMPARE(device.linesPerPage(), perPage);
    // Every page starts at the top margin again and no line is lost or repeated.
    for (size_t i = 0; i < device.drawn.size(); ++i) {
      QCOMPARE(device.drawn[i].text, QStringLiteral("Строка %1").arg(i + 1));
      if (i == 0 || device.drawn[i].page != device.drawn[i - 1].page)
        QCOMPARE(device.drawn[i].y, 354);
    }
  }

  void noPrinterStopsBeforeDrawing() {
    RecordingDevice device(600, 290);
    device.canBegin = false;
    try {
      printReport(device, numberedLines(3), PagingRule::FillPages);
      QFAIL("printing without a device went on");
    } catch (const CalcError& e) {
      QCOMPARE(QString::fromUtf8(e.what()), QString::fromUtf8(kNoPrinterText));
    }
    QVERIFY(device.drawn.empty());
  }

  void pdfReadsBack() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    printer.setPageOrientation(QPageLayout::Landscape);
    {
      QtPrintDevice device(printer);
      printReport(device, numberedLines(43), PagingRule::NewPageAfter36Lines);
    }
    const auto pdf = testing::readPdfText(path);
    QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));
    QCOMPARE(pdf.pages.size(), 2u);
    for (const QSizeF& page : pdf.pages) QVERIFY(page.height() > page.width());  // portrait

    constexpr double mm = 72 / 25.4;
    std::vector<double> tops[3];
    for (const auto& w : pdf.words) {
      if (w.text != QStringLiteral("Строка")) continue;
      QVERIFY2(std::abs(w.xMin - 25 * mm) < 1.0, qPrintable(QString::number(w.xMin)));
      tops[w.page].push_back(w.yMin);
    }
    QCOMPARE(tops[1].size(), 36u);
    QCOMPARE(tops[2].size(), 7u);
    // The first line's cell starts 25 mm down (margin + 15 mm); the reader puts a word's top
    // at the font's ascent, a little above the cell.
    QVERIFY2(std::abs(tops[1][0] - 25 * mm) < 1.5, qPrintable(QString::number(tops[1][0])));
    QCOMPARE(tops[2][0], tops[1][0]);
    for (size_t i = 1; i < tops[1].size(); ++i)
      QVERIFY(std::abs(tops[1][i] - tops[1][i - 1] - 7 * mm) < 0.2);
  }
};

QTEST_MAIN(ReportPrinterTest)
#include "report_printer_test.moc"
