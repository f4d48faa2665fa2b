#include "ui/function_keys.h"

#include <QKeyEvent>

bool HandleScreenKey(const QKeyEvent& event, std::initializer_list<KeyAction> keys) {
  if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
  for (const KeyAction& key : keys) {
    if (event.key() == key.key) {
      key.action();
      return true;
    }
  }
  return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}
