#include "shell/Help1unit.h"

#include <QPlainTextEdit>

namespace roofcalc::gui {

THelp1Form* Help1Form = nullptr;

THelp1Form::THelp1Form()
    : ReferenceDialog("Help1Form", QStringLiteral("О работе с программой"), {408, 292}) {
  auto* memo = new QPlainTextEdit(this);
  memo->setObjectName(QStringLiteral("Memo1"));
  memo->setReadOnly(true);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo->setGeometry(20, 13, 371, 228);
  memo->setPlainText(
      QStringLiteral("                             Работа  с программой\n"
                     "\n"
                     "1.Вызвать пункт меню Вид расчета\n"
                     "\n"
                     "2.Выбрать нужный расчет\n"
                     "\n"
                     "3.Ввести исходные данные\n"
                     "\n"
                     "4.Нажать Расчет\n"
                     " и т.д."));
  addCloseButton({176, 254, 60, 20});
}

THelp1Form::~THelp1Form() {
  if (Help1Form == this) Help1Form = nullptr;
}

}  // namespace roofcalc::gui
