#include "frame/numeric_key_filter.h"

#include <QKeyEvent>
#include <QKeySequence>

#include "frame/ui_services.h"

namespace roofcalc::gui {

NumericKeyFilter::NumericKeyFilter(QString decimalPoint, QObject* parent)
    : QObject(parent), decimalPoint_(std::move(decimalPoint)) {}

bool NumericKeyFilter::admits(const QString& typed, const QString& decimalPoint) {
  if (typed.size() != 1) return typed == decimalPoint;
  const QChar c = typed.front();
  return (c >= u'0' && c <= u'9') || c == u'\b' || typed == decimalPoint;
}

namespace {

// Clipboard and undo shortcuts type a control character too, but they edit the field the way
// the context menu does, so they are left to the field.
bool isEditingShortcut(QKeyEvent* key) {
  for (auto k : {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste, QKeySequence::Undo,
                 QKeySequence::Redo, QKeySequence::SelectAll})
    if (key->matches(k)) return true;
  return false;
}

}  // namespace

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  const QString typed = key->text();
  // Tab moves the focus before any character is typed; Delete edits like the arrows move,
  // although some keyboards report a character for it.
  if (typed.isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
      key->key() == Qt::Key_Delete || isEditingShortcut(key))
    return false;
  if (admits(typed, decimalPoint_)) return false;
  ui().beep();
  return true;
}

}  // namespace roofcalc::gui
