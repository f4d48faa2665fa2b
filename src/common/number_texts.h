#pragma once

#include <QString>

// FormatInteger (whole number, no separators) and the readers of leading numbers live with
// the store, which writes them into SQL; the screens reach them through this header too.
#include "store/text_numbers.h"

// x rounded to the given count of decimals with a point before them ("1234.50", "0.00",
// "-0.75"); grouped, the result goes through FormatThousands. Written without the C
// library's locale.
QString FormatDecimal(double x, int decimals, bool grouped);

// Display form of a number written with a decimal point (or none): "1234567.5" shows
// "1.234.567,5", "-2500" shows "-2.500"; an empty text shows "0".
QString FormatThousands(const QString& number);

// Decimal digits of a whole number; grouped, passed through FormatThousands.
QString IntegerText(long long value, bool grouped);
