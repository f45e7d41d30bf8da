#include "frame/ui_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QUrl>
#include <exception>

namespace roofcalc::gui {

namespace {

void showDesktopMessage(MessageKind kind, const QString& text) {
  // The plain "not found" messages carry no icon; errors carry the error icon.
  const QMessageBox::Icon icon =
      kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::NoIcon;
  QMessageBox box(icon, kApplicationTitle, text, QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

UiServices desktopServices() {
  UiServices s;
  s.showMessage = showDesktopMessage;
  s.beep = [] { QApplication::beep(); };
  s.showModal = [](QDialog& dialog) { dialog.exec(); };
  s.runPrintDialog = [](QPrintDialog& dialog) { return dialog.exec() == QDialog::Accepted; };
  s.openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
  return s;
}

}  // namespace

UiServices& ui() {
  static UiServices services = desktopServices();
  return services;
}

void restoreDesktopUiServices() {
  ui() = desktopServices();
}

void showError(const QString& text) {
  ui().showMessage(MessageKind::Error, text);
}

void showInformation(const QString& text) {
  ui().showMessage(MessageKind::Information, text);
}

void showMessages(const Messages& messages) {
  for (const Message& m : messages) ui().showMessage(m.kind, QString::fromStdString(m.text));
}

void guarded(const std::function<void()>& body) {
  try {
    body();
  } catch (const std::exception& e) {
    showError(QString::fromUtf8(e.what()));
  } catch (...) {
    showError(QString());
  }
}

std::string decimalSeparator() {
  const QString point = QLocale::system().decimalPoint();
  return point.isEmpty() ? std::string(".") : point.toStdString();
}

}  // namespace roofcalc::gui
