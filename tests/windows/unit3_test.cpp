// The thermal window as a user drives it: the shipped data on opening, the layer rows through
// the core's model, "Расчет" with the core's report, failures that keep the report, missing data
// files, a city change, the list that drops down on typing, printing and closing.

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "calc/thermal_form.h"
#include "gui/gui_fixture.h"
#include "shell/Mainunit.h"
#include "shell/application.h"
#include "windows/Unit3.h"

using namespace roofcalc;
using namespace roofcalc::gui;
using roofcalc::gui::testing::control;
using roofcalc::gui::testing::GuiFixture;

namespace {

using DataFiles = std::vector<std::pair<QString, QByteArray>>;

DataFiles shippedData(bool climate, bool materials) {
  DataFiles files;
  if (climate)
    files.emplace_back(QStringLiteral("klimat.txt"),
                       GuiFixture::shippedFile(QStringLiteral("klimat.txt")));
  if (materials)
    files.emplace_back(QStringLiteral("materials.txt"),
                       GuiFixture::shippedFile(QStringLiteral("materials.txt")));
  return files;
}

QString q(const std::string& s) {
  return QString::fromStdString(s);
}

// Typed text of any script, one key press per character (QTest::keyClicks knows only ASCII).
void type(QWidget* w, const QString& text) {
  for (QChar ch : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
  }
}

QStringList toQt(const std::vector<std::string>& lines) {
  QStringList list;
  for (const auto& l : lines) list << q(l);
  return list;
}

}  // namespace

