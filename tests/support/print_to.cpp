#include "support/print_to.h"

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

std::ostream& operator<<(std::ostream& out, const QString& text) {
  return out << text.toStdString();
}
