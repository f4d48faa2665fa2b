#pragma once

#include <Qt>
#include <functional>
#include <initializer_list>

class QKeyEvent;

// A function key of a screen and what its button does.
struct KeyAction {
  Qt::Key key;
  std::function<void()> action;
};

// The keys of a screen whose buttons carry their keys: an unmodified key of the list runs
// its action, and Enter does nothing, since only the keys written on the buttons act. True
// when the screen took the key; anything else (Esc among them) is left to the dialog.
[[nodiscard]] bool HandleScreenKey(const QKeyEvent& event, std::initializer_list<KeyAction> keys);
