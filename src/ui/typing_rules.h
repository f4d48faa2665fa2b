#pragma once

#include "store/field_table.h"

class QLineEdit;

void ApplyTyping(QLineEdit& edit, Typing typing);

void TypeUpperCase(QLineEdit& edit);
void TypeLowerCase(QLineEdit& edit);
void TypeDigitsOnly(QLineEdit& edit);

// A part of a date or month that is full moves the typing on to the next part, so a date
// can be typed straight through ("01032009", "062009"). Only the user's typing moves it,
// never a text the form shows.
void MoveOnWhenFull(QLineEdit& part, QLineEdit& next);
