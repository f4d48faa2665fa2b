#include "health/register/insured_checks.h"
#include <gtest/gtest.h>
#include "health/register/employment_forms.h"

#include "insured_messages.h"
#include "support/print_to.h"

namespace {

TEST(InsuredChecks, EachFieldRuleRefusesWithItsMessageInTheFormsOrder) {
  struct Case {
    const char* nume;
    const char* prenume;
    int house;
    const char* cnp;
    int hiring;
    bool liquidated;
    int exit;
    Refusal message;  // nothing: accepted
  };
  const int hired = 20090515;
  const int none = 0;  // three empty fields
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
      {"POP", "ION", 0, "1800101221144", 20090431, false, none, kHiring},
      {"POP", "ION", 0, "1800101221144", 20090229, false, none, kHiring},
      {"POP", "ION", 0, "1800101221144", 20080229, false, none, {}},
      {"POP", "ION", 0, "1800101221144", 18990101, false, none, kHiring},
      {"POP", "ION", 0, "1800101221144", none, false, none, kHiring},
      {"POP", "ION", 0, "1800101221144", 20090501, false, none, {}},
      // A liquidated record: its three fields emptied cancel the liquidation ...
      {"POP", "ION", 0, "1800101221144", hired, true, none, {}},
      // ... but a partly emptied date is refused, never taken for a cancellation.
      {"POP", "ION", 0, "1800101221144", hired, true, 20090600, kExit},
      {"POP", "ION", 0, "1800101221144", hired, true, -1, kExit},
      {"POP", "ION", 0, "1800101221144", hired, true, 20090631, kExit},
      {"POP", "ION", 0, "1800101221144", hired, true, 20090514, kOrder},
      {"POP", "ION", 0, "1800101221144", hired, true, 20090515, {}},  // same day
      {"POP", "ION", 0, "1800101221144", hired, true, 20090516, {}},
      // An active record has no liquidation fields to judge.
      {"POP", "ION", 0, "1800101221144", hired, false, 20090600, {}},
      // With several faults the first check in the form's order speaks.
      {"", "", -1, "1", none, true, 1, kNume},
      {"POP", "", -1, "1", none, true, 1, kPrenume},
      {"POP", "ION", -1, "1", none, true, 1, kHouse},
      {"POP", "ION", 0, "1", none, true, 1, kCnpBad},
      {"POP", "ION", 0, "1800101221144", none, true, 1, kHiring},
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
        << c.nume << "|" << c.prenume << "|" << c.house << "|" << c.cnp << "|" << c.hiring << "|"
        << c.exit;
  }
}

TEST(InsuredChecks, TheStoredRecordPadsDatesAndWritesCodes) {
  InsuredFields fields;
  fields.house = 23;  // Harghita: the register's code
  fields.nume = QStringLiteral("ŞTEFĂNESCU");
  fields.prenume = QStringLiteral("O'NEIL\\");
  fields.cnp = QStringLiteral("1800101221144");
  fields.hiring = 20090501;
  fields.form = 6;
  InsuredRecord active = RecordOf(fields, QStringLiteral("12345674"));
  EXPECT_EQ(active.cas, QStringLiteral("CASHR"));
  EXPECT_EQ(active.intrare, QStringLiteral("20090501"));
  EXPECT_EQ(active.iesire, QStringLiteral("0"));
  EXPECT_EQ(active.forma, QStringLiteral("SCS"));
  EXPECT_EQ(active.nume, fields.nume);
  EXPECT_EQ(active.prenume, fields.prenume);
  fields.liquidated = true;
  fields.liquidation = 20101209;
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
    Refusal message;
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
  EXPECT_EQ(LiquidationCnpProblem(QStringLiteral("1800101221144")), std::nullopt);
  EXPECT_EQ(LiquidationCnpProblem(QStringLiteral("1800101221143")),
            QStringLiteral("CNP-ul introdus este incorect!"));
  EXPECT_EQ(LiquidationCnpProblem(QStringLiteral("180010122114")),
            QStringLiteral("CNP-ul introdus este incorect!"));
  EXPECT_EQ(LiquidationDateProblem({}), kExit);  // no date is no liquidation here
  EXPECT_EQ(LiquidationDateProblem(20090600), kExit);
  EXPECT_EQ(LiquidationDateProblem(20090630), std::nullopt);
  EXPECT_EQ(LiquidationOrderProblem(20090604, 20090604), kOrder);
  EXPECT_EQ(LiquidationOrderProblem(20090604, 20090603), kOrder);
  EXPECT_EQ(LiquidationOrderProblem(20090604, 20090605), std::nullopt);
}

TEST(InsuredChecks, OnlyCalendarDatesAreDates) {
  struct Case {
    int date;
    bool calendar;
  };
  const Case cases[] = {{20090604, true},  {20080229, true},  {20090229, false}, {21000229, false},
                        {19000101, true},  {18991231, false}, {21001231, true},  {21010101, false},
                        {20091301, false}, {20090600, false}, {0, false},        {-1, false},
                        {2090501, false},  {1, false}};
  for (const Case& c : cases) EXPECT_EQ(IsCalendarDate(c.date), c.calendar) << c.date;
  EXPECT_EQ(LiquidationDate(0), 0);  // the three fields emptied: no liquidation
  EXPECT_EQ(LiquidationDate(-1), std::nullopt);
  EXPECT_EQ(LiquidationDate(20090600), std::nullopt);
  EXPECT_EQ(LiquidationDate(20090630), 20090630);
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
