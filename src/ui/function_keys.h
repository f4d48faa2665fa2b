#pragma once

#include <Qt>
#include <functional>
#include <initializer_list>

class QKeyEvent;

// The keys of every list that shows register records: the selected record's history, and
// the records of the list's table that were deleted. No screen uses them for anything else.
inline constexpr Qt::Key kHistoryKey = Qt::Key_F11;
inline constexpr Qt::Key kDeletedRecordsKey = Qt::Key_F12;

// A function key of a screen and what its button does; a panel or list whose buttons
// carry "Ctrl+" keys gives the key a second action under Ctrl.
struct KeyAction {
  Qt::Key key;
  std::function<void()> action;            // the key alone; none: the key alone is not the screen's
  std::function<void()> withControl = {};  // Ctrl with the key; none: not the screen's
};

// The one way the screens read their function keys: the key alone runs its action, Ctrl with
// the key its Ctrl action, and Enter does nothing, since only the keys written on the buttons
// act. Any other modifier makes it a key the screen does not know. True when the screen took
// the key; anything else (Esc among them) is left to the dialog.
[[nodiscard]] bool HandleScreenKey(const QKeyEvent& event, std::initializer_list<KeyAction> keys);
