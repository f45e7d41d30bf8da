#include "shell/welcome_panel.h"

#include <qdrawutil.h>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

#include "frame/ui_services.h"

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

QFont panelFont(bool bold) {
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setPixelSize(11);
  f.setBold(bold);
  return f;
}

// A palette rather than a style sheet: a style sheet per label is costly at start-up.
void makeBlue(QLabel* label) {
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, QColor(0, 0, 255));
  label->setPalette(p);
}

QLabel* addText(QWidget* panel, const char* name, QPoint at, const QString& text, bool bold,
                bool blue) {
  auto* label = new QLabel(text, panel);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(panelFont(bold));
  if (blue) makeBlue(label);
  label->move(at);
  label->adjustSize();
  return label;
}

ClickableLabel* addLink(QWidget* panel, const char* name, QPoint at, const QUrl& url) {
  auto* label = new ClickableLabel(url.host(), panel);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(panelFont(false));
  makeBlue(label);
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

QPixmap blankMark() {
  QPixmap p(240, 60);
  p.fill(Qt::white);
  return p;
}

void drawWord(QPainter& p, const QRect& box, const QString& word, const QColor& color, int pixels) {
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(pixels);
  f.setBold(true);
  f.setLetterSpacing(QFont::PercentageSpacing, 108);
  p.setFont(f);
  p.setPen(color);
  p.drawText(box, Qt::AlignVCenter | Qt::AlignLeft, word);
}

}  // namespace

QPixmap insulationBrandMark() {
  // Stacked insulation boards in warm colours beside the name.
  QPixmap mark = blankMark();
  QPainter p(&mark);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor boards[] = {QColor(0xf2, 0xa9, 0x00), QColor(0xe8, 0x7d, 0x0d),
                           QColor(0xc8, 0x4b, 0x11)};
  for (int i = 0; i < 3; ++i) {
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(boards[i]);
    p.drawRoundedRect(QRectF(8 + i * 4, 10 + i * 14, 52, 12), 2, 2);
  }
  drawWord(p, QRect(78, 8, 160, 30), QStringLiteral("ТАЛВИРОН"), QColor(0xc8, 0x4b, 0x11), 22);
  QFont small(QStringLiteral("Arial"));
  small.setPixelSize(10);
  p.setFont(small);
  p.setPen(QColor(0x55, 0x55, 0x55));
  p.drawText(QRect(80, 36, 158, 16), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("теплоизоляционные плиты"));
  return mark;
}

QPixmap membraneBrandMark() {
  // A membrane sheet as a wave over a green band.
  QPixmap mark = blankMark();
  QPainter p(&mark);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x1b, 0x7a, 0x4b));
  p.drawRoundedRect(QRectF(4, 6, 232, 48), 6, 6);
  QPainterPath wave;
  wave.moveTo(4, 44);
  for (int x = 4; x <= 236; x += 4)
    wave.lineTo(x, 44 - 5 * std::sin((x - 4) * 0.05) - (x - 4) * 0.02);
  wave.lineTo(236, 54);
  wave.lineTo(4, 54);
  wave.closeSubpath();
  p.setBrush(QColor(0x6c, 0xc0, 0xe6));
  p.drawPath(wave);
  drawWord(p, QRect(18, 6, 210, 34), QStringLiteral("ВЕРДАМИН"), Qt::white, 24);
  return mark;
}

QPixmap fastenerBrandMark() {
  // A screw head seen from above beside the name.
  QPixmap mark = blankMark();
  QPainter p(&mark);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0x33, 0x33, 0x33), 3));
  p.setBrush(QColor(0xb0, 0xb8, 0xc0));
  p.drawEllipse(QPointF(32, 30), 21, 21);
  p.setPen(QPen(QColor(0x33, 0x33, 0x33), 5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(20, 30), QPointF(44, 30));
  p.drawLine(QPointF(32, 18), QPointF(32, 42));
  drawWord(p, QRect(64, 6, 172, 34), QStringLiteral("KORVANT"), QColor(0x1f, 0x3a, 0x93), 28);
  QFont small(QStringLiteral("Arial"));
  small.setPixelSize(10);
  p.setFont(small);
  p.setPen(QColor(0x55, 0x55, 0x55));
  p.drawText(QRect(66, 38, 170, 16), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("крепеж для плоских кровель"));
  return mark;
}

WelcomePanel::WelcomePanel(QWidget* parent) : QFrame(parent) {
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
