#include "health/register/employment_forms.h"

#include <array>

namespace {

struct EmploymentForm {
  const char* code;
  const char* text;
};

// "SCS - salariat  cu ..." has two blanks: the text is the register's own.
constexpr std::array<EmploymentForm, kEmploymentFormCount> kForms = {{
    {"S", "S - salariat"},
    {"CM", "CM - concediu medical"},
    {"AM", "AM - accident de munca"},
    {"CT", "CT - cenzori, consiliu de administratie, alte categorii"},
    {"CIC", "CIC - concediu de ingrijire a copilului"},
    {"DCM", "DCM - disponibilizat cu plati compensatorii"},
    {"SCS", "SCS - salariat  cu domiciliu in strainatate"},
    {"SS", "SS - somaj tehnic"},
}};

bool InList(int position) { return position >= 0 && position < kEmploymentFormCount; }

}  // namespace

QString EmploymentFormCode(int position) {
  return InList(position) ? QLatin1String(kForms[position].code) : QString();
}

QString EmploymentFormText(int position) {
  return InList(position) ? QLatin1String(kForms[position].text) : QString();
}

int EmploymentFormIndex(const QString& code) {
  for (int position = 0; position < kEmploymentFormCount; ++position) {
    if (code == QLatin1String(kForms[position].code)) return position;
  }
  return -1;
}
