#pragma once

#include "store/field_table.h"

class QLineEdit;

void ApplyTyping(QLineEdit& edit, Typing typing);

void TypeUpperCase(QLineEdit& edit);
void TypeLowerCase(QLineEdit& edit);
void TypeDigitsOnly(QLineEdit& edit);
