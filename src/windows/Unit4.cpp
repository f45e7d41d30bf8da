#include "windows/Unit4.h"

#include <QPushButton>

#include "frame/ui_services.h"
#include "windows/pending_form.h"

namespace roofcalc::gui {

namespace {

const CalcWindowLayout kLayout{
    QStringLiteral("Расчет необходимого количества утеплителя"),
    {846, 587},
    {272, 28, 294, 369},
    15,
    385,
    PagingRule::FillPages,
};

}  // namespace

TForm4::TForm4(QWidget* parent)
    : CalcWindow(kLayout, std::make_unique<PendingForm>(decimalSeparator()), parent) {
  setObjectName(QStringLiteral("Form4"));
  connect(addButton("Button2", {16, 403, 61, 20}, QStringLiteral("Расчет")), &QPushButton::clicked,
          this, &TForm4::Button2Click);
  connect(addButton("CloseButton", {90, 403, 61, 20}, QStringLiteral("Закрыть")),
          &QPushButton::clicked, this, &TForm4::CloseButtonClick);
  connect(addButton("Button3", {189, 403, 60, 20}, QStringLiteral("Печать")), &QPushButton::clicked,
          this, &TForm4::Button3Click);
  addLabel("Label4", {272, 8}, QStringLiteral("Результаты расчеты"), true);
  formCreate();
}

void TForm4::Button2Click() {
  runCalculation();
}

void TForm4::Button3Click() {
  printMemo();
}

}  // namespace roofcalc::gui
