#pragma once

#include "support/register_fixture.h"

// Employment records read back in one line each, for the insured and liquidation forms.
class InsuredTest : public RegisterTest {
 protected:
  void SetUp() override {
    RegisterTest::SetUp();
    Run(QStringLiteral("TRUNCATE TABLE asigurati.zlog_asigurati"));
  }
  // An employment record with the given dates; returns its INDEX.
  static int AddRecord(const QString& cf, const QString& cnp, int intrare, int iesire = 0,
                       const QString& house = QStringLiteral("CASAB"),
                       const QString& forma = QStringLiteral("S")) {
    Run(QStringLiteral("INSERT INTO asigurati.asigurati (cf, cas, nume, prenume, cnp, intrare, "
                       "iesire, forma) VALUES (%1, %2, 'POP', 'ION', %3, %4, %5, %6)")
            .arg(Q(cf), Q(house), Q(cnp))
            .arg(intrare)
            .arg(iesire)
            .arg(Q(forma)));
    return Value(QStringLiteral("SELECT MAX(`index`) AS v FROM asigurati.asigurati")).toInt();
  }
  // Every employment record as "cf|cas|nume|prenume|cnp|intrare|iesire|forma", by INDEX.
  static QStringList Records() {
    return Value(QStringLiteral(
                     "SELECT GROUP_CONCAT(CONCAT_WS('|', cf, cas, nume, prenume, cnp, intrare, "
                     "iesire, forma) ORDER BY `index` SEPARATOR '\\n') AS v FROM "
                     "asigurati.asigurati"))
        .split(u'\n', Qt::SkipEmptyParts);
  }
  static int AuditRows() {
    return Value(QStringLiteral("SELECT COUNT(*) AS v FROM asigurati.zlog_asigurati")).toInt();
  }
};
