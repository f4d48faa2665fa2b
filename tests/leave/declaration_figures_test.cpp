#include "leave/replay/declaration_figures.h"
#include "leave/declarations/declaration_checks.h"
#include "leave/replay/declaration_totals.h"
#include "leave_test_support.h"

namespace {

TEST(DeclarationTotals, PanelLinesDeriveLToNFromIJK) {
  StoredDeclaration declaration;
  declaration.d = QStringLiteral("5");
  declaration.e = QStringLiteral("1234567");
  declaration.f = QStringLiteral("90");
  declaration.h = QStringLiteral("10");
  declaration.k = QStringLiteral("20");
  ReplayTotals replay;
  replay.benefits = 150.75;  // shown truncated
  EXPECT_EQ(DeclarationPanelLines(ComputeDeclarationTotals(declaration, replay)),
            QStringList({
                QStringLiteral("D. Numar de angajati: 5"),
                QStringLiteral("E. Fond de salarii brute: 1.234.567"),
                QStringLiteral("F. Contributii datorate pentru concedii si indemnizatii: 90"),
                QStringLiteral("H. Contributii datorate din FAAMBP: 10"),
                QStringLiteral("I. Total contributii datorate: 100 (F + H)"),
                QStringLiteral("J. Prestatii de suportat din FNUASS: 150"),
                QStringLiteral("K. Suma de recuperat din lunile anterioare: 20"),
                QStringLiteral("L. Suma recuperata din luna curenta: 0 (I - J)"),
                QStringLiteral("M. Suma de virat: 0 (I - J - L)"),
                QStringLiteral("N. Suma de recuperat de la FNUASS: 70"),
            }));

  struct Case {
    double j;
    const char* k;
    double l, m, n;
  };
  const Case cases[] = {
      {150, "20", 0, 0, 70},
      {40, "20", 20, 40, 0},
      {90, "20", 10, 0, 10},
      {100, "20", 0, 0, 20},
      {0, "0", 0, 100, 0},
      {0, "1e17", 100, 0, 1e17 - 100},
      {40, "5000000", 60, 0, 5000000 - 60},
  };
  for (const Case& c : cases) {
    declaration.k = QLatin1String(c.k);
    replay.benefits = c.j;
    const DeclarationTotals totals = ComputeDeclarationTotals(declaration, replay);
    EXPECT_EQ(totals.i, 100);
    EXPECT_EQ(totals.l, c.l) << "J " << c.j << ", K " << c.k;
    EXPECT_EQ(totals.m, c.m) << "J " << c.j << ", K " << c.k;
    EXPECT_EQ(totals.n, c.n) << "J " << c.j << ", K " << c.k;
  }
}

TEST(DeclarationFigures, BaseAndContributionsFollowTheTypedValues) {
  struct Case {
    const char* wage;
    const char* employees;
    const char* fund;
    const char* year;
    const char* base;
    const char* f;
    const char* label;
  };
  const char* const rate75 = "= baza de calcul x 0.75%";
  const char* const rate85 = "= baza de calcul x 0.85%";
  const Case cases[] = {
      {"500", "5", "100000", "2009", "30000", "255", rate85},
      {"500", "5", "030000", "2009", "030000", "255", rate85},  // the fund as typed
      {"500", "5", "50", "2009", "50", "1", rate85},            // 0.425 owes one leu
      {"500", "5", "0", "2009", "0", "0", rate85},
      {"500", "5", "", "2009", "", "0", rate85},
      {"500", "5", "200", "2006", "200", "2", rate75},  // 1.5: halves upward
      {"500", "5", "100", "2007", "100", "1", rate85},  // 0.85
      {"500", "5", "1", "2006", "1", "1", rate75},
      {"", "5", "100", "2009", "0", "0", rate85},  // no wage: a cap of 0
      {"999999999999999", "999999", "999999999999999", "2009", "999999999999999", "8500000000000",
       rate85},  // cap beyond 64 bits
      {"999999999999999", "999999", "1", "2009", "1", "1", rate85},
  };
  for (const Case& c : cases) {
    const QString base =
        CalculationBase(QLatin1String(c.wage), QLatin1String(c.employees), QLatin1String(c.fund));
    EXPECT_EQ(base, QLatin1String(c.base)) << c.wage << " x " << c.employees << ", " << c.fund;
    EXPECT_EQ(LeaveContributions(base, QLatin1String(c.year)), QLatin1String(c.f)) << c.base;
    EXPECT_EQ(LeaveRateLabel(QLatin1String(c.year)), QLatin1String(c.label)) << c.year;
  }
  struct Faambp {
    const char* g;
    const char* h;
    const char* i;  // with F 255
  };
  const Faambp faambp[] = {{"1000", "9", "264"},
                           {"", "0", "255"},
                           {"58", "0", "255"},
                           {"59", "1", "256"},
                           {"999999999999999", "8500000000000", "8500000000255"}};
  for (const Faambp& c : faambp) {
    const QString h = FaambpContributions(QLatin1String(c.g));
    EXPECT_EQ(h, QLatin1String(c.h)) << c.g;
    EXPECT_EQ(TotalContributions(QStringLiteral("255"), h), QLatin1String(c.i)) << c.g;
  }
}

TEST(DeclarationChecks, EachRuleRefusesWithItsMessageInTheFormsOrder) {
  const QString month = QStringLiteral("Luna declaratiei este incorecta!");
  const QString days = QStringLiteral("Numarul de zile lucratoare este incorect!");
  const QString employees = QStringLiteral("Numarul de angajati este incorect!");
  const QString wage = QStringLiteral("Trebuie sa introduci salariul minim pe economie!");
  const QString fund = QStringLiteral("Trebuie sa introduci fondul de salarii!");
  const QString owed = QStringLiteral("Trebuie sa introduci contributiile datorate!");
  struct Case {
    const char* month;
    const char* year;
    const char* days;
    const char* employees;
    const char* wage;
    const char* fund;
    const char* f;
    Refusal message;  // nothing: accepted
  };
  const Case cases[] = {
      {"06", "2009", "22", "5", "500", "100000", "255", {}},
      {"6", "2006", "", "1", "1", "0", "0", {}},  // empty working days count as 0
      {"13", "2009", "22", "5", "500", "100000", "255", month},
      {"00", "2009", "22", "5", "500", "100000", "255", month},
      {"12", "2005", "22", "5", "500", "100000", "255", month},
      {"06", "", "22", "5", "500", "100000", "255", month},
      {"", "2009", "22", "5", "500", "100000", "255", month},
      {"06", "2009", "23", "5", "500", "100000", "255", {}},
      {"06", "2009", "24", "5", "500", "100000", "255", days},
      {"06", "2009", "22", "0", "500", "100000", "255", employees},
      {"06", "2009", "22", "", "500", "100000", "255", employees},
      {"06", "2009", "22", "5", "0", "100000", "255", wage},
      {"06", "2009", "22", "5", "", "100000", "255", wage},
      {"06", "2009", "22", "5", "500", "", "255", fund},
      {"06", "2009", "22", "5", "500", "100000", "", owed},
      // With several faults the first check in the form's order speaks.
      {"13", "2009", "24", "0", "0", "", "", month},
      {"06", "2009", "24", "0", "0", "", "", days},
      {"06", "2009", "22", "0", "0", "", "", employees},
      {"06", "2009", "22", "5", "0", "", "", wage},
  };
  for (const Case& c : cases) {
    DeclarationFormValues values;
    values.month = QLatin1String(c.month);
    values.year = QLatin1String(c.year);
    values.workingDays = QLatin1String(c.days);
    values.d = QLatin1String(c.employees);
    values.minimumWage = QLatin1String(c.wage);
    values.e = QLatin1String(c.fund);
    values.f = QLatin1String(c.f);
    EXPECT_EQ(DeclarationFieldsProblem(values), c.message)
        << c.month << "." << c.year << " " << c.days << " " << c.employees << " " << c.wage << " "
        << c.fund << " " << c.f;
  }
}

}  // namespace
