#include "windows/Unit2.h"

#include <QPushButton>

#include "frame/ui_services.h"
#include "windows/pending_form.h"

namespace roofcalc::gui {

namespace {

const CalcWindowLayout kLayout{
    QStringLiteral("Расчет необходимого количества ПВХ мембраны ВЕРДАМИН"),
    {744, 617},
    {272, 28, 294, 369},
    15,
    385,
    PagingRule::NewPageAfter36Lines,
};

}  // namespace

TForm2::TForm2(QWidget* parent)
    : CalcWindow(kLayout, std::make_unique<PendingForm>(decimalSeparator()), parent) {
  setObjectName(QStringLiteral("Form2"));
  connect(addButton("Button1", {16, 431, 61, 21}, QStringLiteral("Расчет")), &QPushButton::clicked,
          this, &TForm2::Button1Click);
  connect(addButton("CloseButton", {96, 431, 61, 21}, QStringLiteral("Закрыть")),
          &QPushButton::clicked, this, &TForm2::CloseButtonClick);
  connect(addButton("Button2", {186, 431, 61, 21}, QStringLiteral("Печать")), &QPushButton::clicked,
          this, &TForm2::Button2Click);
  addLabel("Label4", {272, 8}, QStringLiteral("Результаты расчеты"), true);
  formCreate();
}

void TForm2::Button1Click() {
  runCalculation();
}

void TForm2::Button2Click() {
  printMemo();
}

}  // namespace roofcalc::gui
