// The main window: the welcome panel's place, opening and closing calculation windows with
// the menu bookkeeping, arranging them, and the reference dialogs.

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "frame/calc_window.h"
#include "gui/gui_fixture.h"
#include "shell/Help1unit.h"
#include "shell/Help2unit.h"
#include "shell/Helpunit.h"
#include "shell/Info1unit.h"
#include "shell/Mainunit.h"
#include "shell/application.h"
#include "shell/welcome_panel.h"

using namespace roofcalc::gui;
using roofcalc::gui::testing::GuiFixture;

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<GuiFixture> fx;
  std::unique_ptr<ApplicationWindows> app;

  TMainForm& main() { return *app->mainForm; }
  QAction* entry(const char* name) { return main().findChild<QAction*>(QString::fromLatin1(name)); }
  CalcWindow* window(const QString& caption) {
    for (QMdiSubWindow* w : main().mdiArea()->subWindowList())
      if (w->windowTitle() == caption) return qobject_cast<CalcWindow*>(w);
    return nullptr;
  }
  void pressClose(CalcWindow* w) {
    QTest::mouseClick(w->client()->findChild<QPushButton*>(QStringLiteral("CloseButton")),
                      Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

 private slots:
  void init() {
    fx = std::make_unique<GuiFixture>();
    std::vector<std::pair<QString, QByteArray>> files;
    for (const char* name : {"wind.txt", "klimat.txt", "materials.txt"})
      files.emplace_back(QString::fromLatin1(name),
                         GuiFixture::shippedFile(QString::fromLatin1(name)));
    fx->useDataFolder(files);
    app = std::make_unique<ApplicationWindows>();
    main().show();
  }
  void cleanup() {
    app.reset();
    fx.reset();
    QCOMPARE(GuiFixture::leftoverWindows(), QStringList());
  }

  void panelPosition_data() {
    QTest::addColumn<QSize>("clientArea");
    QTest::addColumn<QPoint>("panel");
    QTest::newRow("1000 x 700") << QSize(1000, 700) << QPoint(235, 185);
    QTest::newRow("odd sizes truncate") << QSize(1001, 701) << QPoint(235, 185);
    QTest::newRow("500 x 300: at least 10") << QSize(500, 300) << QPoint(10, 10);
    QTest::newRow("wide but low") << QSize(1200, 200) << QPoint(335, 10);
  }
  void panelPosition() {
    QFETCH(QSize, clientArea);
    QFETCH(QPoint, panel);
    QCOMPARE(TMainForm::panelPosition(clientArea), panel);
  }

  void panelFollowsTheWindowSize() {
    for (QSize size : {QSize(1100, 800), QSize(600, 400)}) {
      main().resize(size);
      QCoreApplication::processEvents();
      const QSize client = main().mdiArea()->viewport()->size();
      QCOMPARE(main().panel()->pos(), TMainForm::panelPosition(client));
    }
    QVERIFY(main().panel()->isVisible());
    QCOMPARE(main().panel()->size(), QSize(433, 297));
  }

  void openAndCloseKeepTheBookkeeping() {
    entry("N11")->trigger();
    entry("N21")->trigger();
    QCOMPARE(main().openCalcWindowCount(), 2);
    QVERIFY(!entry("N11")->isEnabled() && !entry("N21")->isEnabled());
    QVERIFY(!main().panel()->isVisible());

    pressClose(window(QStringLiteral("Расчет необходимого количества крепежа KORVANT")));
    QCOMPARE(main().openCalcWindowCount(), 1);
    QVERIFY(entry("N11")->isEnabled());
    QVERIFY(!entry("N21")->isEnabled());
    QVERIFY(!main().panel()->isVisible());

    pressClose(window(QStringLiteral("Расчет необходимого количества ПВХ мембраны ВЕРДАМИН")));
    QCOMPARE(main().openCalcWindowCount(), 0);
    QVERIFY(entry("N21")->isEnabled());
    QVERIFY(main().panel()->isVisible());
    QVERIFY(main().mdiArea()->subWindowList().isEmpty());
  }

  void reopenedWindowStartsAfresh() {
    entry("N11")->trigger();
    CalcWindow* first = window(QStringLiteral("Расчет необходимого количества крепежа KORVANT"));
    QTest::mouseClick(first->client()->findChild<QPushButton*>(QStringLiteral("Button1")),
                      Qt::LeftButton);
    QVERIFY(first->reportLines().size() > 30);
    pressClose(first);
    entry("N11")->trigger();
    CalcWindow* second = window(QStringLiteral("Расчет необходимого количества крепежа KORVANT"));
    QCOMPARE(second->reportLines(), QStringList{QStringLiteral("нет ничего")});
  }

  void everyEntryOpensItsWindow_data() {
    QTest::addColumn<QString>("entryName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<int>("memoWidth");
    QTest::newRow("fastener") << "N11"
                              << "Расчет необходимого количества крепежа KORVANT" << QSize(760, 600)
                              << 375;
    QTest::newRow("membrane") << "N21"
                              << "Расчет необходимого количества ПВХ мембраны ВЕРДАМИН"
                              << QSize(744, 617) << 360;
    QTest::newRow("thermal") << "N31"
                             << "Теплотехнический расчет толщины плит ТАЛВИРОН" << QSize(775, 589)
                             << 360;
    QTest::newRow("insulation") << "N41"
                                << "Расчет необходимого количества утеплителя" << QSize(846, 587)
                                << 461;
    QTest::newRow("vapour barrier")
        << "N51"
        << "Расчет необходимого количества пароизоляции" << QSize(818, 607) << 433;
  }
  void everyEntryOpensItsWindow() {
    QFETCH(QString, entryName);
    entry(qPrintable(entryName))->trigger();
    QFETCH(QString, caption);
    CalcWindow* w = window(caption);
    QVERIFY(w);
    QFETCH(QSize, outer);
    QCOMPARE(w->size(), outer);
    QFETCH(int, memoWidth);
    QCOMPARE(w->memo()->width(), memoWidth);
    QCOMPARE(w->reportLines(), QStringList{QStringLiteral("нет ничего")});
    QVERIFY(!entry(qPrintable(entryName))->isEnabled());
    QVERIFY(fx->messages.empty());
  }

  void tileStacksTheWindowsOverTheFullWidth() {
    entry("N12")->trigger();  // nothing open: nothing happens
    entry("N10")->trigger();
    entry("N11")->trigger();
    entry("N41")->trigger();
    entry("N51")->trigger();
    entry("N12")->trigger();
    const QSize area = main().mdiArea()->viewport()->size();
    const auto windows = main().mdiArea()->subWindowList(QMdiArea::CreationOrder);
    QCOMPARE(windows.size(), 3);
    int nextTop = 0;
    for (QMdiSubWindow* w : windows) {
      QCOMPARE(w->geometry().left(), 0);
      QCOMPARE(w->width(), area.width());
      QCOMPARE(w->geometry().top(), nextTop);
      nextTop += w->height();
    }
    QCOMPARE(nextTop, area.height());

    entry("N10")->trigger();
    QVERIFY(windows[1]->geometry().top() > windows[0]->geometry().top());
  }

  void closingTheMainWindow() {
    entry("N11")->trigger();
    entry("N8")->trigger();
    QVERIFY(!main().isVisible());
  }

  void webLinksOpenTheSuppliersSites() {
    for (const char* name : {"Label1", "Label7", "Label8"})
      QTest::mouseClick(main().panel()->findChild<QLabel*>(QString::fromLatin1(name)),
                        Qt::LeftButton);
    QCOMPARE(fx->openedUrls,
             (std::vector<QUrl>{WelcomePanel::kInsulationSite, WelcomePanel::kMembraneSite,
                                WelcomePanel::kFastenerSite}));
  }

  void helpMenuShowsItsDialogsModally() {
    entry("N3")->trigger();
    entry("N5")->trigger();
    QCOMPARE(fx->modalDialogs, (std::vector<QDialog*>{Help1Form, Help2Form}));
  }

  void dialogsAreFixedAndCentred_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client");
    QTest::newRow("roof scheme") << "HelpForm"
                                 << "Схема кровли" << QSize(452, 479);
    QTest::newRow("terrain types") << "Info1Form"
                                   << "Справочная информация" << QSize(464, 153);
    QTest::newRow("guide") << "Help1Form"
                           << "О работе с программой" << QSize(408, 292);
    QTest::newRow("methods") << "Help2Form"
                             << "Об алгоритмах расчетов" << QSize(496, 211);
  }
  void dialogsAreFixedAndCentred() {
    QFETCH(QString, name);
    ReferenceDialog* dialog = nullptr;
    for (ReferenceDialog* d :
         std::initializer_list<ReferenceDialog*>{HelpForm, Info1Form, Help1Form, Help2Form})
      if (d->objectName() == name) dialog = d;
    QVERIFY(dialog);
    QFETCH(QString, caption);
    QCOMPARE(dialog->windowTitle(), caption);
    QFETCH(QSize, client);
    QCOMPARE(dialog->minimumSize(), client);
    QCOMPARE(dialog->maximumSize(), dialog->minimumSize());
    QVERIFY(dialog->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!dialog->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    dialog->showModally();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(std::abs(dialog->geometry().center().x() - screen.center().x()) <= 1);
    QCOMPARE(fx->modalDialogs, std::vector<QDialog*>{dialog});

    // "Закрыть" ends the modal display.
    dialog->open();
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
  }

  void guideTextIsExact() {
    Help1Form->show();  // the memo is made when the dialog is first shown
    const QString text =
        Help1Form->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText();
    const QStringList lines = text.split(u'\n');
    QCOMPARE(lines.size(), 10);
    QCOMPARE(lines[0], QString(29, u' ') + QStringLiteral("Работа  с программой"));
    QCOMPARE(lines[9], QStringLiteral(" и т.д."));
    Help1Form->hide();
  }

  void roofSchemeIsDrawnAndShifted() {
    HelpForm->show();  // the picture is drawn when the dialog is first shown
    auto* image = HelpForm->findChild<QLabel*>(QStringLiteral("Image1"));
    QCOMPARE(image->geometry(), QRect(-32, 0, 515, 482));
    const QImage scheme = image->pixmap().toImage();
    QCOMPARE(scheme.size(), QSize(515, 482));
    // The plan's outline and the walls of the section are black, the corner white.
    QCOMPARE(scheme.pixelColor(54, 150), QColor(Qt::black));
    QCOMPARE(scheme.pixelColor(169, 420), QColor(Qt::black));
    QCOMPARE(scheme.pixelColor(5, 470), QColor(Qt::white));
    HelpForm->hide();
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
