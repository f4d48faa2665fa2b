#include "ui/function_keys.h"

#include <QKeyEvent>

bool HandleScreenKey(const QKeyEvent& event, std::initializer_list<KeyAction> keys) {
  const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
  const bool control = modifiers == Qt::ControlModifier;
  if (modifiers != Qt::NoModifier && !control) return false;
  for (const KeyAction& key : keys) {
    if (event.key() != key.key) continue;
    const std::function<void()>& action = control ? key.withControl : key.action;
    if (!action) return false;
    action();
    return true;
  }
  return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}
