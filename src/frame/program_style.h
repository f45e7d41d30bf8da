#pragma once
// The program's look on top of the platform's widget style: what the window layouts were drawn
// for and the platform style does otherwise.
//  - A drop-down list opens below its field, eight items at a time, rather than over it (with a
//    long city list the style's own popup would cover the whole screen).
//  - A group frame is a thin line whose caption sits on it at the top left.
//  - The menu bar's overflow button gets a chevron drawn here: the style's own is a picture
//    whose loading makes Qt try every image-format plugin while the program starts.
//  - There are no title-bar pictures. Only MDI and dock-window captions use them, and the
//    program's only such captions, those of the calculation windows, show no buttons and no
//    system menu; the MDI frame would still load them for every window it makes, which again
//    tries every image-format plugin and costs the program most of a megabyte.
// One application-wide style rather than a style sheet per control: a style sheet costs each
// control a style object of its own and makes opening a window markedly slower.

#include <QProxyStyle>

namespace roofcalc::gui {

class ProgramStyle : public QProxyStyle {
  Q_OBJECT
 public:
  ProgramStyle();

  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override;
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                       const QWidget* widget) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget) const override;
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                     const QWidget* widget) const override;

  // How far below a group frame's top edge its line runs.
  static constexpr int kGroupLineDrop = 6;
};

// Makes ProgramStyle the application's style (once; later calls do nothing).
void installProgramStyle();

// "MS Sans Serif", the family every window is laid out in, at a pixel height.
QFont layoutFont(int pixels, bool bold = false);

// Text in pure blue, as the layouts colour their headings and links: a palette, since a style
// sheet would give the widget a style object of its own.
void makeTextBlue(QWidget* widget);

}  // namespace roofcalc::gui
