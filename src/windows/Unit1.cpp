#include "windows/Unit1.h"

#include <QPushButton>

#include "calc/fastener_form.h"
#include "frame/radio_group_box.h"
#include "frame/ui_services.h"
#include "shell/Helpunit.h"
#include "shell/Info1unit.h"

namespace roofcalc::gui {

namespace {

const CalcWindowLayout kLayout{
    QStringLiteral("Расчет необходимого количества крепежа KORVANT"),
    {760, 600},
    {272, 28, 294, 369},
    15,
    385,
    PagingRule::FillPages,
};

}  // namespace

TForm1::TForm1(QWidget* parent)
    : CalcWindow(kLayout, std::make_unique<FastenerForm>(decimalSeparator()), parent) {
  setObjectName(QStringLiteral("Form1"));
  const QString strength = QStringLiteral("Прочность кровельной мембраны");
  const QString central = QStringLiteral("Ширина в центральной зоне");
  const QString edge = QStringLiteral("Ширина в краевой зоне");
  const QString thickness = QStringLiteral("Толщина мембраны, мм");
  const QString length = QStringLiteral("длина кровли в метрах");
  const QString width = QStringLiteral("ширина кровли в метрах");
  const QString slope = QStringLiteral("Угол наклона кровли в градусах");
  const QString height = QStringLiteral("высота здания в метрах");
  const QString reserve = QStringLiteral("Запас на непредвиденные нужды, %");

  addLabel("Label12", {16, 8}, strength, true);
  addRadioGroup("RadioGroup2", {20, 21, 215, 50}, QString(),
                QStringLiteral("Прочность кровельной мембраны при растяжении"));
  addEdit("Edit1", {128, 38, 97, 21}, strength);
  addLabel("Label13", {16, 70}, QStringLiteral("(рекомендуется указывать прочность при"));
  addLabel("Label14", {16, 86}, QStringLiteral("температуре эксплуатации - 50° С)"));
  addLabel("Label2", {16, 106}, QStringLiteral("Ширина кровельной мембраны"), true);
  addLabel("Label15", {33, 128}, QStringLiteral("центр. зона"), false, central);
  addComboBox("Membrana1ComboBox", {111, 124, 119, 21}, central);
  addLabel("Label16", {33, 150}, QStringLiteral("краев. зона"), false, edge);
  addComboBox("Membrana2ComboBox", {111, 146, 119, 21}, edge);
  addLabel("Label5", {16, 172}, thickness, false, thickness);
  addEdit("Edit7", {163, 170, 67, 21}, thickness);
  addLabel("Label3", {16, 193}, QStringLiteral("Район строительства"), true);
  addComboBox("RegionComboBox", {16, 210, 214, 21}, QStringLiteral("Выбор района строительства"));
  addLabel("Label17", {16, 241}, QStringLiteral("Кровля"), true);
  addLabel("Label19", {32, 255}, QStringLiteral("длина  Aк, м"), false, length);
  addEdit("Edit4", {120, 250, 110, 21}, length);
  addLabel("Label18", {32, 279}, QStringLiteral("ширина  Bк, м"), false, width);
  addEdit("Edit2", {120, 275, 110, 21}, width);
  connect(addInfoButton("Button3", {236, 273, 26, 24}, 21), &QPushButton::clicked, this,
          &TForm1::Button3Click);
  addLabel("Label6", {32, 301}, QStringLiteral("Угол наклона"), false, slope);
  addEdit("Edit5", {120, 298, 110, 21}, slope);
  addLabel("Label1", {32, 316}, QStringLiteral("(не более 15°)"));
  addLabel("Label7", {16, 335}, QStringLiteral("Высота здания H, м"), true, height);
  addEdit("Edit6", {151, 333, 79, 21}, height);
  addGroupFrame("RadioGroup1", {16, 358, 212, 40}, QStringLiteral(" Тип местности "),
                QStringLiteral("Тип местности"));
  // Terrain type A is the Cyrillic letter, B and C are Latin.
  addRadioButton("RadioButton1", {26, 371}, QStringLiteral("А"),
                 QStringLiteral("открытые побережья морей, озер и водохранилищ, пустыни, степи, "
                                "лесостепи, тундра"));
  addRadioButton("RadioButton2", {83, 371}, QStringLiteral("B"),
                 QStringLiteral("городские территории, лесные массивы и другие местности, "
                                "равномерно покрытые препятствиями высотой более 10 м"));
  addRadioButton("RadioButton3", {140, 371}, QStringLiteral("C"),
                 QStringLiteral("городские районы с застройкой зданиями высотой более 25 м"));
  connect(addInfoButton("Button4", {194, 368, 25, 25}, 21), &QPushButton::clicked, this,
          &TForm1::Button4Click);
  addLabel("Label10", {16, 406}, QStringLiteral("Z, %"), true, reserve);
  addEdit("Edit3", {53, 404, 60, 21}, reserve);
  connect(addButton("Button1", {16, 439, 75, 25}, QStringLiteral("Расчет")), &QPushButton::clicked,
          this, &TForm1::Button1Click);
  connect(addButton("CloseButton", {105, 439, 75, 25}, QStringLiteral("Закрыть")),
          &QPushButton::clicked, this, &TForm1::CloseButtonClick);
  connect(addButton("Button2", {186, 439, 75, 25}, QStringLiteral("Печать")), &QPushButton::clicked,
          this, &TForm1::Button2Click);
  addLabel("Label4", {272, 8}, QStringLiteral("Результаты расчеты"), true);

  formCreate();
}

void TForm1::Button1Click() {
  runCalculation();
}

void TForm1::Button2Click() {
  printMemo();
}

void TForm1::Button3Click() {
  if (HelpForm) HelpForm->showModally();
}

void TForm1::Button4Click() {
  if (Info1Form) Info1Form->showModally();
}

}  // namespace roofcalc::gui
