#include "shell/Helpunit.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <cmath>

namespace roofcalc::gui {

THelpForm* HelpForm = nullptr;

THelpForm::THelpForm() : ReferenceDialog("HelpForm", QStringLiteral("Схема кровли"), {452, 479}) {
  auto* image = new QLabel(this);
  image->setObjectName(QStringLiteral("Image1"));
  // The picture's white left margin stays outside the dialog.
  image->setGeometry(-32, 0, 515, 482);
  whenFirstShown([image] { image->setPixmap(drawRoofScheme()); });
  addCloseButton({382, 439, 60, 20})->raise();
}

THelpForm::~THelpForm() {
  if (HelpForm == this) HelpForm = nullptr;
}

namespace {

QFont schemeFont(int pixels, bool italic = false) {
  QFont f(QStringLiteral("Times New Roman"));
  f.setPixelSize(pixels);
  f.setItalic(italic);
  return f;
}

// A letter with a subscript "к", its top-left corner at the given point.
void drawSymbol(QPainter& p, QPoint at, const QString& letter, int pixels) {
  const QFont big = schemeFont(pixels, true);
  const QFont small = schemeFont(pixels * 2 / 3, true);
  p.setFont(big);
  const QFontMetrics fm(big);
  p.drawText(at.x(), at.y() + fm.ascent(), letter);
  p.setFont(small);
  p.drawText(at.x() + fm.horizontalAdvance(letter), at.y() + fm.ascent() + pixels / 4,
             QStringLiteral("к"));
}

void drawArrowHead(QPainter& p, QPointF tip, QPointF from) {
  const double angle = std::atan2(tip.y() - from.y(), tip.x() - from.x());
  const double spread = 0.4;
  const double length = 8;
  QPainterPath head;
  head.moveTo(tip);
  head.lineTo(tip.x() - length * std::cos(angle - spread),
              tip.y() - length * std::sin(angle - spread));
  head.lineTo(tip.x() - length * std::cos(angle + spread),
              tip.y() - length * std::sin(angle + spread));
  head.closeSubpath();
  p.fillPath(head, Qt::black);
}

// A section mark: the figure "1" over an arrow pointing right to a stroke at x = 110.
void drawCutMark(QPainter& p, int top) {
  p.setFont(schemeFont(14));
  p.drawText(QRect(78, top, 16, 16), Qt::AlignCenter, QStringLiteral("1"));
  const int y = top + 22;
  p.setPen(QPen(Qt::black, 1));
  p.drawLine(74, y, 104, y);
  drawArrowHead(p, QPointF(107, y), QPointF(74, y));
  p.setPen(QPen(Qt::black, 3));
  p.drawLine(110, y - 8, 110, y + 8);
}

}  // namespace

QPixmap drawRoofScheme() {
  QPixmap picture(515, 482);
  picture.fill(Qt::white);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(Qt::black);

  p.setFont(schemeFont(18));
  p.drawText(QRect(160, 4, 170, 22), Qt::AlignCenter, QStringLiteral("План кровли"));

  // The plan, with a 3-pixel outline.
  p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRect(QPoint(55, 64), QPoint(435, 227)));
  p.setPen(Qt::black);
  drawSymbol(p, {72, 128}, QStringLiteral("B"), 18);
  drawSymbol(p, {244, 192}, QStringLiteral("А"), 18);
  drawCutMark(p, 24);
  drawCutMark(p, 233);

  p.setFont(schemeFont(15));
  p.drawText(QRect(222, 264, 40, 18), Qt::AlignCenter, QStringLiteral("1-1"));

  // Section 1-1: the walls, the eaves line on top and a low gable roof up to the ridge.
  const QPointF leftEaves(169, 363), rightEaves(334, 363), ridge(246, 337);
  p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawRect(QRect(QPoint(170, 364), QPoint(333, 473)));
  p.setPen(QPen(Qt::black, 2));
  p.drawLine(leftEaves, ridge);
  p.drawLine(ridge, rightEaves);

  // The slope angle at the right eaves corner: an arc from the slope down to the eaves line,
  // and a leader from the label's shelf to it.
  p.setPen(QPen(Qt::black, 1));
  const double radius = 74;
  const double slopeDegrees =
      std::atan2(rightEaves.y() - ridge.y(), rightEaves.x() - ridge.x()) * 180 / M_PI;
  p.drawArc(QRectF(rightEaves.x() - radius, rightEaves.y() - radius, 2 * radius, 2 * radius),
            180 * 16, static_cast<int>(-slopeDegrees * 16));
  drawSymbol(p, {160, 284}, QString(QChar(0x03C6)), 36);
  p.drawLine(154, 330, 225, 330);
  const QPointF arcPoint(rightEaves.x() - radius * std::cos(slopeDegrees / 2 * M_PI / 180),
                         rightEaves.y() - radius * std::sin(slopeDegrees / 2 * M_PI / 180));
  p.drawLine(QPointF(225, 330), arcPoint);
  drawArrowHead(p, arcPoint, QPointF(225, 330));

  // The height: the ground line extended to a dimension line at x = 361 up to the eaves.
  p.setPen(QPen(Qt::black, 1));
  p.drawLine(334, 474, 377, 474);
  p.drawLine(345, 363, 377, 363);
  p.drawLine(361, 474, 361, 368);
  drawArrowHead(p, QPointF(361, 364), QPointF(361, 474));
  p.setFont(schemeFont(18, true));
  p.drawText(QRect(368, 403, 20, 20), Qt::AlignCenter, QStringLiteral("H"));
  return picture;
}

}  // namespace roofcalc::gui
