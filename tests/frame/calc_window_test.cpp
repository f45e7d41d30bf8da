// The calculation window frame on a probe window: the key filter, the memo sizing, the binding
// of the form's state to the widgets, "Расчет" and "Закрыть".

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <stdexcept>

#include "frame/calc_error.h"
#include "frame/calc_window.h"
#include "frame/numbers.h"
#include "frame/numeric_key_filter.h"
#include "frame/radio_group_box.h"
#include "frame/ui_services.h"
#include "gui/gui_fixture.h"

using namespace roofcalc;
using namespace roofcalc::gui;
using roofcalc::gui::testing::GuiFixture;

namespace {

// Two numbers added up; picking item 1 of the list disables the second field, as a real
// window's change handler switches its fields.
class ProbeForm : public CalcForm {
 public:
  ProbeForm() : CalcForm(",") {
    state_.addEdit("Edit1", "1");
    state_.addEdit("Edit2", "2");
    state_.addEdit("NameEdit", "");
    state_.addComboBox("Combo", {"both", "first only"}, 0);
    state_.addRadioGroup("Units", {"m", "cm"}, 0);
    state_.addMemo("Memo1", {kNoReportYet});
  }
  void create(Messages& messages) override {
    messages.push_back({MessageKind::Information, "created"});
  }
  void changed(std::string_view control) override {
    changes.emplace_back(control);
    if (control == "Combo") state_.at("Edit2").enabled = state_.index("Combo") == 0;
  }
  ReportLines calculate() const override {
    if (state_.text("Edit1") == "999") throw std::logic_error("unexpected");
    const double a = StrToFloat(state_.text("Edit1"), separator_);
    const double b = state_.at("Edit2").enabled ? StrToFloat(state_.text("Edit2"), separator_) : 0;
    const char* unit = state_.index("Units") == 1 ? " cm" : " m";
    return {"sum: " + FloatToStr(a + b, separator_) + unit, kBlankLine};
  }
  std::vector<std::string> changes;
};

// The fastener window's numbers: memo offset 385.
const CalcWindowLayout kProbeLayout{
    QStringLiteral("Probe"), {760, 600}, {272, 28, 294, 369}, 15, 385, PagingRule::FillPages};

class ProbeWindow : public CalcWindow {
 public:
  explicit ProbeWindow(const CalcWindowLayout& layout = kProbeLayout)
      : CalcWindow(layout, std::make_unique<ProbeForm>(), nullptr) {
    addEdit("Edit1", {16, 16, 100, 21}, QStringLiteral("first"));
    addEdit("Edit2", {16, 40, 100, 21}, QStringLiteral("second"));
    addEdit("NameEdit", {16, 64, 100, 21}, QStringLiteral("any text"), false);
    addComboBox("Combo", {16, 88, 100, 21}, {});
    addRadioGroup("Units", {16, 112, 100, 50}, {}, {});
    connect(addButton("Button1", {16, 170, 75, 25}, QStringLiteral("Расчет")),
            &QPushButton::clicked, this, [this] { runCalculation(); });
    connect(addButton("CloseButton", {100, 170, 75, 25}, QStringLiteral("Закрыть")),
            &QPushButton::clicked, this, &CalcWindow::CloseButtonClick);
    formCreate();
  }
  ProbeForm& probe() { return static_cast<ProbeForm&>(form()); }
  template <typename W>
  W* child(const char* name) {
    return client()->findChild<W*>(QString::fromLatin1(name));
  }
};

}  // namespace

class CalcWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<GuiFixture> fx;
  ProbeWindow* window = nullptr;

  ProbeWindow* open(const CalcWindowLayout& layout = kProbeLayout) {
    auto* w = new ProbeWindow(layout);
    fx->mdiArea().addSubWindow(w);
    w->show();
    return w;
  }
  void calculate() { QTest::mouseClick(window->child<QPushButton>("Button1"), Qt::LeftButton); }

 private slots:
  void init() {
    fx = std::make_unique<GuiFixture>();
    window = open();
  }
  void cleanup() {
    fx.reset();
    QCOMPARE(GuiFixture::leftoverWindows(), QStringList());
  }

  void createShowsTheStateAndTheMessages() {
    QCOMPARE(window->child<QLineEdit>("Edit2")->text(), QStringLiteral("2"));
    QCOMPARE(window->child<QComboBox>("Combo")->count(), 2);
    QCOMPARE(window->child<RadioGroupBox>("Units")->itemIndex(), 0);
    QCOMPARE(window->reportLines(), QStringList{QStringLiteral("нет ничего")});
    QCOMPARE(fx->messages.size(), 1u);
    QCOMPARE(fx->messages[0].text, QStringLiteral("created"));
    QVERIFY(fx->messages[0].kind == MessageKind::Information);
  }

  void titleBarHasNoButtons() {
    const Qt::WindowFlags flags = window->windowFlags();
    for (Qt::WindowType hint : {Qt::WindowSystemMenuHint, Qt::WindowMinimizeButtonHint,
                                Qt::WindowMaximizeButtonHint, Qt::WindowCloseButtonHint})
      QVERIFY(!flags.testFlag(hint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    // Nor a system menu behind the caption: a right click there would open it and offer
    // to minimise or close the window past "Закрыть".
    QVERIFY(!window->systemMenu());
  }

  void keyFilter_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("beeps");
    QTest::newRow("a point beeps") << "12.5"
                                   << "125" << 1;
    QTest::newRow("a minus beeps") << "-3"
                                   << "3" << 1;
    QTest::newRow("the comma passes") << "1,5"
                                      << "1,5" << 0;
    QTest::newRow("letters and spaces") << "a 7b"
                                        << "7" << 3;
  }
  void keyFilter() {
    QFETCH(QString, typed);
    auto* edit = window->child<QLineEdit>("Edit1");
    edit->clear();
    QTest::keyClicks(edit, typed);
    QFETCH(QString, text);
    QCOMPARE(edit->text(), text);
    QFETCH(int, beeps);
    QCOMPARE(fx->beeps, beeps);
  }

  void keysThatTypeNothingAndPastePass() {
    auto* edit = window->child<QLineEdit>("Edit1");
    edit->setText(QStringLiteral("123"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClick(edit, Qt::Key_Right);
    QCOMPARE(edit->text(), QStringLiteral("2"));
    QCOMPARE(fx->beeps, 0);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(fx->beeps, 1);
    // Pasted text meets the number syntax only when "Расчет" converts it.
    QGuiApplication::clipboard()->setText(QStringLiteral("x.5"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), QStringLiteral("2x.5"));
    QCOMPARE(fx->beeps, 1);
  }

  void unfilteredFieldTakesAnyCharacter() {
    auto* edit = window->child<QLineEdit>("NameEdit");
    QTest::keyClicks(edit, QStringLiteral("Plate 1.5-x"));
    QCOMPARE(edit->text(), QStringLiteral("Plate 1.5-x"));
    QCOMPARE(fx->beeps, 0);
  }

  void filterFollowsTheLocaleSeparator_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("admitted");
    QTest::newRow("comma under comma") << ","
                                       << "," << true;
    QTest::newRow("point under comma") << "."
                                       << "," << false;
    QTest::newRow("point under point") << "."
                                       << "." << true;
    QTest::newRow("comma under point") << ","
                                       << "." << false;
    QTest::newRow("digit") << "0"
                           << "." << true;
    QTest::newRow("backspace") << "\b"
                               << "," << true;
    QTest::newRow("carriage return") << "\r"
                                     << "," << false;
  }
  void filterFollowsTheLocaleSeparator() {
    QFETCH(QString, typed);
    QFETCH(QString, separator);
    QFETCH(bool, admitted);
    QCOMPARE(NumericKeyFilter::admits(typed, separator), admitted);
  }

  void memoSizing_data() {
    QTest::addColumn<int>("memoOffset");
    QTest::addColumn<int>("outerWidth");
    QTest::addColumn<int>("clientHeight");
    QTest::addColumn<QSize>("memo");
    QTest::newRow("900 wide") << 385 << 900 << 700 << QSize(515, 615);
    QTest::newRow("600 wide: minimum width") << 385 << 600 << 700 << QSize(360, 615);
    QTest::newRow("client 500 high: minimum height") << 385 << 900 << 500 << QSize(515, 450);
    QTest::newRow("thermal offset") << 455 << 900 << 535 << QSize(445, 450);
  }
  void memoSizing() {
    QFETCH(int, memoOffset);
    CalcWindowLayout layout = kProbeLayout;
    layout.memoWidthOffset = memoOffset;
    ProbeWindow* w = open(layout);
    const int frameHeight = w->height() - w->clientHeight();
    QFETCH(int, outerWidth);
    QFETCH(int, clientHeight);
    w->resize(outerWidth, clientHeight + frameHeight);
    QFETCH(QSize, memo);
    QCOMPARE(w->memo()->size(), memo);
    QCOMPARE(w->memo()->pos(), QPoint(272, 28));
  }

  void memoSizedWhenOpened() {
    QCOMPARE(window->memo()->width(), 760 - 385);
    QCOMPARE(window->memo()->height(), std::max(450, window->clientHeight() - 85));
  }

  void calculateReplacesTheMemo() {
    QTest::keyClicks(window->child<QLineEdit>("Edit1"), QStringLiteral(",5"));
    calculate();
    QCOMPARE(window->reportLines(),
             (QStringList{QStringLiteral("sum: 3,5 m"), QStringLiteral(" ")}));
    QVERIFY(fx->messages.size() == 1);  // only the one of create
  }

  void failingFieldLeavesTheMemoAsItWas() {
    fx->messages.clear();
    auto* second = window->child<QLineEdit>("Edit2");
    second->clear();
    calculate();
    QCOMPARE(window->reportLines(), QStringList{QStringLiteral("нет ничего")});
    QCOMPARE(fx->messages.size(), 1u);
    QVERIFY(fx->messages[0].kind == MessageKind::Error);
    QCOMPARE(fx->messages[0].text, QStringLiteral("'' is not a valid floating point value."));

    second->setText(QStringLiteral("4"));
    calculate();
    const QStringList report = window->reportLines();
    second->setText(QStringLiteral("1,2,3"));
    calculate();
    QCOMPARE(window->reportLines(), report);
    QCOMPARE(fx->messages.back().text,
             QStringLiteral("'1,2,3' is not a valid floating point value."));
  }

  void unexpectedExceptionStaysInTheHandler() {
    window->child<QLineEdit>("Edit1")->setText(QStringLiteral("999"));
    calculate();
    QCOMPARE(fx->messages.back().text, QStringLiteral("unexpected"));
    QCOMPARE(window->reportLines(), QStringList{QStringLiteral("нет ничего")});
  }

  void userPickRunsTheChangeHandler() {
    auto* combo = window->child<QComboBox>("Combo");
    auto* second = window->child<QLineEdit>("Edit2");
    window->child<QLineEdit>("Edit1")->setText(QStringLiteral("7"));
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(window->probe().changes, std::vector<std::string>{"Combo"});
    QVERIFY(!second->isEnabled());
    // The typed text was taken into the state before the handler and survives the push.
    QCOMPARE(window->child<QLineEdit>("Edit1")->text(), QStringLiteral("7"));

    auto* units = window->child<RadioGroupBox>("Units");
    QTest::mouseClick(units->findChildren<QRadioButton*>().at(1), Qt::LeftButton);
    QCOMPARE(window->probe().changes, (std::vector<std::string>{"Combo", "Units"}));
    calculate();
    QCOMPARE(window->reportLines().first(), QStringLiteral("sum: 7 cm"));
  }

  void desktopMessageBoxesCarryTheApplicationTitle() {
    fx.reset();  // the real boxes
    struct Seen {
      QString title, text;
      QMessageBox::Icon icon;
    };
    std::vector<Seen> seen;
    for (MessageKind kind : {MessageKind::Error, MessageKind::Information}) {
      // The box is modal: look at it from inside its own event loop, then press OK.
      QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
          seen.push_back({box->windowTitle(), box->text(), box->icon()});
          box->button(QMessageBox::Ok)->click();
        }
      });
      if (kind == MessageKind::Error)
        showError(QStringLiteral("Floating point overflow."));
      else
        showInformation(QStringLiteral("Не найден файл региональных параметров"));
    }
    fx = std::make_unique<GuiFixture>();
    QCOMPARE(seen.size(), 2u);
    QCOMPARE(seen[0].title, QStringLiteral("Расчет ТАЛВИРОН"));
    QCOMPARE(seen[0].icon, QMessageBox::Critical);
    QCOMPARE(seen[0].text, QStringLiteral("Floating point overflow."));
    QCOMPARE(seen[1].title, QStringLiteral("Расчет ТАЛВИРОН"));
    QCOMPARE(seen[1].icon, QMessageBox::NoIcon);
  }

  void closeButtonClosesAndReports() {
    QSignalSpy closed(window, &CalcWindow::closed);
    QPointer<ProbeWindow> alive(window);
    window->close();  // not "Закрыть": refused
    QVERIFY(window->isVisible());
    QCOMPARE(closed.count(), 0);
    QTest::mouseClick(window->child<QPushButton>("CloseButton"), Qt::LeftButton);
    QCOMPARE(closed.count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(alive.isNull());
    QVERIFY(fx->mdiArea().subWindowList().size() == 0);
  }
};

QTEST_MAIN(CalcWindowTest)
#include "calc_window_test.moc"
