#include "shell/reference_dialog.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <utility>

#include "frame/program_style.h"
#include "frame/ui_services.h"

namespace roofcalc::gui {

ReferenceDialog::ReferenceDialog(const char* objectName, const QString& caption, QSize clientSize)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QString::fromLatin1(objectName));
  setWindowTitle(caption);
  setFont(layoutFont(10));
  setFixedSize(clientSize);
  setModal(true);
}

void ReferenceDialog::showModally() {
  if (QScreen* screen = QGuiApplication::primaryScreen())
    setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
  ui().showModal(*this);
}

void ReferenceDialog::Button1Click() {
  done(QDialog::Accepted);
}

QLabel* ReferenceDialog::addLabel(const char* name, QPoint at, const QString& text,
                                  const QFont& font) {
  auto* label = new QLabel(text, this);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(font);
  label->move(at);
  whenFirstShown([label] { label->adjustSize(); });
  return label;
}

void ReferenceDialog::whenFirstShown(std::function<void()> build) {
  firstShowWork_.push_back(std::move(build));
}

void ReferenceDialog::showEvent(QShowEvent* event) {
  for (const auto& build : std::exchange(firstShowWork_, {})) build();
  QDialog::showEvent(event);
}

QPushButton* ReferenceDialog::addCloseButton(QRect geometry) {
  auto* button = new QPushButton(QStringLiteral("Закрыть"), this);
  button->setObjectName(QStringLiteral("Button1"));
  button->setGeometry(geometry);
  connect(button, &QPushButton::clicked, this, &ReferenceDialog::Button1Click);
  return button;
}

}  // namespace roofcalc::gui
