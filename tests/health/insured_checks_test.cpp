#include "health/insured_checks.h"
#include "health/employment_forms.h"
#include "health_fixture.h"  // for the printing of texts

namespace {

const QString kNume = QStringLiteral("Trebuie sa introduci un nume!");
const QString kPrenume = QStringLiteral("Trebuie sa introduci un prenume!");
const QString kHouse = QStringLiteral("Trebuie sa selectezi casa de asigurari!");
const QString kCnpBad = QStringLiteral("CNP-ul introdus este invalid!");
const QString kHiring = QStringLiteral("Data angajarii introdusa este incorecta!");
const QString kExit = QStringLiteral("Data lichidarii introdusa este incorecta!");
const QString kOrder =
    QStringLiteral("Data lichidarii trebuie sa fie mai recenta decat data angajarii!");

TEST(InsuredChecks, EachFieldRuleRefusesWithItsMessageInTheFormsOrder) {
  struct Case {
    const char* nume;
    const char* prenume;
    int house;
    const char* cnp;
    DayMonthYear hiring;
    bool liquidated;
    DayMonthYear exit;
    QString message;  // empty: accepted
  };
  const DayMonthYear hired{"15", "05", "2009"};
  const DayMonthYear none{};
  const Case cases[] = {
      {"POP", "ION", 0, "1800101221144", hired, false, none, {}},
      {"", "ION", 0, "1800101221144", hired, false, none, kNume},
      {"  ", "ION", 0, "1800101221144", hired, false, none, kNume},
      {"POP", "", 0, "1800101221144", hired, false, none, kPrenume},
      {"POP", "ION", -1, "1800101221144", hired, false, none, kHouse},  // old code: none chosen
      {"POP", "ION", 43, "1800101221144", hired, false, none, {}},
      {"POP", "ION", 44, "1800101221144", hired, false, none, kHouse},
      {"POP", "ION", 0, "180010122114", hired, false, none, kCnpBad},   // 12 digits
      {"POP", "ION", 0, "1800101221143", hired, false, none, kCnpBad},  // control digit
      {"POP", "ION", 0, "1800101221144", {"31", "04", "2009"}, false, none, kHiring},
      {"POP", "ION", 0, "1800101221144", {"29", "02", "2009"}, false, none, kHiring},
      {"POP", "ION", 0, "1800101221144", {"29", "02", "2008"}, false, none, {}},
      {"POP", "ION", 0, "1800101221144", {"01", "01", "1899"}, false, none, kHiring},
      {"POP", "ION", 0, "1800101221144", none, false, none, kHiring},
      {"POP", "ION", 0, "1800101221144", {"1", "5", "2009"}, false, none, {}},
      // A liquidated record: its three fields emptied cancel the liquidation ...
      {"POP", "ION", 0, "1800101221144", hired, true, none, {}},
      // ... but a partly emptied date is refused, never taken for a cancellation.
      {"POP", "ION", 0, "1800101221144", hired, true, {"", "06", "2009"}, kExit},
      {"POP", "ION", 0, "1800101221144", hired, true, {"00", "00", "0000"}, kExit},
      {"POP", "ION", 0, "1800101221144", hired, true, {"31", "06", "2009"}, kExit},
      {"POP", "ION", 0, "1800101221144", hired, true, {"14", "05", "2009"}, kOrder},
      {"POP", "ION", 0, "1800101221144", hired, true, {"15", "05", "2009"}, {}},  // same day
      {"POP", "ION", 0, "1800101221144", hired, true, {"16", "05", "2009"}, {}},
      // An active record has no liquidation fields to judge.
      {"POP", "ION", 0, "1800101221144", hired, false, {"", "06", "2009"}, {}},
      // With several faults the first check in the form's order speaks.
      {"", "", -1, "1", none, true, {"1", "", ""}, kNume},
      {"POP", "", -1, "1", none, true, {"1", "", ""}, kPrenume},
      {"POP", "ION", -1, "1", none, true, {"1", "", ""}, kHouse},
      {"POP", "ION", 0, "1", none, true, {"1", "", ""}, kCnpBad},
      {"POP", "ION", 0, "1800101221144", none, true, {"1", "", ""}, kHiring},
  };
  for (const Case& c : cases) {
    InsuredFields fields;
    fields.nume = QLatin1String(c.nume);
    fields.prenume = QLatin1String(c.prenume);
    fields.house = c.house;
    fields.cnp = QLatin1String(c.cnp);
    fields.hiring = c.hiring;
    fields.liquidated = c.liquidated;
    fields.liquidation = c.exit;
    EXPECT_EQ(InsuredFieldsProblem(fields), c.message)
        << c.nume << "|" << c.prenume << "|" << c.house << "|" << c.cnp << "|"
        << c.hiring.day.toStdString() << "-" << c.hiring.month.toStdString() << "-"
        << c.hiring.year.toStdString() << "|" << c.exit.day.toStdString() << "-"
        << c.exit.month.toStdString() << "-" << c.exit.year.toStdString();
  }
}

TEST(InsuredChecks, TheStoredRecordPadsDatesAndWritesCodes) {
  InsuredFields fields;
  fields.house = 23;  // Harghita: the register's code
  fields.nume = QStringLiteral("ŞTEFĂNESCU");
  fields.prenume = QStringLiteral("O'NEIL\\");
  fields.cnp = QStringLiteral("1800101221144");
  fields.hiring = {"1", "5", "2009"};
  fields.form = 6;
  InsuredRecord active = RecordOf(fields, QStringLiteral("12345674"));
  EXPECT_EQ(active.cas, QStringLiteral("CASHR"));
  EXPECT_EQ(active.intrare, QStringLiteral("20090501"));
  EXPECT_EQ(active.iesire, QStringLiteral("0"));
  EXPECT_EQ(active.forma, QStringLiteral("SCS"));
  EXPECT_EQ(active.nume, fields.nume);
  EXPECT_EQ(active.prenume, fields.prenume);
  fields.liquidated = true;
  fields.liquidation = {"9", "12", "2010"};
  EXPECT_EQ(RecordOf(fields, QStringLiteral("12345674")).iesire, QStringLiteral("20101209"));
  fields.liquidation = {};
  EXPECT_EQ(RecordOf(fields, QStringLiteral("12345674")).iesire, QStringLiteral("0"));
}

TEST(InsuredChecks, ARehireMustFollowTheLastLiquidationDay) {
  const QString refused = QStringLiteral(
      "CNP-ul introdus a fost lichidat ultima oara de la aceasta firma la data de: "
      "04.06.2009\n\nNu poate fi re-angajat la o data anterioara!");
  struct Case {
    int lastLiquidation;
    int hiring;
    QString message;
  };
  const Case cases[] = {{0, 20090604, {}},
                        {20090604, 20090604, refused},
                        {20090604, 20090603, refused},
                        {20090604, 20090605, {}},
                        {20090604, 20100101, {}}};
  for (const Case& c : cases) {
    EXPECT_EQ(RehireProblem(c.lastLiquidation, c.hiring), c.message) << c.hiring;
  }
  EXPECT_EQ(DottedDate(19991231), QStringLiteral("31.12.1999"));
}

TEST(InsuredChecks, LiquidationFormRefusesInItsOrder) {
  EXPECT_EQ(LiquidationCnpProblem(QStringLiteral("1800101221144")), QString());
  EXPECT_EQ(LiquidationCnpProblem(QStringLiteral("1800101221143")),
            QStringLiteral("CNP-ul introdus este incorect!"));
  EXPECT_EQ(LiquidationCnpProblem(QStringLiteral("180010122114")),
            QStringLiteral("CNP-ul introdus este incorect!"));
  EXPECT_EQ(LiquidationDateProblem({}), kExit);  // no date is no liquidation here
  EXPECT_EQ(LiquidationDateProblem({"", "06", "2009"}), kExit);
  EXPECT_EQ(LiquidationDateProblem({"30", "06", "2009"}), QString());
  EXPECT_EQ(LiquidationOrderProblem(20090604, 20090604), kOrder);
  EXPECT_EQ(LiquidationOrderProblem(20090604, 20090603), kOrder);
  EXPECT_EQ(LiquidationOrderProblem(20090604, 20090605), QString());
}

TEST(InsuredChecks, StoredDatesSplitIntoTheFormsThreeFields) {
  const DayMonthYear split = SplitDate(QStringLiteral("20090604"));
  EXPECT_EQ(QStringList({split.day, split.month, split.year}), QStringList({"04", "06", "2009"}));
  const DayMonthYear active = SplitDate(QStringLiteral("0"));
  EXPECT_EQ(LiquidationDate(active), std::nullopt);  // "0" is no date: the record is active
  EXPECT_EQ(CalendarDate(active), std::nullopt);
}

TEST(EmploymentForms, CodesTextsAndPositionsMatch) {
  EXPECT_EQ(EmploymentFormText(6), QStringLiteral("SCS - salariat  cu domiciliu in strainatate"));
  EXPECT_EQ(EmploymentFormCode(7), QStringLiteral("SS"));
  EXPECT_EQ(EmploymentFormText(8), QString());
  for (int position = 0; position < kEmploymentFormCount; ++position) {
    EXPECT_EQ(EmploymentFormIndex(EmploymentFormCode(position)), position);
    EXPECT_TRUE(EmploymentFormText(position).startsWith(EmploymentFormCode(position) + " - "));
  }
  EXPECT_EQ(EmploymentFormIndex(QStringLiteral("X")), -1);
  EXPECT_EQ(EmploymentFormIndex(QStringLiteral("s")), -1);
}

}  // namespace
