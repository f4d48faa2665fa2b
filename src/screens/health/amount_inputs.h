#pragma once

#include "ui/typing_rules.h"

class QLineEdit;
class QWidget;

// The boxes of the amounts' forms.

// A box of the given length and typing rule, as wide as its length asks.
QLineEdit* AmountInput(QWidget& form, const char* name, int length, Typing typing);

// Owed and paid follow what the user types into `amount` (a salary or a fund), at `rate`
// percent, while it reads as a number. Only the user's typing counts: the form's own filling
// must not overwrite amounts typed over earlier.
void FollowAmount(QLineEdit& amount, double rate, QLineEdit& owed, QLineEdit& paid);
