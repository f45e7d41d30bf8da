#include "frame/program_style.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>

namespace roofcalc::gui {

ProgramStyle::ProgramStyle() = default;

int ProgramStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const {
  if (hint == SH_ComboBox_Popup) return 0;
  return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QRect ProgramStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                   SubControl part, const QWidget* widget) const {
  const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
  if (control != CC_GroupBox || !box)
    return QProxyStyle::subControlRect(control, option, part, widget);
  const QRect line = box->rect.adjusted(0, kGroupLineDrop, 0, 0);
  switch (part) {
    case SC_GroupBoxFrame:
      return line;
    case SC_GroupBoxContents:
      return line.adjusted(1, 1, -1, -1);
    case SC_GroupBoxLabel: {
      if (box->text.isEmpty()) return {};
      // Seven pixels in from the left, one pixel of the window's colour either side of the text.
      const QFontMetrics& fm = box->fontMetrics;
      return {box->rect.left() + 7, box->rect.top(),
              fm.horizontalAdvance(box->text, Qt::TextShowMnemonic) + 2, fm.height()};
    }
    default:
      return {};
  }
}

void ProgramStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const {
  const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
  if (control != CC_GroupBox || !box) {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    return;
  }
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, true);
  painter->setPen(box->palette.color(QPalette::Mid));
  painter->setBrush(Qt::NoBrush);
  const QRectF line = subControlRect(control, option, SC_GroupBoxFrame, widget);
  painter->drawRoundedRect(line.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
  painter->restore();
  const QRect label = subControlRect(control, option, SC_GroupBoxLabel, widget);
  if (label.isValid()) {
    painter->fillRect(label, box->palette.window());
    drawItemText(painter, label.adjusted(1, 0, -1, 0),
                 Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, box->palette,
                 box->state & State_Enabled, box->text, QPalette::WindowText);
  }
}

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
  // Title-bar pictures serve MDI and dock-window captions only; see the header.
  if (icon >= SP_TitleBarMenuButton && icon <= SP_TitleBarContextHelpButton) return {};
  if (icon != SP_ToolBarHorizontalExtensionButton)
    return QProxyStyle::standardIcon(icon, option, widget);
  // ">>" in two strokes, on a transparent 16 x 16 square.
  QPixmap chevron(16, 16);
  chevron.fill(Qt::transparent);
  QPainter p(&chevron);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(QApplication::palette().color(QPalette::ButtonText), 1.5));
  for (const int left : {3, 8})
    p.drawPolyline(QPolygonF{{left + 0.0, 4.0}, {left + 4.0, 8.0}, {left + 0.0, 12.0}});
  return QIcon(chevron);
}

QFont layoutFont(int pixels, bool bold) {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

void makeTextBlue(QWidget* widget) {
  QPalette p = widget->palette();
  p.setColor(QPalette::WindowText, QColor(0, 0, 255));
  widget->setPalette(p);
}

void installProgramStyle() {
  if (!qobject_cast<ProgramStyle*>(QApplication::style())) QApplication::setStyle(new ProgramStyle);
}

}  // namespace roofcalc::gui
