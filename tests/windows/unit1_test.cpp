// The fastener window as a user drives it: the defaults, "Расчет" with the core's report,
// failing fields, the "i" buttons, a missing wind.txt and printing.

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "calc/fastener_form.h"
#include "frame/radio_group_box.h"
#include "gui/gui_fixture.h"
#include "shell/Helpunit.h"
#include "shell/Info1unit.h"
#include "windows/Unit1.h"

using namespace roofcalc;
using namespace roofcalc::gui;
using roofcalc::gui::testing::control;
using roofcalc::gui::testing::GuiFixture;

class Unit1Test : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<GuiFixture> fx;
  TForm1* form1 = nullptr;

  template <typename W = QWidget>
  W* child(const char* name) {
    return control<W>(form1, QString::fromLatin1(name));
  }
  void open() {
    form1 = new TForm1;
    fx->mdiArea().addSubWindow(form1);
    form1->show();
  }
  void click(const char* name) { QTest::mouseClick(child(name), Qt::LeftButton); }
  void retype(const char* edit, const QString& text) {
    auto* e = child<QLineEdit>(edit);
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
    QTest::keyClicks(e, text);
  }
  void pick(const char* combo, int index) {
    auto* c = child<QComboBox>(combo);
    while (c->currentIndex() < index) QTest::keyClick(c, Qt::Key_Down);
    while (c->currentIndex() > index) QTest::keyClick(c, Qt::Key_Up);
  }
  static QStringList toQt(const ReportLines& lines) {
    QStringList list;
    for (const auto& l : lines) list << QString::fromStdString(l);
    return list;
  }

 private slots:
  void init() {
    fx = std::make_unique<GuiFixture>();
    fx->useDataFolder({{QStringLiteral("wind.txt"), GuiFixture::shippedWindFile()}});
  }
  void cleanup() {
    fx.reset();
    delete HelpForm;
    delete Info1Form;
    QCOMPARE(GuiFixture::leftoverWindows(), QStringList());
  }

  void opensWithTheDefaults() {
    open();
    QVERIFY(fx->messages.empty());
    const std::pair<const char*, const char*> texts[] = {
        {"Edit1", "60"}, {"Edit7", "1,2"}, {"Edit4", "150"}, {"Edit2", "30"},
        {"Edit5", "10"}, {"Edit6", "15"},  {"Edit3", "5"}};
    for (const auto& [name, text] : texts)
      QCOMPARE(child<QLineEdit>(name)->text(), QString::fromUtf8(text));
    QCOMPARE(child<QComboBox>("Membrana1ComboBox")->currentText(), QStringLiteral("2.0 м"));
    QCOMPARE(child<QComboBox>("Membrana2ComboBox")->currentText(), QStringLiteral("1.5 м"));
    auto* regions = child<QComboBox>("RegionComboBox");
    QCOMPARE(regions->count(), 8);
    QCOMPARE(regions->currentIndex(), 1);
    QCOMPARE(regions->currentText(), QStringLiteral("I"));
    auto* units = child<RadioGroupBox>("RadioGroup2");
    QCOMPARE(units->items(),
             (QStringList{QStringLiteral("Fkp, кгс/5см"), QStringLiteral("Fмпа, МПа")}));
    QCOMPARE(units->itemIndex(), 0);
    QVERIFY(child<QRadioButton>("RadioButton1")->isChecked());
    QCOMPARE(child<QRadioButton>("RadioButton1")->text(), QStringLiteral("А"));
    QCOMPARE(form1->reportLines(), QStringList{QStringLiteral("нет ничего")});
    QCOMPARE(form1->windowTitle(),
             QStringLiteral("Расчет необходимого количества крепежа KORVANT"));
  }

  void calculateShowsTheCoreReport_data() {
    QTest::addColumn<bool>("changeInputs");
    QTest::newRow("defaults") << false;
    QTest::newRow("every input changed") << true;
  }
  void calculateShowsTheCoreReport() {
    open();
    FastenerForm core(",");
    Messages messages;
    core.create(messages);
    QFETCH(bool, changeInputs);
    if (changeInputs) {
      // Each control as a user changes it, and the same in the core's model.
      const std::pair<const char*, const char*> texts[] = {
          {"Edit1", "4,5"}, {"Edit7", "1,5"}, {"Edit4", "72"}, {"Edit2", "18,5"},
          {"Edit5", "3"},   {"Edit6", "27"},  {"Edit3", "7"}};
      for (const auto& [name, text] : texts) {
        retype(name, QString::fromUtf8(text));
        core.state().at(name).text = text;
      }
      QTest::mouseClick(child<RadioGroupBox>("RadioGroup2")->findChildren<QRadioButton*>().at(1),
                        Qt::LeftButton);
      core.state().at("RadioGroup2").index = 1;
      pick("Membrana1ComboBox", 0);
      core.state().at("Membrana1ComboBox").index = 0;
      pick("Membrana2ComboBox", 2);
      core.state().at("Membrana2ComboBox").index = 2;
      pick("RegionComboBox", 5);
      core.state().at("RegionComboBox").index = 5;
      click("RadioButton3");
      core.state().check("RadioButton3");
    }
    click("Button1");
    QVERIFY2(fx->messages.empty(), fx->messages.empty() ? "" : qPrintable(fx->messages[0].text));
    QCOMPARE(form1->reportLines(), toQt(core.calculate()));
  }

  void failingFieldLeavesTheMemo() {
    open();
    retype("Edit3", QString());
    click("Button1");
    QCOMPARE(form1->reportLines(), QStringList{QStringLiteral("нет ничего")});
    QCOMPARE(fx->messages.size(), 1u);
    QVERIFY(fx->messages[0].kind == MessageKind::Error);
    QCOMPARE(fx->messages[0].text, QStringLiteral("'' is not a valid floating point value."));

    retype("Edit3", QStringLiteral("5"));
    click("Button1");
    const QStringList report = form1->reportLines();
    QVERIFY(report.size() > 30);
    // Pasted text is not filtered; the conversion refuses it.
    child<QLineEdit>("Edit2")->setText(QStringLiteral("1,2,3"));
    click("Button1");
    QCOMPARE(form1->reportLines(), report);
    QCOMPARE(fx->messages.back().text,
             QStringLiteral("'1,2,3' is not a valid floating point value."));
  }

  void infoButtonsShowTheirDialogs() {
    HelpForm = new THelpForm;
    Info1Form = new TInfo1Form;
    open();
    click("Button3");  // by the roof width
    click("Button4");  // by the terrain types
    QCOMPARE(fx->modalDialogs, (std::vector<QDialog*>{HelpForm, Info1Form}));
    QCOMPARE(form1->reportLines(), QStringList{QStringLiteral("нет ничего")});
  }

  void missingWindFileStillOpens() {
    fx->useDataFolder({});
    open();
    QCOMPARE(fx->messages.size(), 1u);
    QVERIFY(fx->messages[0].kind == MessageKind::Information);
    QCOMPARE(fx->messages[0].text, QStringLiteral("Не найден файл региональных параметров"));
    QVERIFY(form1->isVisible());
    QCOMPARE(child<QComboBox>("RegionComboBox")->count(), 0);
    QCOMPARE(child<QComboBox>("Membrana1ComboBox")->currentIndex(), 2);
    click("Button1");
    QCOMPARE(fx->messages.back().text, QString::fromUtf8(kNoRegionSelected));
    QCOMPARE(form1->reportLines(), QStringList{QStringLiteral("нет ничего")});
  }

  void printsTheReportInPortrait() {
    open();
    click("Button1");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("fastener.pdf"));
    QStringList dialogs;
    fx->printDialog = [&](QPrintDialog& dialog) {
      dialogs << dialog.objectName();
      // The user picks a PDF file and landscape.
      dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
      dialog.printer()->setOutputFileName(path);
      dialog.printer()->setPageOrientation(QPageLayout::Landscape);
      return true;
    };
    click("Button2");
    QCOMPARE(dialogs, QStringList{QStringLiteral("PrintDialog1")});
    const auto pdf = testing::readPdfText(path);
    QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));
    QCOMPARE(pdf.pages.size(), 1u);
    QVERIFY(pdf.pages[0].height() > pdf.pages[0].width());
    QStringList firstLine;
    double top = -1;
    for (const auto& w : pdf.words) {
      if (top < 0) top = w.yMin;
      if (std::abs(w.yMin - top) < 1) firstLine << w.text;
    }
    QCOMPARE(firstLine.join(u' '), form1->reportLines().first().simplified());

    // Cancelled: nothing printed.
    QFile::remove(path);
    fx->printDialog = [](QPrintDialog&) { return false; };
    click("Button2");
    QVERIFY(!QFile::exists(path));
    QVERIFY(fx->messages.empty());

    // A file that cannot be written is reported, and nothing else happens.
    const QString unwritable = folder.filePath(QStringLiteral("no-such-folder/fastener.pdf"));
    fx->printDialog = [&](QPrintDialog& dialog) {
      dialog.printer()->setOutputFileName(unwritable);
      return true;
    };
    const QStringList report = form1->reportLines();
    click("Button2");
    QCOMPARE(fx->messages.size(), 1u);
    QCOMPARE(fx->messages[0].text, QStringLiteral("Не удалось записать файл %1.").arg(unwritable));
    QCOMPARE(form1->reportLines(), report);
  }
};

QTEST_MAIN(Unit1Test)
#include "unit1_test.moc"
