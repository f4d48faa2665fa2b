#include "companies/company_checks.h"

#include "common/identifiers.h"
#include "common/number_texts.h"

Refusal CompanyFieldsProblem(const CompanyRecord& company) {
  if (company.cf.size() == 13) {
    if (!CheckCnp(company.cf)) return QStringLiteral("CNP-ul introdus este incorect!");
  } else if (!CheckCui(company.cf)) {
    return QStringLiteral("CUI-ul introdus este incorect!");
  }
  const long long payDay = LeadingInteger(company.ziuaLic);
  if (payDay < 1 || payDay > 31) {
    return QStringLiteral(
        "Ziua lichidarii drepturilor salariale este incorecta!\n\nTrebuie sa fie intre 1 si "
        "31.");
  }
  if (!company.c1.isEmpty() && !CheckIban(company.c1)) {
    return QStringLiteral("Contul bancar introdus este incorect!");
  }
  if (company.judet == kBucharestCounty) {
    const long long sector = LeadingInteger(company.sect);
    if (sector < 1 || sector > 6) return QStringLiteral("Sectorul introdus este incorect!");
  }
  return std::nullopt;
}

QString StoredSector(const CompanyRecord& company) {
  return company.judet == kBucharestCounty ? company.sect : QStringLiteral("0");
}
