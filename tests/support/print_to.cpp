#include "support/print_to.h"

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

std::ostream& operator<<(std::ostream& out, const QString& text) {
  return out << text.toStdString();
}

void PrintTo(const CheckResult& result, std::ostream* out) {
  if (result.IsOk()) {
    *out << "Ok";
  } else if (result.IsFailed()) {
    *out << "Failed";
  } else {
    *out << "Refused(";
    PrintTo(result.Text(), out);
    *out << ')';
  }
}
