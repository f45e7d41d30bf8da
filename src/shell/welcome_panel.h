#pragma once
// The welcome panel of the main window: who made the program, and the three suppliers of the
// insulation boards, the membrane and the fasteners with their web sites and brand marks.

#include <QFrame>
#include <QLabel>
#include <QUrl>

namespace roofcalc::gui {

// A label that reacts to a click, for the web links.
class ClickableLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

class WelcomePanel : public QFrame {
  Q_OBJECT
 public:
  explicit WelcomePanel(QWidget* parent);

  static const QUrl kInsulationSite;  // Label1
  static const QUrl kMembraneSite;    // Label7
  static const QUrl kFastenerSite;    // Label8

 public slots:
  void Label1Click();
  void Label7Click();
  void Label8Click();

 protected:
  void paintEvent(QPaintEvent* event) override;
};

QFrame* createWelcomePanel(QWidget* parent);

// The brand marks, 240 x 60, drawn by the program.
QPixmap insulationBrandMark();
QPixmap membraneBrandMark();
QPixmap fastenerBrandMark();

}  // namespace roofcalc::gui
