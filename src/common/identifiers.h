#pragma once

#include <QString>

// Checks of the identifiers the register keeps: the personal numeric code (CNP), the
// company fiscal code (CUI) and the Romanian bank account (IBAN).

// Exactly 13 digits, not all zero, whose control digit matches the weighted sum.
[[nodiscard]] bool CheckCnp(const QString& cnp);

// Blanks around and leading zeros are ignored; 2 to 9 significant digits with a matching
// control digit, or a valid CNP (a person-run business).
[[nodiscard]] bool CheckCui(const QString& cui);

// 24 Latin letters and digits (no blanks) whose ISO 13616 check digits hold; any letter case.
[[nodiscard]] bool CheckIban(const QString& iban);

// "0" characters put in front until the text has the width; a longer text is unchanged.
QString PadLeft(const QString& text, int width);

// Leading "0" characters removed while more than one character is left; a single blank
// becomes empty.
QString StripLeadingZeros(const QString& text);
