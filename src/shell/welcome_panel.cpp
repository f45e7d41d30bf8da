#include "shell/welcome_panel.h"

#include <qdrawutil.h>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

#include "frame/program_style.h"
#include "frame/ui_services.h"

// The pictures are a resource of a static library, which needs registering by hand; the macro
// works only outside a namespace.
static void initBrandMarks() {
  Q_INIT_RESOURCE(brand_marks);
}

namespace roofcalc::gui {

const QUrl WelcomePanel::kInsulationSite(QStringLiteral("https://www.talviron.example/"));
const QUrl WelcomePanel::kMembraneSite(QStringLiteral("https://www.verdamin.example/"));
const QUrl WelcomePanel::kFastenerSite(QStringLiteral("https://www.korvant.example/"));

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
}

namespace {

// The panel's face, which the whole program shares (installFontSubstitutions).
QFont panelFont(bool bold) {
  return layoutFont(11, bold);
}

QLabel* addText(QWidget* panel, const char* name, QPoint at, const QString& text, bool bold,
                bool blue) {
  auto* label = new QLabel(text, panel);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(panelFont(bold));
  if (blue) makeTextBlue(label);
  label->move(at);
  label->adjustSize();
  return label;
}

ClickableLabel* addLink(QWidget* panel, const char* name, QPoint at, const QUrl& url) {
  auto* label = new ClickableLabel(url.host(), panel);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(panelFont(false));
  makeTextBlue(label);
  label->setCursor(Qt::PointingHandCursor);
  label->move(at);
  label->adjustSize();
  return label;
}

void addImage(QWidget* panel, const char* name, QPoint at, const QPixmap& mark) {
  auto* image = new QLabel(panel);
  image->setObjectName(QString::fromLatin1(name));
  image->setPixmap(mark);
  image->setGeometry(at.x(), at.y(), 240, 60);
}

}  // namespace

// The three brand marks are pictures of our own (240 x 60), compiled into the program: drawing
// them at start-up would load four fonts before the main window could show. They are plain
// pixel maps, which the resource compiler packs and unpacks far more cheaply than a PNG decodes,
// read by the built-in reader of that one format: a reader left to guess the format loads every
// image-format plugin installed.
namespace {
QPixmap brandMark(const char* name) {
  QImageReader reader(QStringLiteral(":/brand/%1.ppm").arg(QLatin1String(name)), "PPM");
  reader.setAutoDetectImageFormat(false);
  return QPixmap::fromImage(reader.read());
}
}  // namespace

QPixmap insulationBrandMark() {
  return brandMark("talviron");
}

QPixmap membraneBrandMark() {
  return brandMark("verdamin");
}

QPixmap fastenerBrandMark() {
  return brandMark("korvant");
}

WelcomePanel::WelcomePanel(QWidget* parent) : QFrame(parent) {
  initBrandMarks();
  setObjectName(QStringLiteral("Panel1"));
  resize(433, 297);
  setAutoFillBackground(true);
  addText(this, "Label2", {119, 10}, QStringLiteral("Программа разработана"), true, true);
  addText(this, "Label9", {41, 25}, QStringLiteral("ООО «Кровля-Проект» и НИЦ «Теплозащита»"), true,
          true);
  addText(this, "Label3", {45, 40}, QStringLiteral("для расчета плоских кровель с использованием:"),
          true, true);
  addText(this, "Label4", {33, 78}, QStringLiteral("Теплоизоляции"), true, false);
  connect(addLink(this, "Label1", {49, 91}, kInsulationSite), &ClickableLabel::clicked, this,
          &WelcomePanel::Label1Click);
  addImage(this, "Image2", {176, 65}, insulationBrandMark());
  addText(this, "Label5", {33, 145}, QStringLiteral("Гидроизоляции"), true, false);
  connect(addLink(this, "Label7", {49, 158}, kMembraneSite), &ClickableLabel::clicked, this,
          &WelcomePanel::Label7Click);
  addImage(this, "Image1", {176, 132}, membraneBrandMark());
  addText(this, "Label6", {33, 203}, QStringLiteral("Крепежа"), true, false);
  connect(addLink(this, "Label8", {49, 217}, kFastenerSite), &ClickableLabel::clicked, this,
          &WelcomePanel::Label8Click);
  addImage(this, "Image3", {176, 198}, fastenerBrandMark());
  addText(this, "Label10", {7, 274},
          QStringLiteral("Вопросы и пожелания: info@krovlya-proekt.example"), true, true);
}

void WelcomePanel::Label1Click() {
  ui().openUrl(kInsulationSite);
}
void WelcomePanel::Label7Click() {
  ui().openUrl(kMembraneSite);
}
void WelcomePanel::Label8Click() {
  ui().openUrl(kFastenerSite);
}

void WelcomePanel::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  // A lowered outer and a raised inner bevel.
  QPainter p(this);
  qDrawShadePanel(&p, rect(), palette(), true, 1);
  qDrawShadePanel(&p, rect().adjusted(1, 1, -1, -1), palette(), false, 1);
}

QFrame* createWelcomePanel(QWidget* parent) {
  return new WelcomePanel(parent);
}

}  // namespace roofcalc::gui
