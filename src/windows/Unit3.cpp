#include "windows/Unit3.h"

#include <QPushButton>

#include "frame/ui_services.h"
#include "windows/pending_form.h"

namespace roofcalc::gui {

namespace {

const CalcWindowLayout kLayout{
    QStringLiteral("Теплотехнический расчет толщины плит ТАЛВИРОН"),
    {775, 589},
    {330, 28, 241, 369},
    15,
    455,
    PagingRule::NewPageAfter36Lines,
};

}  // namespace

TForm3::TForm3(QWidget* parent)
    : CalcWindow(kLayout, std::make_unique<PendingForm>(decimalSeparator()), parent) {
  setObjectName(QStringLiteral("Form3"));
  connect(addButton("Button2", {16, 404, 61, 20}, QStringLiteral("Расчет")), &QPushButton::clicked,
          this, &TForm3::Button2Click);
  connect(addButton("CloseButton", {91, 404, 61, 20}, QStringLiteral("Закрыть")),
          &QPushButton::clicked, this, &TForm3::CloseButtonClick);
  connect(addButton("Button3", {186, 404, 61, 20}, QStringLiteral("Печать")), &QPushButton::clicked,
          this, &TForm3::Button3Click);
  addLabel("Label4", {332, 8}, QStringLiteral("Результаты расчеты"), true);
  formCreate();
}

void TForm3::Button2Click() {
  runCalculation();
}

void TForm3::Button3Click() {
  printMemo();
}

}  // namespace roofcalc::gui
