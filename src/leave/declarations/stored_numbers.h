#pragma once

#include <QString>

// Figures of the declarations and certificates as the server returns them, in text.

// A whole number (days, codes, counts): the digits at the start, empty reads 0.
long long StoredWhole(const QString& text);

// An amount of a DOUBLE column: plain decimals, or the exponent form the server writes from
// 16 digits on ("1e17"); empty or unreadable text reads 0.
double StoredAmount(const QString& text);
