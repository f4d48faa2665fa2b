#include "leave/declarations/stored_numbers.h"

#include "common/number_texts.h"

long long StoredWhole(const QString& text) { return LeadingInteger(text); }

double StoredAmount(const QString& text) {
  bool ok = false;
  const double value = text.toDouble(&ok);  // the C locale, whatever LC_NUMERIC says
  return ok ? value : LeadingDecimal(text);
}
