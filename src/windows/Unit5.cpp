#include "windows/Unit5.h"

#include <QPushButton>

#include "frame/ui_services.h"
#include "windows/pending_form.h"

namespace roofcalc::gui {

namespace {

const CalcWindowLayout kLayout{
    QStringLiteral("Расчет необходимого количества пароизоляции"),
    {818, 607},
    {335, 35, 362, 454},
    17,
    385,
    PagingRule::FillPages,
};

}  // namespace

TForm5::TForm5(QWidget* parent)
    : CalcWindow(kLayout, std::make_unique<PendingForm>(decimalSeparator()), parent) {
  setObjectName(QStringLiteral("Form5"));
  connect(addButton("Button2", {20, 465, 75, 25}, QStringLiteral("Расчет")), &QPushButton::clicked,
          this, &TForm5::Button2Click);
  connect(addButton("CloseButton", {110, 465, 75, 25}, QStringLiteral("Закрыть")),
          &QPushButton::clicked, this, &TForm5::CloseButtonClick);
  connect(addButton("Button3", {231, 465, 75, 25}, QStringLiteral("Печать")), &QPushButton::clicked,
          this, &TForm5::Button3Click);
  addLabel("Label4", {335, 10}, QStringLiteral("Результаты расчеты"), true);
  formCreate();
}

void TForm5::Button2Click() {
  runCalculation();
}

void TForm5::Button3Click() {
  printMemo();
}

}  // namespace roofcalc::gui
