#pragma once
// What the windows ask of the desktop that a test must be able to stand in for: message
// boxes, the beep of the key filter, modal dialogs, the print dialog and the browser. The program
// uses the real ones; the tests swap the members so that nothing waits in a modal loop.

#include <QString>
#include <functional>
#include <string>

#include "frame/messages.h"

class QDialog;
class QPrintDialog;
class QUrl;

namespace roofcalc::gui {

// The application title: the caption of every message box.
inline const QString kApplicationTitle = QStringLiteral("Расчет ТАЛВИРОН");

struct UiServices {
  std::function<void(MessageKind kind, const QString& text)> showMessage;
  std::function<void()> beep;
  std::function<void(QDialog& dialog)> showModal;
  // True when the user confirmed the dialog.
  std::function<bool(QPrintDialog& dialog)> runPrintDialog;
  // Opens a web site in the user's browser; the outcome is not reported.
  std::function<void(const QUrl& url)> openUrl;
};

UiServices& ui();
void restoreDesktopUiServices();

void showError(const QString& text);
void showInformation(const QString& text);
void showMessages(const Messages& messages);

// Runs the body of an event handler. An exception never leaves a slot: a CalcError shows its
// text, anything else the error box as well (an unknown exception with no text).
void guarded(const std::function<void()>& body);

// The decimal separator of the user's numeric locale ("." when the locale gives none).
std::string decimalSeparator();

}  // namespace roofcalc::gui
