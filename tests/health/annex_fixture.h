#pragma once

#include <QDir>
#include <QTemporaryDir>

#include "health/annexes/annex_values.h"
#include "support/register_fixture.h"

// One company in July 2009 with insured persons at three houses, dependants and amounts,
// plus rows that must stay out of its files: another month, another company, persons who
// left before the month or came after it. Texts are stored with comma-below letters.
class AnnexTest : public RegisterTest {
 protected:
  static inline const QString kMonth = QStringLiteral("200907");
  static inline const QString kP1 = QStringLiteral("1800101221144");  // CASAB, 55.5 / 30.5
  static inline const QString kP2 = QStringLiteral("2800404221145");  // CASAB, 30.5 / 30.5
  static inline const QString kP3 = QStringLiteral("1900202221146");  // CASAB, no amounts
  static inline const QString kP4 = QStringLiteral("1700303221147");  // CAS_B, 100.4 / 90
  static inline const QString kP5 = QStringLiteral("1750505221148");  // CAS_B, no amounts
  static inline const QString kP8 = QStringLiteral("1650606221149");  // CASVL, no amounts
  static inline const QString kD1 = QStringLiteral("2900909221150");  // of P2 and P1
  static inline const QString kD2 = QStringLiteral("2950101221151");  // of P1 and P4

  void SetUp() override {
    RegisterTest::SetUp();
    Run(QStringLiteral("INSERT INTO asigurati.societati (cf, denumire, reg_com, repr) VALUES "
                       "(%1, 'SOCIETATEA', 'J40/1234/2003', %2)")
            .arg(Q(kCui), Q(QStringLiteral("D'ANGELO ION VASILE"))));
    Person(kP2, "CASAB", "BRÂNCUȘI", "ANĂ", "CM", 20010101, 20090715, "30.5", "30.5");
    Person(kP1, "CASAB", "MUȚU", "Ștefan Ăngel", "S", 20090604, 0, "55.5", "30.5");
    Person(kP3, "CASAB", "O'NEIL", "ANA\\MARIA", "S", 20080101, 0, {}, {});
    Person(kP4, "CAS_B", "POPA", "ION", "S", 20050101, 0, "100.4", "90");
    Person(kP5, "CAS_B", "RADU", "DAN", "S", 20050101, 0, {}, {});
    Person(kP8, "CASVL", "VASILE", "GHEORGHE", "S", 20050101, 0, {}, {});
    // Left before the month, came after it, another company: none of them is reported.
    Person("1600707221140", "CASAB", "AAA", "PLECAT", "S", 20050101, 20090630, "7", "7");
    Person("1600808221141", "CASAB", "AAB", "VENIT", "S", 20090801, 0, "7", "7");
    Person("1600909221142", "CASAB", "AAC", "ALTA", "S", 20050101, 0, "7", "7", kOtherCui);
    // P1's amounts of another month.
    Run(QStringLiteral("INSERT INTO asigurati.sume (id_cnp, cf, luna, asig_datorat, asig_virat) "
                       "SELECT `index`, cf, 200906, 999, 999 FROM asigurati.asigurati WHERE cnp=") +
        Q(kP1));
    // D1 is linked to P2 first: the record must follow the smaller CNP, not the first row.
    Dependant(kD1, kP2, "ALTUL", "NUME", "P");
    Dependant(kD1, kP1, "MUȚU", "ANA", "S");
    Dependant(kD2, kP1, "ILIE", "ELENA", "P");
    Dependant(kD2, kP4, "ILIE", "ELENA", "P");
    Dependant("2990101221152", "1600707221140", "ZZZ", "PLECAT", "S");
    Run(QStringLiteral("INSERT INTO asigurati.sume_societati (cf, luna, datorat, virat) VALUES "
                       "(%1, 200907, 120.5, 100), (%1, 200906, 5, 5)")
            .arg(Q(kCui)));
  }

  static void Person(const QString& cnp, const char* cas, const QString& nume,
                     const QString& prenume, const char* forma, int in, int out,
                     const QString& owed, const QString& paid, const QString& cf = kCui) {
    Run(QStringLiteral("INSERT INTO asigurati.asigurati (cf, cas, cnp, nume, prenume, forma, "
                       "intrare, iesire) VALUES (%1, %2, %3, %4, %5, %6, %7, %8)")
            .arg(Q(cf), Q(QLatin1String(cas)), Q(cnp), Q(nume), Q(prenume), Q(QLatin1String(forma)))
            .arg(in)
            .arg(out));
    if (owed.isEmpty()) return;
    Run(QStringLiteral("INSERT INTO asigurati.sume (id_cnp, cf, cnp, luna, asig_datorat, "
                       "asig_virat) VALUES (LAST_INSERT_ID(), %1, %2, 200907, %3, %4)")
            .arg(Q(cf), Q(cnp), owed, paid));
  }
  static void Dependant(const QString& cnp, const QString& insured, const QString& nume,
                        const QString& prenume, const char* tip) {
    Run(QStringLiteral("INSERT INTO asigurati.coasigurati (cf, cnp, cnp_asig, nume, prenume, tip) "
                       "VALUES (%1, %2, %3, %4, %5, %6)")
            .arg(Q(kCui), Q(cnp), Q(insured), Q(nume), Q(prenume), Q(QLatin1String(tip))));
  }

  static AnnexHeader Header() {
    return {*SplitMonth(kMonth), kCui, SplitRegCom(QStringLiteral("J40/1234/2003")),
            SplitRepr(QStringLiteral("D'ANGELO ION VASILE"))};
  }
  static QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files, QDir::Name);
  }

  QTemporaryDir dir_;
};
