#pragma once

#include <QString>

// The forms of employment of the register, in the order of the "Forma de angajare:"
// drop-down; the list position is what a form holds, the code is what FORMA stores.

inline constexpr int kEmploymentFormCount = 8;

// "S", "CM", ... "SS"; empty outside the list.
QString EmploymentFormCode(int position);
// "S - salariat" ... "SS - somaj tehnic"; empty outside the list.
QString EmploymentFormText(int position);
// Position of a stored code (exact comparison), -1 when it is not one of the eight.
int EmploymentFormIndex(const QString& code);
