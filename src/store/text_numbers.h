#pragma once

#include <QString>

// Number texts written and read without the C library's locale, so a Romanian
// LC_NUMERIC can never turn a decimal point into a comma.

// A double truncated towards zero to a 64-bit integer, in decimal, "-" for negatives,
// no separators.
QString FormatInteger(double value);

// The whole number at the start of a text: optional sign, then digits up to the first
// character that is not one ("12.5" reads 12, "abc" reads 0).
long long LeadingInteger(const QString& text);

// The decimal number at the start of a text, with a point as separator ("12.5kg" reads
// 12.5, "" reads 0).
double LeadingDecimal(const QString& text);
