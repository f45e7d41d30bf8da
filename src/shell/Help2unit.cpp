#include "shell/Help2unit.h"

#include <QLabel>

#include "frame/program_style.h"

namespace roofcalc::gui {

THelp2Form* Help2Form = nullptr;

THelp2Form::THelp2Form()
    : ReferenceDialog("Help2Form", QStringLiteral("Об алгоритмах расчетов"), {496, 211}) {
  auto blue = [this](const char* name, QPoint at, const QString& text, int pixels) {
    makeTextBlue(addLabel(name, at, text, layoutFont(pixels, true)));
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
