#pragma once

#include <QString>
#include <optional>

#include "common/check_result.h"

class CClient;

// A certificate entry as the form holds it; values travel as text, series and numbers already
// trimmed and in upper case.
struct CertificateValues {
  QString cnp;
  QString prenume;
  QString nume;
  QString cas;        // "CASAB"; empty when no house is selected
  QString tipRectif;  // "A", "M" or "S"; empty in an initial declaration
  QString serie;
  QString numar;
  QString initSerie;
  QString initNumar;
  QString codIndemn;  // "1" .. "15"
  QString zileLucratoare;
  QString zileLucrate;
  QString zilePrestatii;
  QString zileFnuass;
  QString sumaFnuass;
  QString codUrg;
  QString codContag;
};

// The declaration a certificate belongs to, as the form is given it.
struct CertificateDeclaration {
  qint64 index = 0;
  QString cf;
  int luna = 0;  // MonthKey
  QString workingDays;
  bool rectifying = false;
  int number = 0;  // 0 for the initial declaration
};

// Checks of the form that need no database, in the order the form runs them: the refusal of
// the first one that fails, nothing when all pass.
[[nodiscard]] Refusal CertificateFieldsProblem(const CertificateValues& values,
                                               const QString& declarationWorkingDays);

// The fields' checks, then what the entry does to the month's earlier declarations: ok when
// the entry may be written, refused with the message to show, failed when a query failed
// (shown by the client). `certificate` is the entry being modified, 0 in add mode.
CheckResult CertificateConfirmProblem(CClient& client, const CertificateDeclaration& declaration,
                                      const CertificateValues& values, qint64 certificate);

// "06.2009 (22 de zile lucratoare)"; up to 19 days "06.2009 (19 zile lucratoare)".
[[nodiscard]] QString CertificateMonthText(int luna, const QString& workingDays);
