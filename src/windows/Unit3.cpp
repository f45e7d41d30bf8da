#include "windows/Unit3.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "calc/thermal_form.h"
#include "frame/ui_services.h"

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

constexpr int kRowTops[] = {145, 196, 246, 297, 347};
constexpr int kNumberTops[] = {159, 209, 260, 308, 358};
constexpr int kNameTops[] = {168, 219, 269, 319, 370};
constexpr int kComboHeight = 21;

QByteArray rowName(const char* base, int row) {
  return QByteArray(base) + QByteArray::number(row);
}

// One list of the layout drops down as soon as the user types into it, so the typed letters
// search the open list instead of switching the material behind the user's back.
class DropDownOnTyping : public QObject {
 public:
  explicit DropDownOnTyping(QComboBox* combo) : QObject(combo), combo_(combo) {
    combo->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != combo_ || event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const QString typed = key->text();
    if (typed.isEmpty() || !typed.at(0).isPrint() ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
      return false;
    combo_->showPopup();
    QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers(), typed);
    QCoreApplication::sendEvent(combo_->view(), &copy);
    return true;
  }

 private:
  QComboBox* combo_;
};

}  // namespace

TForm3::TForm3(QWidget* parent)
    : CalcWindow(kLayout, std::make_unique<ThermalForm>(decimalSeparator()), parent) {
  setObjectName(QStringLiteral("Form3"));
  const QString region = QStringLiteral("Выбор района строительства");
  const QString room = QStringLiteral("Выбор типа помещения");
  const QString boards = QStringLiteral("Тип плит ТАЛВИРОН");
  const QString temperature =
      QStringLiteral("Расчетная средняя температура внутреннего воздуха здания, град.");
  const QString materials =
      QStringLiteral("Выбор материалов, которые присутствуют в \"пироге\" конструкции");
  const QString conductivity = QStringLiteral("Расчетный коэффициент теплопроводности");
  const QString thickness = QStringLiteral("толщина материала, мм");
  const QString name = QString::fromUtf8(ThermalForm::nameEditHint(1));

  // Labels whose hint the layout keeps but never shows get none here.
  addLabel("Label17", {16, 8}, QStringLiteral("Местонахождение"), true, region);
  addLabel("Label1", {178, 8}, QStringLiteral("Тип помещения"), true);
  addLabel("Label4", {332, 8}, QStringLiteral("Результаты расчеты"), true);
  addLabel("Label2", {16, 48}, QStringLiteral("Тип ограждающей конструкции"), true);
  addLabel("Label3", {16, 85}, QStringLiteral("Тип плит"), true, boards);
  addLabel("Label5", {228, 85}, QStringLiteral("Температура"), true, temperature);
  addLabel("Label7", {16, 129}, QStringLiteral("Состав \"пирога\""), true);
  // The layout writes λ as "l" in the Symbol font; without a font of that name the Greek
  // letter itself stands in the window's font.
  QLabel* lambda = addLabel("Label8", {205, 132}, QString(), true);
  QFont lambdaFont = lambda->font();
  lambdaFont.setPixelSize(13);
  if (QFontDatabase::families().contains(QStringLiteral("Symbol"))) {
    lambdaFont.setFamily(QStringLiteral("Symbol"));
    lambda->setText(QStringLiteral("l"));
  } else {
    lambda->setText(QString(QChar(0x03BB)));
  }
  lambda->setFont(lambdaFont);
  lambda->adjustSize();
  addLabel("Label19", {213, 136}, QStringLiteral(", Вт/м*°С"));
  addLabel("Label6", {267, 136}, QStringLiteral("Толщина"));

  addComboBox("RegionCombo", {16, 24, 141, kComboHeight}, region);
  addComboBox("PomCombo", {178, 24, 141, kComboHeight}, room);
  // The layout gives this list the hint of the city list.
  addComboBox("OgrCombo", {16, 63, 297, kComboHeight}, region);
  addComboBox("TipCombo", {16, 99, 167, kComboHeight}, boards);
  addComboBox("TemCombo", {221, 99, 94, kComboHeight}, temperature);
  for (int row = 1; row <= 5; ++row) {
    const int i = row - 1;
    QComboBox* list = addComboBox(rowName("MatCombo", row).constData(),
                                  {16, kRowTops[i], 183, kComboHeight}, materials);
    if (row == 3) new DropDownOnTyping(list);
    addEdit(rowName("lamEdit", row).constData(), {204, kNumberTops[i], 59, 21}, conductivity);
    addEdit(rowName("dEdit", row).constData(), {271, kNumberTops[i], 48, 21}, thickness);
    addEdit(rowName("NameEdit", row).constData(), {16, kNameTops[i], 179, 21}, name, false);
  }
  addMemo("Memo2", {208, 24, 384, 27});

  connect(addButton("Button2", {16, 404, 61, 20}, QStringLiteral("Расчет")), &QPushButton::clicked,
          this, &TForm3::Button2Click);
  connect(addButton("CloseButton", {91, 404, 61, 20}, QStringLiteral("Закрыть")),
          &QPushButton::clicked, this, &TForm3::CloseButtonClick);
  connect(addButton("Button3", {186, 404, 61, 20}, QStringLiteral("Печать")), &QPushButton::clicked,
          this, &TForm3::Button3Click);

  setKeyboardOrder({"CloseButton", "Memo1",     "dEdit1",    "lamEdit1",  "Button2",   "Button3",
                    "RegionCombo", "PomCombo",  "OgrCombo",  "TipCombo",  "TemCombo",  "MatCombo1",
                    "dEdit2",      "lamEdit2",  "MatCombo2", "dEdit3",    "lamEdit3",  "MatCombo3",
                    "dEdit4",      "lamEdit4",  "MatCombo4", "dEdit5",    "lamEdit5",  "MatCombo5",
                    "NameEdit1",   "NameEdit2", "NameEdit3", "NameEdit4", "NameEdit5", "Memo2"});

  formCreate();
}

void TForm3::Button2Click() {
  runCalculation();
}

void TForm3::Button3Click() {
  printMemo();
}

void TForm3::userPickShown(const std::string& name) {
  // The name field's hint is no part of the form's state: it tells what the row's pick put
  // there (the density of a catalogue material, or the user's own name).
  if (!name.starts_with("MatCombo")) return;
  const QString row = QString::fromStdString(name.substr(8));
  if (auto* edit = client()->findChild<QLineEdit*>(QStringLiteral("NameEdit") + row))
    edit->setToolTip(QString::fromUtf8(ThermalForm::nameEditHint(form().state().index(name))));
}

}  // namespace roofcalc::gui
