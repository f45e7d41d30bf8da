#include "shell/Info1unit.h"

#include <QLabel>

#include "frame/program_style.h"

namespace roofcalc::gui {

TInfo1Form* Info1Form = nullptr;

TInfo1Form::TInfo1Form()
    : ReferenceDialog("Info1Form", QStringLiteral("Справочная информация"), {464, 153}) {
  // The metric-compatible sans serif runs wider than the layout's font at this size; a slightly
  // narrower cut keeps the last line clear of "Закрыть".
  QFont font = layoutFont(15);
  font.setStretch(94);
  QLabel* heading =
      addLabel("Label7", {24, 8}, QStringLiteral("по табл.6, СНиП 2.01.07-85*"), font);
  heading->setAutoFillBackground(true);
  QPalette white = heading->palette();
  white.setColor(QPalette::Window, Qt::white);
  heading->setPalette(white);
  // The letters A, B and C are Latin here.
  addLabel("Label2", {8, 32}, QStringLiteral("A - открытые побережья морей, озер и водохранилищ,"),
           font);
  addLabel("Label1", {32, 48}, QStringLiteral("пустыни, степи, лесостепи, тундра"), font);
  addLabel("Label3", {8, 72},
           QStringLiteral("B - городские территории, лесные массивы и другие местности, "), font);
  addLabel("Label4", {32, 88},
           QStringLiteral("равномерно покрытые препятствиями высотой более 10 м"), font);
  addLabel("Label5", {8, 112}, QStringLiteral("C - городские районы с застройкой зданиями высотой"),
           font);
  addLabel("Label6", {26, 127}, QStringLiteral("более 25 м"), font);
  addCloseButton({368, 122, 60, 20});
}

TInfo1Form::~TInfo1Form() {
  if (Info1Form == this) Info1Form = nullptr;
}

}  // namespace roofcalc::gui
