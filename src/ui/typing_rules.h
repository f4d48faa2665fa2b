#pragma once

class QLineEdit;

// How the letters of a form's field are typed: names in upper case, e-mail addresses in
// lower case, codes and numbers digits only; everything else as typed.
enum class Typing { kAsTyped, kUpper, kLower, kDigits };

void ApplyTyping(QLineEdit& edit, Typing typing);

void TypeUpperCase(QLineEdit& edit);
void TypeLowerCase(QLineEdit& edit);
void TypeDigitsOnly(QLineEdit& edit);