class Unit3Test : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<GuiFixture> fx;
  TForm3* form3 = nullptr;
  // The core's model of the same window, created from the same folder and driven alike.
  std::unique_ptr<ThermalForm> core;

  template <typename W = QWidget>
  W* child(const QString& name) {
    return control<W>(form3, name);
  }
  template <typename W = QWidget>
  W* child(const char* name) {
    return control<W>(form3, QString::fromLatin1(name));
  }
  void open() {
    form3 = new TForm3;
    fx->mdiArea().addSubWindow(form3);
    form3->show();
    core = std::make_unique<ThermalForm>(",");
    Messages messages;
    core->create(messages);
  }
  void click(const char* name) { QTest::mouseClick(child(name), Qt::LeftButton); }
  void retype(const char* edit, const QString& text) {
    auto* e = child<QLineEdit>(edit);
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
    QTest::keyClicks(e, text);
    core->state().at(edit).text = e->text().toStdString();
  }
  // A pick with the arrow keys, as a user makes it: each item passed on the way is picked in
  // turn, in the window and in the core's model alike.
  void pick(const char* combo, int index) {
    auto* c = child<QComboBox>(combo);
    while (c->currentIndex() != index) {
      QTest::keyClick(c, c->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
      core->state().at(combo).index = c->currentIndex();
      core->changed(combo);
    }
  }
  // Every edit field of the window shows what the core's model holds.
  void compareFieldsWithCore() {
    for (const ControlState& c : core->state().controls()) {
      if (c.kind != ControlKind::Edit) continue;
      auto* edit = child<QLineEdit>(q(c.name));
      QCOMPARE(edit->text(), q(c.text));
      QVERIFY2(edit->isEnabled() == c.enabled, c.name.c_str());
      QVERIFY2(edit->isHidden() == !c.visible, c.name.c_str());
    }
  }
  int firstCityOfZone(int zone) const {
    const auto& entries = core->climate().entries;
    for (size_t i = 0; i < entries.size(); ++i)
      if (entries[i].zone == zone) return static_cast<int>(i);
    return -1;
  }

 private slots:
  void init() {
    fx = std::make_unique<GuiFixture>();
    fx->useDataFolder(shippedData(true, true));
  }
  void cleanup() {
    core.reset();
    fx.reset();
    QCOMPARE(GuiFixture::leftoverWindows(), QStringList());
  }

  void opensWithTheShippedData() {
    open();
    QVERIFY2(fx->messages.empty(), fx->messages.empty() ? "" : qPrintable(fx->messages[0].text));
    QCOMPARE(form3->windowTitle(), QStringLiteral("Теплотехнический расчет толщины плит ТАЛВИРОН"));

    auto* cities = child<QComboBox>("RegionCombo");
    QVERIFY(cities->count() > 1);
    QCOMPARE(cities->count(), static_cast<int>(core->climate().names.size()));
    QCOMPARE(cities->currentIndex(), 0);
    QCOMPARE(cities->currentText(), q(core->climate().names.front()));
    const std::pair<const char*, const char*> lists[] = {{"PomCombo", "жилое"},
                                                         {"OgrCombo", "наружная стена"},
                                                         {"TipCombo", "тип Н2 или Н1"},
                                                         {"TemCombo", "20"}};
    for (const auto& [name, text] : lists)
      QCOMPARE(child<QComboBox>(name)->currentText(), QString::fromUtf8(text));
    QCOMPARE(child<QComboBox>("TemCombo")->count(), 16);

    const auto& catalogue = core->catalogue();
    QVERIFY(!catalogue.items.empty());
    for (int row = 1; row <= 5; ++row) {
      auto* list = child<QComboBox>(QStringLiteral("MatCombo%1").arg(row));
      QCOMPARE(list->count(), 2 + static_cast<int>(catalogue.items.size()));
      QCOMPARE(list->currentIndex(), 0);
      QCOMPARE(list->itemText(1), QStringLiteral("Пользовательский"));
      QCOMPARE(list->itemText(2), q(catalogue.items.front()));
    }
    compareFieldsWithCore();
    QCOMPARE(child<QLineEdit>("lamEdit4")->text(), QStringLiteral("100"));
    QVERIFY(!child<QLineEdit>("dEdit4")->isEnabled());
    QVERIFY(child<QLineEdit>("NameEdit4")->isHidden());

    QCOMPARE(form3->reportLines(), QStringList{QStringLiteral("нет ничего")});
    auto* materials = child<QPlainTextEdit>("Memo2");
    QVERIFY(materials->isHidden());
    QCOMPARE(materials->toPlainText().split(u'\n'), toQt(catalogue.lines));

    // The conductivity heading shows the Greek letter, whatever font has to draw it.
    auto* lambda = child<QLabel>("Label8");
    if (lambda->text() == QStringLiteral("l"))
      QCOMPARE(lambda->font().family(), QStringLiteral("Symbol"));
    else
      QCOMPARE(lambda->text(), QStringLiteral("λ"));
    QCOMPARE(lambda->font().pixelSize(), 13);
    QVERIFY(lambda->font().bold());
    // Hints only where the layout shows them.
    QCOMPARE(child("Label17")->toolTip(), QStringLiteral("Выбор района строительства"));
    QCOMPARE(child("Label1")->toolTip(), QString());
    QCOMPARE(child("Label19")->toolTip(), QString());

    // The keyboard order of the layout.
    const QStringList order{"CloseButton", "Memo1",       "dEdit1",    "lamEdit1",  "Button2",
                            "Button3",     "RegionCombo", "PomCombo",  "OgrCombo",  "TipCombo",
                            "TemCombo",    "MatCombo1",   "dEdit2",    "lamEdit2",  "MatCombo2",
                            "dEdit3",      "lamEdit3",    "MatCombo3", "dEdit4",    "lamEdit4",
                            "MatCombo4",   "dEdit5",      "lamEdit5",  "MatCombo5", "NameEdit1",
                            "NameEdit2",   "NameEdit3",   "NameEdit4", "NameEdit5", "Memo2"};
    QStringList chain;
    QWidget* w = child("CloseButton");
    do {
      if (w->parentWidget() == form3->client() && order.contains(w->objectName()))
        chain << w->objectName();
      w = w->nextInFocusChain();
    } while (w != child("CloseButton") && chain.size() < order.size());
    QCOMPARE(chain, order);
  }

  void rowFieldsFollowThePick() {
    open();
    pick("MatCombo2", 1);  // "Пользовательский"
    compareFieldsWithCore();
    auto* name = child<QLineEdit>("NameEdit2");
    auto* conductivity = child<QLineEdit>("lamEdit2");
    QVERIFY(name->isVisible() && name->isEnabled());
    QVERIFY(conductivity->isEnabled() && child<QLineEdit>("dEdit2")->isEnabled());
    QCOMPARE(conductivity->text(), QStringLiteral("0"));
    QCOMPARE(name->toolTip(), QStringLiteral("Введите название материала"));

    // The conductivity goes through the key filter, the name does not.
    retype("lamEdit2", QStringLiteral("0.5"));
    QCOMPARE(conductivity->text(), QStringLiteral("05"));
    QCOMPARE(fx->beeps, 1);
    retype("lamEdit2", QStringLiteral("-0,45"));
    QCOMPARE(conductivity->text(), QStringLiteral("0,45"));
    QCOMPARE(fx->beeps, 2);
    type(name, QStringLiteral("Пена-1.2 x"));
    QCOMPARE(name->text(), QStringLiteral("Пена-1.2 x"));
    core->state().at("NameEdit2").text = name->text().toStdString();
    QCOMPARE(fx->beeps, 2);

    pick("MatCombo2", 3);  // a catalogue material
    compareFieldsWithCore();
    QVERIFY(name->isVisible() && !name->isEnabled() && !conductivity->isEnabled());
    QCOMPARE(name->text(), q(core->catalogue().atListIndex(3)->density));
    QCOMPARE(name->toolTip(), QStringLiteral("Плотность материала"));

    pick("MatCombo2", 0);  // "нет": the texts stay
    compareFieldsWithCore();
    QVERIFY(name->isHidden() && !conductivity->isEnabled());
    QCOMPARE(fx->beeps, 2);
    QVERIFY(fx->messages.empty());
  }

  void cityChangeFollowsTheZone() {
    open();
    const int zoneA = firstCityOfZone(0);
    const int zoneB = firstCityOfZone(1);
    QVERIFY(zoneA >= 0 && zoneB >= 0);
    pick("RegionCombo", zoneB);
    pick("MatCombo1", 2);
    pick("MatCombo2", 1);
    retype("lamEdit2", QStringLiteral("0,3"));
    const Material& material = *core->catalogue().atListIndex(2);
    QCOMPARE(child<QLineEdit>("lamEdit1")->text(), q(material.conductivityB));

    pick("RegionCombo", zoneA);
    QCOMPARE(child<QLineEdit>("lamEdit1")->text(), q(material.conductivityA));
    QCOMPARE(child<QLineEdit>("lamEdit2")->text(), QStringLiteral("0,3"));
    QCOMPARE(child<QLineEdit>("lamEdit3")->text(), QStringLiteral("100"));
    compareFieldsWithCore();
  }

  void calculateShowsTheCoreReport() {
    open();
    pick("RegionCombo", 3);
    pick("PomCombo", 1);
    pick("OgrCombo", 1);
    pick("TipCombo", 1);
    pick("TemCombo", 8);
    pick("MatCombo1", 2);
    retype("dEdit1", QStringLiteral("200"));
    pick("MatCombo3", 1);
    type(child<QLineEdit>("NameEdit3"), QStringLiteral("Засыпка"));
    core->state().at("NameEdit3").text = "Засыпка";
    retype("lamEdit3", QStringLiteral("0,5"));
    retype("dEdit3", QStringLiteral("080"));
    click("Button2");
    QVERIFY2(fx->messages.empty(), fx->messages.empty() ? "" : qPrintable(fx->messages[0].text));
    const QStringList report = form3->reportLines();
    QCOMPARE(report, toQt(core->calculate()));
    QVERIFY(report.size() > 20);
    QVERIFY(report.contains(QStringLiteral("толщина:  080 мм")));
  }

  void aPickKeepsTheReportWhereTheUserScrolledIt() {
    open();
    for (const char* row : {"MatCombo1", "MatCombo2", "MatCombo3", "MatCombo4"}) pick(row, 2);
    click("Button2");  // a report longer than the memo
    QScrollBar* bar = child<QPlainTextEdit>("Memo1")->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    bar->setValue(bar->maximum());
    pick("MatCombo5", 1);
    QCOMPARE(bar->value(), bar->maximum());
  }

  void failedCalculationKeepsTheReport() {
    open();
    click("Button2");
    const QStringList report = form3->reportLines();
    QVERIFY(report.size() > 20);
    QVERIFY(fx->messages.empty());

    pick("MatCombo4", 1);  // left at its conductivity "0"
    click("Button2");
    QCOMPARE(fx->messages.size(), 1u);
    QVERIFY(fx->messages[0].kind == MessageKind::Error);
    QCOMPARE(fx->messages[0].text, QStringLiteral("Floating point division by zero."));
    QCOMPARE(form3->reportLines(), report);

    retype("lamEdit4", QStringLiteral("0,5"));
    retype("dEdit4", QString());
    click("Button2");
    QCOMPARE(fx->messages.back().text, QStringLiteral("'' is not a valid floating point value."));
    QCOMPARE(form3->reportLines(), report);
  }

  void missingDataFileStillOpens_data() {
    QTest::addColumn<bool>("climate");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("calculation");  // the message of "Расчет", empty when it works
    QTest::newRow("no klimat.txt") << false << "Не найден файл климатических параметров"
                                   << "Выберите местонахождение.";
    // Rows with no selected item take part with their field texts.
    QTest::newRow("no materials.txt") << true << "Не найден файл материалов" << QString();
  }
  void missingDataFileStillOpens() {
    QFETCH(bool, climate);
    fx->useDataFolder(shippedData(climate, !climate));
    open();
    QFETCH(QString, message);
    QCOMPARE(fx->messages.size(), 1u);
    QVERIFY(fx->messages[0].kind == MessageKind::Information);
    QCOMPARE(fx->messages[0].text, message);
    QVERIFY(form3->isVisible());
    auto* cities = child<QComboBox>("RegionCombo");
    QCOMPARE(cities->count(), static_cast<int>(core->climate().names.size()));
    QCOMPARE(cities->currentIndex(), climate ? 0 : -1);
    for (int row = 1; row <= 5; ++row) {
      auto* list = child<QComboBox>(QStringLiteral("MatCombo%1").arg(row));
      QCOMPARE(list->count(), 2);
      QCOMPARE(list->currentIndex(), -1);
    }
    QCOMPARE(child<QComboBox>("TemCombo")->currentText(), QStringLiteral("20"));

    click("Button2");
    QFETCH(QString, calculation);
    if (calculation.isEmpty()) {
      QCOMPARE(fx->messages.size(), 1u);
      QCOMPARE(form3->reportLines(), toQt(core->calculate()));
    } else {
      QCOMPARE(fx->messages.back().text, calculation);
      QCOMPARE(form3->reportLines(), QStringList{QStringLiteral("нет ничего")});
    }
  }

  void typingDropsTheThirdListDown() {
    open();
    auto* third = child<QComboBox>("MatCombo3");
    type(third, QStringLiteral("П"));
    QVERIFY(third->view()->isVisible());
    // It drops down from the field's bottom edge rather than over the field.
    QVERIFY(third->view()->window()->geometry().top() >=
            third->mapToGlobal(QPoint(0, third->height() - 1)).y());
    // The open list shows eight items at a time and every material name whole.
    QCOMPARE(third->maxVisibleItems(), 8);
    int longest = 0;
    for (int i = 0; i < third->count(); ++i)
      longest =
          std::max(longest, third->view()->fontMetrics().horizontalAdvance(third->itemText(i)));
    QVERIFY(third->view()->viewport()->width() >= longest);
    // The typed letter looks in the open list; the pick is made when the user confirms it.
    QCOMPARE(third->view()->currentIndex().row(), 1);
    QCOMPARE(third->currentIndex(), 0);
    QVERIFY(!child<QLineEdit>("lamEdit3")->isEnabled());
    QTest::keyClick(third->view(), Qt::Key_Return);
    QVERIFY(!third->view()->isVisible());
    QCOMPARE(third->currentIndex(), 1);
    QVERIFY(child<QLineEdit>("lamEdit3")->isEnabled());
    QCOMPARE(child<QLineEdit>("lamEdit3")->text(), QStringLiteral("0"));

    // The other lists keep the plain behaviour.
    auto* first = child<QComboBox>("MatCombo1");
    type(first, QStringLiteral("П"));
    QVERIFY(!first->view()->isVisible());
  }

  void printsThirtySixLinesAPage() {
    open();
    for (int row = 1; row <= 5; ++row) pick(qPrintable(QStringLiteral("MatCombo%1").arg(row)), 2);
    click("Button2");
    const QStringList report = form3->reportLines();
    QVERIFY(report.size() > 36);
    QVERIFY(!report[36].trimmed().isEmpty());

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("thermal.pdf"));
    fx->printDialog = [&](QPrintDialog& dialog) {
      dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
      dialog.printer()->setOutputFileName(path);
      return true;
    };
    click("Button3");
    QVERIFY(fx->messages.empty());
    const auto pdf = testing::readPdfText(path);
    QVERIFY2(pdf.error.isEmpty(), qPrintable(pdf.error));
    QCOMPARE(pdf.pages.size(), 2u);
    QStringList secondPage;
    for (const auto& w : pdf.words)
      if (w.page == 2) secondPage << w.text;
    QVERIFY(!secondPage.isEmpty());
    QCOMPARE(secondPage.first(), report[36].split(u' ', Qt::SkipEmptyParts).first());
  }

  void openedAndClosedFromTheMenu() {
    ApplicationWindows app;
    app.mainForm->show();
    auto* entry = app.mainForm->findChild<QAction*>(QStringLiteral("N31"));
    entry->trigger();
    QVERIFY(!entry->isEnabled());
    QCOMPARE(app.mainForm->mdiArea()->subWindowList().size(), 1);
    form3 = qobject_cast<TForm3*>(app.mainForm->mdiArea()->subWindowList().first());
    QVERIFY(form3);
    QVERIFY(fx->messages.empty());
    click("Button2");
    QVERIFY(form3->reportLines().size() > 20);
    click("CloseButton");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(entry->isEnabled());
    QVERIFY(app.mainForm->mdiArea()->subWindowList().isEmpty());
  }
};

QTEST_MAIN(Unit3Test)
#include "unit3_test.moc"
