#include "windows/Unit5.h"

#include <QPushButton>

#include "calc/vapour_barrier_form.h"
#include "frame/ui_services.h"
#include "shell/Helpunit.h"

namespace roofcalc::gui {

namespace {

const CalcWindowLayout kLayout{
    QStringLiteral("Расчет необходимого количества пароизоляции"),
    {818, 607},
    {335, 35, 362, 454},
    17,
    385,
    PagingRule::FillPages,
    13,
    13,
    120,
};

}  // namespace

TForm5::TForm5(QWidget* parent)
    : CalcWindow(kLayout, std::make_unique<VapourBarrierForm>(decimalSeparator()), parent) {
  setObjectName(QStringLiteral("Form5"));
  const bool bold = true;
  const QString width = QStringLiteral("ширина кровли в метрах");
  const QString length = QStringLiteral("длина кровли в метрах");
  const QString slope = QStringLiteral("Угол наклона кровли в градусах");
  const QString thickness = QStringLiteral("Толщина утеплителя, мм (из предыдущего расчета)");
  const QString overlap = QStringLiteral("ширина нахлеста");
  const QString rollWidth = QStringLiteral("ширина рулона, м");
  const QString rollLength = QStringLiteral("длина рулона, м");
  const QString reserve = QStringLiteral("Запас на непредвиденный расход");

  // The roof width comes first here and is labelled "Ак", the length "Вк".
  addLabel("Label17", {20, 10}, QStringLiteral("Кровля"), bold);
  addLabel("Label4", {335, 10}, QStringLiteral("Результаты расчеты"), bold);
  addEdit("Edit2", {150, 28, 132, 24}, width);
  addLabel("Label18", {37, 32}, QStringLiteral("ширина  Ак, м"), false, width);
  addEdit("Edit4", {150, 59, 132, 24}, length);
  connect(addInfoButton("Button4", {291, 60, 31, 31}, 27), &QPushButton::clicked, this,
          &TForm5::Button4Click);
  addLabel("Label19", {37, 63}, QStringLiteral("длина  Вк, м"), false, length);
  addEdit("Edit5", {150, 90, 132, 24}, slope);
  addLabel("Label6", {37, 94}, QStringLiteral("Угол наклона"), false, slope);
  addLabel("Label27", {20, 131}, QStringLiteral("Толщина утеплителя, мм"), bold, thickness);
  addEdit("Edit6", {150, 151, 132, 24}, thickness);
  addLabel("Label5", {20, 192}, QStringLiteral("Ширина нахлеста"), bold);
  addEdit("Edit7", {150, 210, 132, 24}, overlap);
  addLabel("Label8", {94, 214}, QStringLiteral("H, см"), false, overlap);
  addLabel("Label20", {20, 258}, QStringLiteral("Размеры пароизоляции"), bold);
  addEdit("Edit10", {154, 285, 125, 24}, rollWidth);
  addLabel("Label22", {52, 289}, QStringLiteral("ширина b, м"), false, rollWidth);
  addEdit("Edit11", {154, 316, 125, 24}, rollLength);
  addLabel("Label11", {52, 320}, QStringLiteral("длина a, м"), false, rollLength);
  addEdit("Edit3", {113, 371, 124, 24}, reserve);
  addLabel("Label10", {20, 375}, QStringLiteral("Запас, %"), bold, reserve);
  connect(addButton("Button2", {20, 465, 75, 25}, QStringLiteral("Расчет")), &QPushButton::clicked,
          this, &TForm5::Button2Click);
  connect(addButton("CloseButton", {110, 465, 75, 25}, QStringLiteral("Закрыть")),
          &QPushButton::clicked, this, &TForm5::CloseButtonClick);
  connect(addButton("Button3", {231, 465, 75, 25}, QStringLiteral("Печать")), &QPushButton::clicked,
          this, &TForm5::Button3Click);

  setKeyboardOrder({"CloseButton", "Memo1", "Edit2", "Edit4", "Edit5", "Button2", "Button3",
                    "Edit7", "Edit10", "Edit11", "Edit6", "Button4", "Edit3"});
  formCreate();
}

void TForm5::Button2Click() {
  runCalculation();
}

void TForm5::Button3Click() {
  printMemo();
}

void TForm5::Button4Click() {
  if (HelpForm) HelpForm->showModally();
}

}  // namespace roofcalc::gui
