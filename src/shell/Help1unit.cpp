#include "shell/Help1unit.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace roofcalc::gui {

THelp1Form* Help1Form = nullptr;

THelp1Form::THelp1Form()
    : ReferenceDialog("Help1Form", QStringLiteral("О работе с программой"), {408, 292}) {
  // The memo lays out its text in the dialog's font as soon as it exists, so it is made when the
  // dialog is first shown.
  whenFirstShown([this] { addGuide(); });
  addCloseButton({176, 254, 60, 20});
}

void THelp1Form::addGuide() {
  auto* memo = new QPlainTextEdit(this);
  memo->setObjectName(QStringLiteral("Memo1"));
  memo->setReadOnly(true);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo->setGeometry(20, 13, 371, 228);
  memo->show();
  setTabOrder(memo, findChild<QPushButton*>(QStringLiteral("Button1")));
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
}

THelp1Form::~THelp1Form() {
  if (Help1Form == this) Help1Form = nullptr;
}

}  // namespace roofcalc::gui
