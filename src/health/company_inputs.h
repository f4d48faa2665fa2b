#pragma once

#include <QString>

class QLineEdit;

// The typing rules of the company form's fields, as the register's forms have them:
// names typed in upper case, e-mail addresses in lower case, codes and numbers digits only.
void TypeUpperCase(QLineEdit& edit);
void TypeLowerCase(QLineEdit& edit);
void TypeDigitsOnly(QLineEdit& edit);

// The text of a county in the "Judet:" drop-down: "ALBA" ... "VRANCEA", Bucharest as
// "BUCURESTI"; "??" outside the list.
QString CountyChoiceText(int position);
