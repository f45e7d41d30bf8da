#include "frame/calc_window.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <stdexcept>

#include "frame/numeric_key_filter.h"
#include "frame/program_style.h"
#include "frame/qt_print_device.h"
#include "frame/radio_group_box.h"
#include "frame/report_lines.h"
#include "frame/ui_services.h"

namespace roofcalc::gui {

namespace {

// A drop-down list whose open list is as wide as its longest item, so that a long material
// name reads whole instead of being cut in the middle.
class ListComboBox : public QComboBox {
 public:
  using QComboBox::QComboBox;
  void showPopup() override {
    QAbstractItemView* list = view();
    // The view's own size hint measures only the rows it has laid out; every item counts here.
    int longest = 0;
    for (int i = 0; i < count(); ++i)
      longest = qMax(longest, list->fontMetrics().horizontalAdvance(itemText(i)));
    const int textMargins =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    const int needed = qMax(list->sizeHintForColumn(0), longest + textMargins) +
                       list->verticalScrollBar()->sizeHint().width() + 2 * list->frameWidth();
    list->setMinimumWidth(qMax(width(), needed));
    QComboBox::showPopup();
  }
};

}  // namespace

CalcWindow::CalcWindow(const CalcWindowLayout& layout, std::unique_ptr<CalcForm> form,
                       QWidget* parent)
    : QMdiSubWindow(parent),
      layout_(layout),
      screenDpi_(logicalDpiY()),
      form_(std::move(form)),
      client_(new QWidget),
      memo_(new QPlainTextEdit(client_)),
      keyFilter_(new NumericKeyFilter(QLocale::system().decimalPoint(), this)) {
  // A title and a sizeable frame, but no system menu and no buttons in the title bar. The
  // system menu the MDI frame makes regardless would still open on a right click on the
  // caption, and offer to minimise or close the window past "Закрыть"; it goes.
  setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setSystemMenu(nullptr);
  setWindowTitle(layout.caption);
  client_->setObjectName(QStringLiteral("client"));
  client_->setFont(layoutFont(scaled(layout.windowFontPixels)));
  setWidget(client_);

  memo_->setObjectName(QStringLiteral("Memo1"));
  memo_->setReadOnly(true);
  memo_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont memoFont(QStringLiteral("Arial"));
  memoFont.setPixelSize(scaled(layout.memoFontPixels));
  memo_->setFont(memoFont);
  memo_->setGeometry(scaled(layout.memoGeometry));
  memo_->setPlainText(QString::fromUtf8(kNoReportYet));

  resize(layout.outerSize);
}

CalcWindow::~CalcWindow() = default;

QStringList CalcWindow::reportLines() const {
  return memoLines(memo_);
}

int CalcWindow::scaled(int designPixels) const {
  return qRound(static_cast<double>(designPixels) * screenDpi_ / layout_.designDpi);
}

QPoint CalcWindow::scaled(QPoint designPosition) const {
  return {scaled(designPosition.x()), scaled(designPosition.y())};
}

// The right and bottom edges scale like the left and top, so controls that touch still touch.
QRect CalcWindow::scaled(QRect g) const {
  const QPoint topLeft = scaled(g.topLeft());
  return {topLeft, QPoint(scaled(g.x() + g.width()), scaled(g.y() + g.height())) - QPoint(1, 1)};
}

void CalcWindow::setKeyboardOrder(std::initializer_list<const char*> names) {
  hasKeyboardOrder_ = true;
  QWidget* previous = nullptr;
  for (const char* name : names) {
    auto* widget = client_->findChild<QWidget*>(QString::fromLatin1(name));
    if (!widget) throw std::logic_error(std::string("no control ") + name + " to order");
    if (previous)
      QWidget::setTabOrder(previous, widget);
    else
      widget->setFocus();
    previous = widget;
  }
}

int CalcWindow::clientHeight() const {
  return contentsRect().height();
}

void CalcWindow::formCreate() {
  // Without an order of its own, Tab goes through the inputs and buttons in the order they were
  // laid out; the report last.
  QWidget* previous = nullptr;
  for (QWidget* w : client_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (hasKeyboardOrder_) break;
    if (w == memo_ || !(w->focusPolicy() & Qt::TabFocus)) continue;
    if (previous) setTabOrder(previous, w);
    previous = w;
  }
  if (previous) setTabOrder(previous, memo_);

  Messages messages;
  guarded([&] {
    binding_.attach(form_->state(), client_);
    binding_.onUserPick([this](const std::string& name) { userPicked(name); });
    FormResize();
    form_->create(messages);
    binding_.push();
  });
  showMessages(messages);
}

void CalcWindow::FormResize() {
  int width = this->width() - layout_.memoWidthOffset;
  int height = clientHeight() - 85;
  if (width < kMemoMinWidth) width = kMemoMinWidth;
  if (height < kMemoMinHeight) height = kMemoMinHeight;
  memo_->resize(width, height);
}

void CalcWindow::resizeEvent(QResizeEvent* event) {
  QMdiSubWindow::resizeEvent(event);
  FormResize();
}

void CalcWindow::userPicked(const std::string& name) {
  guarded([&] {
    binding_.pull();
    form_->changed(name);
    binding_.push();
    userPickShown(name);
  });
}

void CalcWindow::runCalculation() {
  guarded([&] {
    binding_.pull();
    const ReportLines lines = form_->calculate();
    if (ControlState* memo = form_->state().find("Memo1")) memo->items = lines;
    setMemoLines(memo_, lines);
  });
}

QPrinter& CalcWindow::printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

void CalcWindow::printMemo() {
  guarded([&] {
    QPrintDialog dialog(&printer(), this);
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    if (!ui().runPrintDialog(dialog)) return;
    QtPrintDevice device(printer());
    printReport(device, reportLines(), layout_.paging);
  });
}

void CalcWindow::CloseButtonClick() {
  closing_ = true;
  setAttribute(Qt::WA_DeleteOnClose);
  close();
  emit closed();
}

void CalcWindow::closeEvent(QCloseEvent* event) {
  // Only "Закрыть" closes a calculation window, so the main window's bookkeeping stays right.
  if (!closing_) {
    event->ignore();
    return;
  }
  QMdiSubWindow::closeEvent(event);
}

QLabel* CalcWindow::addLabel(const char* name, QPoint at, const QString& text, bool bold,
                             const QString& hint) {
  auto* label = new QLabel(text, client_);
  label->setObjectName(QString::fromLatin1(name));
  if (bold) {
    QFont f = label->font();
    f.setBold(true);
    if (layout_.boldFontPixels > 0) f.setPixelSize(scaled(layout_.boldFontPixels));
    label->setFont(f);
  }
  label->setToolTip(hint);
  label->move(scaled(at));
  label->adjustSize();
  return label;
}

QLineEdit* CalcWindow::addEdit(const char* name, QRect geometry, const QString& hint,
                               bool numeric) {
  auto* edit = new QLineEdit(client_);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setToolTip(hint);
  edit->setGeometry(scaled(geometry));
  if (numeric) edit->installEventFilter(keyFilter_);
  return edit;
}

QComboBox* CalcWindow::addComboBox(const char* name, QRect geometry, const QString& hint) {
  auto* combo = new ListComboBox(client_);
  combo->setObjectName(QString::fromLatin1(name));
  // Eight items at a time; the program's style opens the list below the field.
  combo->setMaxVisibleItems(kListDropDownCount);
  combo->setToolTip(hint);
  combo->setGeometry(scaled(geometry));
  return combo;
}

QPushButton* CalcWindow::addButton(const char* name, QRect geometry, const QString& text,
                                   const QString& hint) {
  auto* button = new QPushButton(text, client_);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(hint);
  button->setGeometry(scaled(geometry));
  button->setAutoDefault(false);
  return button;
}

QPushButton* CalcWindow::addInfoButton(const char* name, QRect geometry, int letterPixels) {
  QPushButton* button =
      addButton(name, geometry, QStringLiteral("i"), QStringLiteral("Дополнительная информация"));
  QFont f(QStringLiteral("Times New Roman"));
  f.setPixelSize(scaled(letterPixels));
  f.setBold(true);
  button->setFont(f);
  QPalette p = button->palette();
  p.setColor(QPalette::ButtonText, p.color(QPalette::Link));
  button->setPalette(p);
  return button;
}

RadioGroupBox* CalcWindow::addRadioGroup(const char* name, QRect geometry, const QString& caption,
                                         const QString& hint) {
  auto* group = new RadioGroupBox(caption, client_);
  group->setObjectName(QString::fromLatin1(name));
  group->setToolTip(hint);
  group->setGeometry(scaled(geometry));
  return group;
}

QGroupBox* CalcWindow::addGroupFrame(const char* name, QRect geometry, const QString& caption,
                                     const QString& hint) {
  auto* frame = new QGroupBox(caption, client_);
  frame->setObjectName(QString::fromLatin1(name));
  frame->setToolTip(hint);
  frame->setGeometry(scaled(geometry));
  return frame;
}

QRadioButton* CalcWindow::addRadioButton(const char* name, QPoint at, const QString& text,
                                         const QString& hint) {
  auto* radio = new QRadioButton(text, client_);
  radio->setObjectName(QString::fromLatin1(name));
  radio->setToolTip(hint);
  radio->move(scaled(at));
  radio->adjustSize();
  return radio;
}

QPlainTextEdit* CalcWindow::addMemo(const char* name, QRect geometry) {
  auto* memo = new QPlainTextEdit(client_);
  memo->setObjectName(QString::fromLatin1(name));
  memo->setGeometry(geometry);
  return memo;
}

}  // namespace roofcalc::gui
