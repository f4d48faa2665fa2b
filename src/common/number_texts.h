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

// x rounded to the given count of decimals with a point before them ("1234.50", "0.00",
// "-0.75"); grouped, the result goes through FormatThousands. Written without the C
// library's locale.
QString FormatDecimal(double x, int decimals, bool grouped);

// Display form of a number written with a decimal point (or none): "1234567.5" shows
// "1.234.567,5", "-2500" shows "-2.500"; an empty text shows "0".
QString FormatThousands(const QString& number);

// Decimal digits of a whole number; grouped, passed through FormatThousands.
QString IntegerText(long long value, bool grouped);
