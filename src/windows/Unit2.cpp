#include "windows/Unit2.h"

#include <QPushButton>

#include "calc/membrane_form.h"
#include "frame/ui_services.h"
#include "shell/Helpunit.h"

namespace roofcalc::gui {

namespace {

const CalcWindowLayout kLayout{
    QStringLiteral("Расчет необходимого количества ПВХ мембраны ВЕРДАМИН"),
    {744, 617},
    {272, 28, 294, 369},
    15,
    385,
    PagingRule::NewPageAfter36Lines,
    10,
    11,
};

}  // namespace

TForm2::TForm2(QWidget* parent)
    : CalcWindow(kLayout, std::make_unique<MembraneForm>(decimalSeparator()), parent) {
  setObjectName(QStringLiteral("Form2"));
  const bool bold = true;
  // A few labels carry a hint worded differently from their field's (Label9, Label11, Label2);
  // the users know both texts as they are.
  const QString length = QStringLiteral("длина кровли в метрах");
  const QString width = QStringLiteral("ширина кровли в метрах");
  const QString slope = QStringLiteral("Угол наклона кровли в градусах");
  const QString parapetHeight = QStringLiteral("высота парапета в метрах");
  const QString skylights = QStringLiteral("количество фонарей");
  const QString skylightWidth = QStringLiteral("ширина фонаря в метрах");
  const QString upstandHeight = QStringLiteral("высота примыкания, м");
  const QString upstandWidth = QStringLiteral("ширина примыкания, м");
  const QString rollWidth = QStringLiteral("ширина рулона");
  const QString rollLength = QStringLiteral("длина рулона, м");
  const QString overlap = QStringLiteral("ширина нахлеста, м");

  addLabel("Label17", {16, 8}, QStringLiteral("Кровля"), bold);
  addLabel("Label19", {32, 32}, QStringLiteral("длина  Ак, м"), false, length);
  addEdit("Edit4", {120, 24, 107, 21}, length);
  addLabel("Label18", {32, 56}, QStringLiteral("ширина  Bк, м"), false, width);
  addEdit("Edit2", {120, 48, 107, 21}, width);
  connect(addInfoButton("Button3", {236, 49, 26, 25}, 21), &QPushButton::clicked, this,
          &TForm2::Button3Click);
  addLabel("Label6", {32, 80}, QStringLiteral("Угол наклона, °"), false, slope);
  addEdit("Edit5", {120, 72, 107, 21}, slope);

  addLabel("Label5", {16, 98}, QStringLiteral("Парапеты"), bold);
  addLabel("Label8", {30, 116}, QStringLiteral("высота  H, м"), false, parapetHeight);
  addEdit("Edit7", {122, 113, 107, 21}, parapetHeight);
  addLabel("Label9", {30, 141}, QStringLiteral("ширина k, м"), false,
           QStringLiteral("горизонтальная часть примыканмя в метрах"));
  addEdit("Edit8", {122, 138, 107, 21},
          QStringLiteral("горизонтальная часть примыканмя, в метрах"));

  addLabel("Label20", {16, 189}, QStringLiteral("Зенитные фонари"), bold);
  addLabel("Label21", {16, 210}, QStringLiteral("Nф, шт."), false, skylights);
  addEdit("Edit9", {73, 206, 39, 21}, skylights);
  addLabel("Label22", {16, 235}, QStringLiteral("Аф, м"), false, skylightWidth);
  addEdit("Edit10", {73, 232, 39, 21}, skylightWidth);
  addLabel("Label11", {16, 260}, QStringLiteral("Вф, м"), false,
           QStringLiteral("длина фонаря в метраъ"));
  addEdit("Edit11", {73, 257, 39, 21}, QStringLiteral("длина фонаря в метрах"));
  addLabel("Label24", {141, 210}, QStringLiteral("Hф, м."), false, upstandHeight);
  addEdit("Edit14", {191, 206, 39, 21}, upstandHeight);
  addLabel("Label25", {141, 235}, QStringLiteral("Kф, м"), false, upstandWidth);
  addEdit("Edit13", {191, 232, 39, 21}, upstandWidth);

  addLabel("Label10", {16, 292}, QStringLiteral("Перехлесты"), bold);
  addLabel("Label31", {26, 304}, QStringLiteral("центр. зона"), bold);
  addLabel("Label32", {141, 304}, QStringLiteral("краевая зона"), bold);
  addLabel("Label26", {16, 328}, QStringLiteral("bн, м"), false, rollWidth);
  addComboBox("Membrana1ComboBox", {55, 324, 58, 21}, rollWidth);
  addLabel("Label27", {16, 353}, QStringLiteral("lн, м"), false, rollLength);
  addEdit("Edit6", {73, 350, 39, 21}, rollLength);
  addLabel("Label7", {16, 379}, QStringLiteral("Шн, м"), false, overlap);
  addEdit("Edit15", {73, 375, 39, 21}, overlap);
  addLabel("Label29", {143, 328}, QStringLiteral("bн, м"), false, rollWidth);
  addComboBox("Membrana2ComboBox", {173, 324, 58, 21}, rollWidth);
  addLabel("Label30", {143, 353}, QStringLiteral("lн, м"), false, rollLength);
  addEdit("Edit17", {191, 350, 39, 21}, rollLength);
  addLabel("Label28", {143, 379}, QStringLiteral("Шн, м"), false, overlap);
  addEdit("Edit16", {191, 375, 39, 21}, overlap);

  addLabel("Label2", {71, 407}, QStringLiteral("Zan, %"), bold,
           QStringLiteral("Запас мембраны на непредвиденный расходы"));
  addEdit("Edit3", {124, 404, 107, 21},
          QStringLiteral("Запас на непредвиденный расход в перехлестах"));

  connect(addButton("Button1", {16, 431, 61, 21}, QStringLiteral("Расчет")), &QPushButton::clicked,
          this, &TForm2::Button1Click);
  connect(addButton("CloseButton", {96, 431, 61, 21}, QStringLiteral("Закрыть")),
          &QPushButton::clicked, this, &TForm2::CloseButtonClick);
  connect(addButton("Button2", {186, 431, 61, 21}, QStringLiteral("Печать")), &QPushButton::clicked,
          this, &TForm2::Button2Click);
  addLabel("Label4", {272, 8}, QStringLiteral("Результаты расчеты"), bold);

  setKeyboardOrder({"CloseButton", "Membrana1ComboBox",
                    "Edit2",       "Edit4",
                    "Edit5",       "Membrana2ComboBox",
                    "Memo1",       "Button1",
                    "Button2",     "Edit7",
                    "Edit8",       "Edit9",
                    "Edit10",      "Edit11",
                    "Edit13",      "Edit14",
                    "Edit6",       "Edit15",
                    "Edit16",      "Button3",
                    "Edit3",       "Edit17"});
  formCreate();
}

void TForm2::Button1Click() {
  runCalculation();
}

void TForm2::Button2Click() {
  printMemo();
}

void TForm2::Button3Click() {
  if (HelpForm) HelpForm->showModally();
}

}  // namespace roofcalc::gui
