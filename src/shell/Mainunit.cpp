#include "shell/Mainunit.h"

#include <algorithm>

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

#include "frame/ui_services.h"
#include "shell/Help1unit.h"
#include "shell/Help2unit.h"
#include "shell/welcome_panel.h"
#include "windows/Unit1.h"
#include "windows/Unit2.h"
#include "windows/Unit3.h"
#include "windows/Unit4.h"
#include "windows/Unit5.h"

namespace roofcalc::gui {

TMainForm* MainForm = nullptr;

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent), mdiArea_(new QMdiArea(this)) {
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(QStringLiteral("Программа по расчету расхода элементов плоских кровель"));
  resize(905, 601);
  mdiArea_->setObjectName(QStringLiteral("ClientArea"));
  setCentralWidget(mdiArea_);

  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  auto menu = [bar](const char* name, const QString& title) {
    QMenu* m = bar->addMenu(title);
    m->setObjectName(QString::fromLatin1(name));
    return m;
  };
  QMenu* N1 = menu("N1", QStringLiteral("Вид расчета"));
  N11 = entry("N11", QStringLiteral("Расчет количества крепежа"), &TMainForm::N11Click);
  N21 = entry("N21", QStringLiteral("Расчет количества мембраны"), &TMainForm::N21Click);
  N31 = entry("N31", QStringLiteral("Теплотехнический расчет "), &TMainForm::N31Click);
  N41 = entry("N41", QStringLiteral("Расчет количества утеплителя"), &TMainForm::N41Click);
  N51 = entry("N51", QStringLiteral("Расчет количества пароизоляции"), &TMainForm::N51Click);
  N1->addActions({N11, N21, N31, N41, N51});
  QMenu* N2 = menu("N2", QStringLiteral("Справка"));
  N2->addAction(entry("N3", QStringLiteral("О работе с программой ..."), &TMainForm::N3Click));
  N2->addSeparator()->setObjectName(QStringLiteral("N4"));
  N2->addAction(entry("N5", QStringLiteral("Об алгоритмах расчетов ..."), &TMainForm::N5Click));
  QMenu* N9 = menu("N9", QStringLiteral("Окно"));
  N9->addAction(entry("N10", QStringLiteral("Каскад"), &TMainForm::N10Click));
  N9->addAction(entry("N12", QStringLiteral("Рядом"), &TMainForm::N12Click));
  QMenu* N7 = menu("N7", QStringLiteral("Выход"));
  N7->addAction(entry("N8", QStringLiteral("Закончить работу"), &TMainForm::N8Click));

  Panel1 = createWelcomePanel(mdiArea_->viewport());
  // The panel follows the client area on every resize and paint of it.
  mdiArea_->viewport()->installEventFilter(this);
  placePanel();
}

QAction* TMainForm::entry(const char* name, const QString& caption, void (TMainForm::*slot)()) {
  auto* action = new QAction(caption, this);
  action->setObjectName(QString::fromLatin1(name));
  connect(action, &QAction::triggered, this, slot);
  return action;
}

QPoint TMainForm::panelPosition(QSize clientArea) {
  // 530 x 330 rather than the panel's own 433 x 297: the panel sits a little left of and
  // above the centre.
  int left = (clientArea.width() - 530) / 2;
  int top = (clientArea.height() - 330) / 2;
  if (left < 10) left = 10;
  if (top < 10) top = 10;
  return {left, top};
}

void TMainForm::placePanel() {
  const QPoint at = panelPosition(mdiArea_->viewport()->size());
  if (Panel1->pos() != at) Panel1->move(at);
}

void TMainForm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  placePanel();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == mdiArea_->viewport() &&
      (event->type() == QEvent::Resize || event->type() == QEvent::Paint))
    placePanel();
  return QMainWindow::eventFilter(watched, event);
}

template <typename Window>
void TMainForm::openCalcWindow(QAction* entry) {
  guarded([&] {
    // The window's FormCreate runs in its constructor; what it reports (a missing data file)
    // has been shown by then and does not stop the window from opening.
    auto* window = new Window;
    mdiArea_->addSubWindow(window);
    connect(window, &CalcWindow::closed, this, [this, entry] { calcWindowClosed(entry); });
    window->show();
    // A window wider or taller than the area would be placed partly above or left of it, out
    // of reach; keep its top-left corner inside.
    if (window->x() < 0 || window->y() < 0)
      window->move(std::max(0, window->x()), std::max(0, window->y()));
    entry->setEnabled(false);
    Panel1->hide();
    ++OpenCalcWindowCount;
  });
}

void TMainForm::calcWindowClosed(QAction* entry) {
  entry->setEnabled(true);
  --OpenCalcWindowCount;
  if (OpenCalcWindowCount == 0) Panel1->show();
}

void TMainForm::N11Click() {
  openCalcWindow<TForm1>(N11);
}
void TMainForm::N21Click() {
  openCalcWindow<TForm2>(N21);
}
void TMainForm::N31Click() {
  openCalcWindow<TForm3>(N31);
}
void TMainForm::N41Click() {
  openCalcWindow<TForm4>(N41);
}
void TMainForm::N51Click() {
  openCalcWindow<TForm5>(N51);
}

void TMainForm::N3Click() {
  if (Help1Form) Help1Form->showModally();
}

void TMainForm::N5Click() {
  if (Help2Form) Help2Form->showModally();
}

void TMainForm::N10Click() {
  mdiArea_->cascadeSubWindows();
}

void TMainForm::N12Click() {
  // One above another, each over the full width (QMdiArea::tileSubWindows makes a grid).
  QList<QMdiSubWindow*> windows;
  for (QMdiSubWindow* w : mdiArea_->subWindowList(QMdiArea::CreationOrder))
    if (w->isVisible() && !w->isMinimized()) windows << w;
  if (windows.isEmpty()) return;
  const QSize area = mdiArea_->viewport()->size();
  const int count = static_cast<int>(windows.size());
  const int height = area.height() / count;
  for (int i = 0; i < count; ++i) {
    windows[i]->showNormal();
    const int h = i == count - 1 ? area.height() - i * height : height;
    windows[i]->setGeometry(0, i * height, area.width(), h);
  }
}

void TMainForm::N8Click() {
  close();
}

}  // namespace roofcalc::gui
