#include "shell/Help2unit.h"

#include <QLabel>

namespace roofcalc::gui {

THelp2Form* Help2Form = nullptr;

THelp2Form::THelp2Form()
    : ReferenceDialog("Help2Form", QStringLiteral("Об алгоритмах расчетов"), {496, 211}) {
  auto blue = [this](const char* name, QPoint at, const QString& text, int pixels) {
    QLabel* label = addLabel(name, at, text, sansSerif(pixels, true));
    // A palette rather than a style sheet, which would make start-up build a style.
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(p);
  };
  blue("Label1", {16, 24}, QStringLiteral("Подробная информация по методике расчета"), 16);
  blue("Label2", {16, 56}, QStringLiteral("разрабатывается и будет находится в "), 16);
  blue("Label3", {16, 88}, QStringLiteral("текстовом файле help.doc в каталоге с программой."), 16);
  blue("Label4", {16, 120},
       QStringLiteral("Использованные нормативы находятся в папке \"нормативы\"."), 13);
  addCloseButton({228, 176, 60, 20});
}

THelp2Form::~THelp2Form() {
  if (Help2Form == this) Help2Form = nullptr;
}

}  // namespace roofcalc::gui
