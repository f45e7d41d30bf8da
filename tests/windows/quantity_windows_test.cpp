// The membrane, insulation and vapour barrier windows as a user drives them: the defaults,
// "Расчет" with the core's report, a failing field, the keyboard order, the "i" button; the
// membrane report printed on two pages and the vapour barrier window's 120-dpi layout.

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <functional>
#include <map>

#include "calc/insulation_form.h"
#include "calc/membrane_form.h"
#include "calc/vapour_barrier_form.h"
#include "gui/gui_fixture.h"
#include "shell/Helpunit.h"
#include "windows/Unit2.h"
#include "windows/Unit4.h"
#include "windows/Unit5.h"

using namespace roofcalc;
using namespace roofcalc::gui;
using roofcalc::gui::testing::control;
using roofcalc::gui::testing::GuiFixture;

namespace {

using Texts = std::vector<std::pair<const char*, const char*>>;

struct WindowCase {
  std::function<CalcWindow*()> open;
  std::function<std::unique_ptr<CalcForm>()> core;
  const char* calculate;
  const char* info;
  Texts defaults;
  // Typed into the window and set in the core alike.
  Texts changes;
  // Line number (from 1) and text of the defaults' report.
  std::vector<std::pair<int, const char*>> keyLines;
  int lineCount;
  // A fault typed into a field, and the message it gives.
  const char* faultField;
  const char* faultText;
  const char* faultMessage;
  std::vector<const char*> keyboardOrder;
};

const std::map<QString, WindowCase>& windowCases() {
  static const std::map<QString, WindowCase> cases{
      {QStringLiteral("membrane"),
       {[] { return new TForm2; },
        [] { return std::make_unique<MembraneForm>(","); },
        "Button1",
        "Button3",
        {{"Edit2", "20"},
         {"Edit4", "100"},
         {"Edit5", "5"},
         {"Edit7", "0,3"},
         {"Edit8", "0,2"},
         {"Edit9", "5"},
         {"Edit10", "1"},
         {"Edit11", "1,5"},
         {"Edit14", "0,3"},
         {"Edit13", "0,2"},
         {"Edit6", "25"},
         {"Edit15", "0,13"},
         {"Edit17", "25"},
         {"Edit16", "0,13"},
         {"Edit3", "2"}},
        {{"Edit2", "18,5"},
         {"Edit4", "64"},
         {"Edit5", "2"},
         {"Edit7", "0,45"},
         {"Edit8", "0,25"},
         {"Edit9", "2,5"},
         {"Edit10", "1,2"},
         {"Edit11", "2"},
         {"Edit14", "0,4"},
         {"Edit13", "0,15"},
         {"Edit6", "20"},
         {"Edit15", "0,1"},
         {"Edit17", "15"},
         {"Edit16", "0,12"},
         {"Edit3", "3"}},
        {{26, "Площадь кровли (с учетом наклона) - 2007,64 м2"},
         {39, "Необходимо армированной мембраны ВЕРДАМИН R - 2343 м2"},
         {40, "Количество рулонов мембраны ВЕРДАМИН R - 47 шт."},
         {42, "Необходимо неармированной мембраны ВЕРДАМИН U - 47* м2"}},
        43,
        "Edit17",
        "0",
        "Floating point division by zero.",
        {"CloseButton", "Membrana1ComboBox",
         "Edit2",       "Edit4",
         "Edit5",       "Membrana2ComboBox",
         "Memo1",       "Button1",
         "Button2",     "Edit7",
         "Edit8",       "Edit9",
         "Edit10",      "Edit11",
         "Edit13",      "Edit14",
         "Edit6",       "Edit15",
         "Edit16",      "Button3",
         "Edit3",       "Edit17"}}},
      {QStringLiteral("insulation"),
       {[] { return new TForm4; },
        [] { return std::make_unique<InsulationForm>(","); },
        "Button2",
        "Button4",
        {{"Edit4", "500"},
         {"Edit2", "10"},
         {"Edit5", "4"},
         {"Edit6", "60"},
         {"Edit7", "0,2"},
         {"Edit9", "5"},
         {"Edit10", "2"},
         {"Edit11", "3"},
         {"Edit14", "0,3"},
         {"Edit3", "5"}},
        {{"Edit4", "120"},
         {"Edit2", "24,5"},
         {"Edit5", "3"},
         {"Edit6", "150"},
         {"Edit7", "0,35"},
         {"Edit9", "2,5"},
         {"Edit10", "1,5"},
         {"Edit11", "2,25"},
         {"Edit14", "0,4"},
         {"Edit3", "2"}},
        {{17, "Sk - 5012,21 м2"},
         {20, "Pf - 50 "},
         {23, "без запаса - 312,11 м3"},
         {26, "Необходимый объем плит ТАЛВИРОН - 328 м3"}},
        26,
        "Edit3",
        "",
        "'' is not a valid floating point value.",
        {"CloseButton", "Memo1", "Edit2", "Edit4", "Edit5", "Button2", "Button3", "Edit7", "Edit9",
         "Edit10", "Edit11", "Edit14", "Edit6", "Button4", "Edit3"}}},
      {QStringLiteral("vapour barrier"),
       {[] { return new TForm5; },
        [] { return std::make_unique<VapourBarrierForm>(","); },
        "Button2",
        "Button4",
        {{"Edit2", "10"},
         {"Edit4", "500"},
         {"Edit5", "4"},
         {"Edit6", "60"},
         {"Edit7", "10"},
         {"Edit10", "3"},
         {"Edit11", "40"},
         {"Edit3", "1"}},
        {{"Edit2", "12,5"},
         {"Edit4", "80"},
         {"Edit5", "6"},
         {"Edit6", "120"},
         {"Edit7", "15"},
         {"Edit10", "1,5"},
         {"Edit11", "30"},
         {"Edit3", "3"}},
        {{15, "Sk - 5012,21 м2"},
         {18, "Z - 0,04 "},
         {19, "K - 179,61 м2"},
         {23, "Итого пароизоляции - 5306 м2"}},
        23,
        "Edit2",
        "1,,5",
        "'1,,5' is not a valid floating point value.",
        {"CloseButton", "Memo1", "Edit2", "Edit4", "Edit5", "Button2", "Button3", "Edit7", "Edit10",
         "Edit11", "Edit6", "Button4", "Edit3"}}},
  };
  return cases;
}

}  // namespace

class QuantityWindowsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<GuiFixture> fx;
  CalcWindow* window = nullptr;

  template <typename W = QWidget>
  W* child(const char* name) {
    return control<W>(window, QString::fromLatin1(name));
  }
  const WindowCase& open(const QString& name) {
    const WindowCase& c = windowCases().at(name);
    window = c.open();
    fx->mdiArea().addSubWindow(window);
    window->show();
    return c;
  }
  void click(const char* name) { QTest::mouseClick(child(name), Qt::LeftButton); }
  void retype(const char* edit, const QString& text) {
    auto* e = child<QLineEdit>(edit);
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
    QTest::keyClicks(e, text);
  }
  static QStringList toQt(const ReportLines& lines) {
    QStringList list;
    for (const auto& l : lines) list << QString::fromStdString(l);
    return list;
  }
  static void allWindows() {
    QTest::addColumn<QString>("name");
    for (const auto& [name, c] : windowCases()) QTest::newRow(qPrintable(name)) << name;
  }
  static QStringList noReport() { return {QStringLiteral("нет ничего")}; }

 private slots:
  void init() {
    fx = std::make_unique<GuiFixture>();
    fx->useDataFolder({});
  }
  void cleanup() {
    window = nullptr;
    fx.reset();
    delete HelpForm;
    QCOMPARE(GuiFixture::leftoverWindows(), QStringList());
  }

  void opensWithTheDefaults_data() { allWindows(); }
  void opensWithTheDefaults() {
    QFETCH(QString, name);
    const WindowCase& c = open(name);
    QVERIFY(fx->messages.empty());
    for (const auto& [name, text] : c.defaults)
      QCOMPARE(child<QLineEdit>(name)->text(), QString::fromUtf8(text));
    QCOMPARE(window->reportLines(), noReport());
    QVERIFY(child<QPlainTextEdit>("Memo1")->isReadOnly());

    // Every field takes numbers only: a typed point is refused with a beep.
    for (const auto& [name, text] : c.defaults) {
      QTest::keyClick(child<QLineEdit>(name), '.');
      QCOMPARE(child<QLineEdit>(name)->text(), QString::fromUtf8(text));
    }
    QCOMPARE(fx->beeps, static_cast<int>(c.defaults.size()));
  }

  void closeButtonClosesTheWindow_data() { allWindows(); }
  void closeButtonClosesTheWindow() {
    QFETCH(QString, name);
    open(name);
    QSignalSpy closed(window, &CalcWindow::closed);
    QPointer<CalcWindow> alive(window);
    click("CloseButton");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(closed.count(), 1);
    QVERIFY(alive.isNull());
  }

  void membraneRollWidths() {
    open(QStringLiteral("membrane"));
    const QStringList widths{QStringLiteral("1.0 м"), QStringLiteral("1.5 м"),
                             QStringLiteral("2.0 м")};
    for (const char* name : {"Membrana1ComboBox", "Membrana2ComboBox"}) {
      auto* combo = child<QComboBox>(name);
      QStringList items;
      for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
      QCOMPARE(items, widths);
      QVERIFY(!combo->isEditable());
    }
    QCOMPARE(child<QComboBox>("Membrana1ComboBox")->currentIndex(), 2);
    QCOMPARE(child<QComboBox>("Membrana2ComboBox")->currentIndex(), 0);
  }

  void calculateShowsTheCoreReport_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("changeInputs");
    for (const auto& [name, c] : windowCases()) {
      QTest::addRow("%s, defaults", qPrintable(name)) << name << false;
      QTest::addRow("%s, every input changed", qPrintable(name)) << name << true;
    }
  }
  void calculateShowsTheCoreReport() {
    QFETCH(QString, name);
    const WindowCase& c = open(name);
    QFETCH(bool, changeInputs);
    const std::unique_ptr<CalcForm> core = c.core();
    Messages messages;
    core->create(messages);
    if (changeInputs) {
      for (const auto& [name, text] : c.changes) {
        retype(name, QString::fromUtf8(text));
        core->state().at(name).text = text;
      }
      if (QComboBox* rolls = window->client()->findChild<QComboBox*>("Membrana1ComboBox")) {
        QTest::keyClick(rolls, Qt::Key_Up);  // "1.5 м"
        core->state().at("Membrana1ComboBox").index = 1;
        auto* edgeRolls = child<QComboBox>("Membrana2ComboBox");
        QTest::keyClick(edgeRolls, Qt::Key_Down);
        QTest::keyClick(edgeRolls, Qt::Key_Down);  // "2.0 м"
        core->state().at("Membrana2ComboBox").index = 2;
      }
    }
    click(c.calculate);
    QVERIFY2(fx->messages.empty(), fx->messages.empty() ? "" : qPrintable(fx->messages[0].text));
    const QStringList report = window->reportLines();
    QCOMPARE(report, toQt(core->calculate()));
    QCOMPARE(report.size(), c.lineCount);
    if (!changeInputs) {
      for (const auto& [number, text] : c.keyLines)
        QCOMPARE(report.at(number - 1), QString::fromUtf8(text));
    }
  }

  void failingFieldLeavesTheMemo_data() { allWindows(); }
  void failingFieldLeavesTheMemo() {
    QFETCH(QString, name);
    const WindowCase& c = open(name);
    // Pasted text is not filtered: the field takes it as it is.
    child<QLineEdit>(c.faultField)->setText(QString::fromUtf8(c.faultText));
    click(c.calculate);
    QCOMPARE(window->reportLines(), noReport());
    QCOMPARE(fx->messages.size(), 1u);
    QVERIFY(fx->messages[0].kind == MessageKind::Error);
    QCOMPARE(fx->messages[0].text, QString::fromUtf8(c.faultMessage));

    const Texts& defaults = c.defaults;
    for (const auto& [name, text] : defaults)
      if (std::string_view(name) == c.faultField) retype(name, QString::fromUtf8(text));
    click(c.calculate);
    const QStringList report = window->reportLines();
    QCOMPARE(report.size(), c.lineCount);

    child<QLineEdit>(c.faultField)->setText(QString::fromUtf8(c.faultText));
    click(c.calculate);
    QCOMPARE(window->reportLines(), report);
    QCOMPARE(fx->messages.size(), 2u);
  }

  void keyboardOrderAsLaidOut_data() { allWindows(); }
  void keyboardOrderAsLaidOut() {
    QFETCH(QString, name);
    const WindowCase& c = open(name);
    QVERIFY(QTest::qWaitForWindowActive(&fx->mdiArea()));
    fx->mdiArea().setActiveSubWindow(window);
    QTRY_VERIFY(QApplication::focusWidget() != nullptr);
    QStringList order;
    for (size_t i = 0; i <= c.keyboardOrder.size(); ++i) {
      QWidget* focused = QApplication::focusWidget();
      order << (focused ? focused->objectName() : QStringLiteral("(none)"));
      if (focused) QTest::keyClick(focused, Qt::Key_Tab);
    }
    QStringList expected;
    for (const char* name : c.keyboardOrder) expected << QString::fromLatin1(name);
    expected << expected.first();  // round again
    QCOMPARE(order, expected);
  }

  void infoButtonShowsTheRoofScheme_data() { allWindows(); }
  void infoButtonShowsTheRoofScheme() {
    HelpForm = new THelpForm;
    QFETCH(QString, name);
    const WindowCase& c = open(name);
    auto* info = child<QPushButton>(c.info);
    QCOMPARE(info->text(), QStringLiteral("i"));
    QVERIFY(info->font().bold());
    QCOMPARE(info->font().family(), QStringLiteral("Times New Roman"));
    QCOMPARE(info->toolTip(), QStringLiteral("Дополнительная информация"));
    click(c.info);
    QCOMPARE(fx->modalDialogs, (std::vector<QDialog*>{HelpForm}));
    QCOMPARE(window->reportLines(), noReport());
  }

  void membraneReportPrintsOn36And7Lines() {
    const WindowCase& c = open(QStringLiteral("membrane"));
    click(c.calculate);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("membrane.pdf"));
    fx->printDialog = [&](QPrintDialog& dialog) {
      dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
      dialog.printer()->setOutputFileName(path);
      return true;
    };
    click("Button2");
    const auto pdf = testing::readPdfText(path);
    QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));
    QCOMPARE(pdf.pages.size(), 2u);

    // The printed lines of each page, top to bottom, with their distance from the page's
    // first line position in lines of 7 mm (blank lines print nothing).
    const double lineStep = 7 / 25.4 * 72;
    double firstTop = -1;
    std::map<std::pair<int, int>, QStringList> rows;
    for (const auto& w : pdf.words) {
      if (firstTop < 0) firstTop = w.yMin;
      const int row = qRound((w.yMin - firstTop) / lineStep);
      rows[{w.page, row}] << w.text;
    }
    const QStringList report = window->reportLines();
    int pageOf[3] = {0, 0, 0};
    for (const auto& [key, words] : rows) {
      const auto [page, row] = key;
      ++pageOf[page];
      // Page 1 holds lines 1 to 36, page 2 lines 37 to 43, each from the same top position.
      const int line = (page == 1 ? 0 : 36) + row;
      QVERIFY2(line < report.size(), qPrintable(words.join(u' ')));
      QCOMPARE(words.join(u' '), report.at(line).simplified());
    }
    // 36 lines less the blank lines 3 and 24; 7 lines less the blank lines 37 and 41.
    QCOMPARE(pageOf[1], 34);
    QCOMPARE(pageOf[2], 5);
  }

  void vapourBarrierLayoutScalesTo96Dpi() {
    open(QStringLiteral("vapour barrier"));
    if (window->logicalDpiY() != 96) QSKIP("the offscreen screen is not at 96 dpi");
    // Drawn at 120 pixels per inch: every position, size and font height times 0.8; a
    // control's far edges scale like its near ones.
    QCOMPARE(child("Edit2")->geometry(), QRect(120, 22, 106, 20));
    QCOMPARE(child("Edit11")->geometry(), QRect(123, 253, 100, 19));
    QCOMPARE(child("Button4")->geometry(), QRect(233, 48, 25, 25));
    QCOMPARE(child("CloseButton")->geometry(), QRect(88, 372, 60, 20));
    QCOMPARE(child("Label10")->pos(), QPoint(16, 300));
    QCOMPARE(child("Edit2")->font().pixelSize(), 10);
    QCOMPARE(child("Label10")->font().pixelSize(), 10);
    QVERIFY(child("Label10")->font().bold());
    QCOMPARE(child("Button4")->font().pixelSize(), 22);
    QCOMPARE(child("Memo1")->font().pixelSize(), 14);
    QCOMPARE(child("Memo1")->pos(), QPoint(268, 28));

    // The window's size and the memo sizing are screen pixels: offset 385, client height - 85,
    // minimums 360 x 450.
    auto* memo = child("Memo1");
    QCOMPARE(window->size(), QSize(818, 607));
    QCOMPARE(memo->size(), QSize(433, window->clientHeight() - 85));
    window->resize(700, 500);
    QCOMPARE(memo->size(), QSize(360, 450));
    window->resize(900, 700);
    QCOMPARE(memo->size(), QSize(515, window->clientHeight() - 85));
    QCOMPARE(memo->pos(), QPoint(268, 28));
  }
};

QTEST_MAIN(QuantityWindowsTest)
#include "quantity_windows_test.moc"
