#include "windows/Unit4.h"

#include <QPushButton>

#include "calc/insulation_form.h"
#include "frame/ui_services.h"
#include "shell/Helpunit.h"

namespace roofcalc::gui {

namespace {

const CalcWindowLayout kLayout{
    QStringLiteral("Расчет необходимого количества утеплителя"),
    {846, 587},
    {272, 28, 294, 369},
    15,
    385,
    PagingRule::FillPages,
    10,
    11,
};

}  // namespace

TForm4::TForm4(QWidget* parent)
    : CalcWindow(kLayout, std::make_unique<InsulationForm>(decimalSeparator()), parent) {
  setObjectName(QStringLiteral("Form4"));
  const bool bold = true;
  const QString length = QStringLiteral("длина кровли в метрах");
  const QString width = QStringLiteral("ширина кровли в метрах");
  const QString slope = QStringLiteral("Угол наклона кровли в градусах");
  const QString thickness = QStringLiteral("Толщина утеплителя, мм (из предыдущего расчета)");
  const QString parapet = QStringLiteral("высота утеплителя парапета в метрах");
  const QString skylights = QStringLiteral("количество фонарей");
  const QString skylightWidth = QStringLiteral("ширина фонаря в метрах");
  const QString skylightLength = QStringLiteral("длина фонаря в метраъ");
  const QString upstand = QStringLiteral("высота примыкания, м");
  const QString reserve = QStringLiteral("Запас на непридвиденный расход (обычно 2 - 5%)");

  addLabel("Label17", {16, 8}, QStringLiteral("Кровля"), bold);
  addLabel("Label4", {272, 8}, QStringLiteral("Результаты расчеты"), bold);
  addEdit("Edit4", {120, 24, 107, 21}, length);
  addLabel("Label19", {32, 32}, QStringLiteral("длина  Aк, м"), false, length);
  addEdit("Edit2", {120, 48, 107, 21}, width);
  connect(addInfoButton("Button4", {236, 49, 26, 25}, 21), &QPushButton::clicked, this,
          &TForm4::Button4Click);
  addLabel("Label18", {32, 56}, QStringLiteral("ширина  Bк, м"), false, width);
  addEdit("Edit5", {120, 72, 107, 21}, slope);
  addLabel("Label6", {32, 80}, QStringLiteral("Угол наклона"), false, slope);
  addLabel("Label27", {16, 106}, QStringLiteral("Толщина утеплителя, мм"), bold, thickness);
  addEdit("Edit6", {122, 123, 107, 21}, thickness);
  addLabel("Label5", {16, 156}, QStringLiteral("Парапеты"), bold);
  addEdit("Edit7", {122, 171, 107, 21}, parapet);
  addLabel("Label8", {30, 174}, QStringLiteral("высота  H, м"), false, parapet);
  addLabel("Label20", {16, 210}, QStringLiteral("Фонари"), bold);
  addEdit("Edit9", {135, 226, 94, 21}, skylights);
  addLabel("Label21", {76, 229}, QStringLiteral("Nф, шт."), false, skylights);
  addEdit("Edit10", {135, 251, 94, 21}, skylightWidth);
  addLabel("Label22", {76, 254}, QStringLiteral("Аф, м"), false, skylightWidth);
  addEdit("Edit11", {135, 276, 94, 21}, skylightLength);
  addLabel("Label11", {76, 280}, QStringLiteral("Вф, м"), false, skylightLength);
  addEdit("Edit14", {135, 304, 94, 21}, upstand);
  addLabel("Label24", {76, 307}, QStringLiteral("Hф, м."), false, upstand);
  addEdit("Edit3", {106, 351, 101, 21}, reserve);
  addLabel("Label10", {16, 354}, QStringLiteral("Запас Z, %"), bold, reserve);
  connect(addButton("Button2", {16, 403, 61, 20}, QStringLiteral("Расчет")), &QPushButton::clicked,
          this, &TForm4::Button2Click);
  connect(addButton("CloseButton", {90, 403, 61, 20}, QStringLiteral("Закрыть")),
          &QPushButton::clicked, this, &TForm4::CloseButtonClick);
  connect(addButton("Button3", {189, 403, 60, 20}, QStringLiteral("Печать")), &QPushButton::clicked,
          this, &TForm4::Button3Click);

  setKeyboardOrder({"CloseButton", "Memo1", "Edit2", "Edit4", "Edit5", "Button2", "Button3",
                    "Edit7", "Edit9", "Edit10", "Edit11", "Edit14", "Edit6", "Button4", "Edit3"});
  formCreate();
}

void TForm4::Button2Click() {
  runCalculation();
}

void TForm4::Button3Click() {
  printMemo();
}

void TForm4::Button4Click() {
  if (HelpForm) HelpForm->showModally();
}

}  // namespace roofcalc::gui
