#include <gtest/gtest.h>

#include "exchange/import/import_checks.h"
#include "exchange/verify/verify_checks.h"
#include "support/print_to.h"

namespace {

const QString kExternalInvalid = QStringLiteral(
    "Fisierul selectat este invalid!\n\nCiteste manualul pentru formatul de import.");
const QString kNotAnexaA =
    QStringLiteral("Fisierul selectat este invalid!\n\nTrebuie sa fie un fisier de tip anexa A.");
const QString kNotAnexa1A =
    QStringLiteral("Fisierul selectat este invalid!\n\nTrebuie sa fie un fisier de tip anexa 1A.");

QStringList Swapped(QStringList names, int a, int b) {
  names.swapItemsAt(a, b);
  return names;
}

QStringList Renamed(QStringList names, int position, const QString& name) {
  names[position] = name;
  return names;
}

TEST(ImportChecksTest, HeadersMustHaveTheLayoutsFieldsInOrder) {
  const QStringList external = ExternalFieldNames();
  const QStringList sixteen = PreviousFieldNames(16);
  const QStringList nineteen = PreviousFieldNames(19);
  const std::tuple<QStringList, Refusal, Refusal> cases[] = {
      // names, external screen's refusal, previous-report screen's refusal
      {external, std::nullopt, kNotAnexaA},
      {Swapped(external, 3, 4), kExternalInvalid, kNotAnexaA},
      {Renamed(external, 12, "LUNA"), kExternalInvalid, kNotAnexaA},
      {external.mid(0, 12), kExternalInvalid, kNotAnexaA},
      {external + QStringList{"X"}, kExternalInvalid, kNotAnexaA},
      {sixteen, kExternalInvalid, std::nullopt},
      {nineteen, kExternalInvalid, std::nullopt},
      {Swapped(sixteen, 0, 1), kExternalInvalid, kNotAnexa1A},
      {Renamed(nineteen, 18, "PRE"), kExternalInvalid, kNotAnexa1A},
      {{}, kExternalInvalid, kNotAnexaA},
  };
  for (const auto& [names, externalText, previousText] : cases) {
    EXPECT_EQ(ExternalHeaderProblem(names), externalText) << names.join(',');
    EXPECT_EQ(PreviousHeaderProblem(names), previousText) << names.join(',');
  }
}

TEST(ImportChecksTest, FiscalCodeIsTrimmedAndLosesItsRoPrefix) {
  const std::pair<QString, std::optional<QString>> cases[] = {
      {"12345674", "12345674"},    {" 12345674   ", "12345674"},
      {"RO12345674", "12345674"},  {"R12345674", "12345674"},
      {"RO 12345674", "12345674"}, {"1800101221144", "1800101221144"},
      {"12345675", std::nullopt},  {"", std::nullopt},
      {"ROMANIA", std::nullopt},   {"1800101221145", std::nullopt},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(ImportFiscalCode(text), expected) << text;
}

TEST(ImportChecksTest, RecordsAreRejectedForTheirFirstBadValue) {
  const QString badCnp = QStringLiteral("CNP-ul este incorect. Inregistrarea a fost ignorata");
  const QString badDate =
      QStringLiteral("Data intrarii este incorecta. Inregistrarea a fost ignorata");
  const QString badExternalForm = QStringLiteral(
      "Forma de angajare este incorecta (trebuia sa fie S, CM, AM, CT, CIC, DCM, SCS sau SS). "
      "Inregistrarea a fost ignorata");
  const QString badPreviousForm =
      QStringLiteral("Forma de angajare este incorecta. Inregistrarea a fost ignorata");
  struct Case {
    QString cnp, hiring, form;
    Refusal external, previous;
  };
  const Case cases[] = {
      {"1800101221144", "20090105", "S  ", std::nullopt, std::nullopt},
      {"1800101221144 ", "20090105", "CIC", std::nullopt, std::nullopt},
      {"1800101221145", "20090105", "S", badCnp, badCnp},
      {"18001012211AB", "20090105", "S", badCnp, badCnp},
      {"", "20090105", "S", badCnp, badCnp},
      {"1800101221145", "ABCDEFGH", "X", badCnp, badCnp},
      {"1800101221144", "20090231", "S", badDate, badDate},
      {"1800101221144", "2009023", "S", badDate, badDate},
      {"1800101221144", "ABCDEFGH", "S", badDate, badDate},
      {"1800101221144", "20090229", "S", badDate, badDate},
      {"1800101221144", "20080229", "X", badExternalForm, badPreviousForm},
      {"1800101221144", "20090105", "AM", std::nullopt, badPreviousForm},
      {"1800101221144", "20090105", "CT", std::nullopt, badPreviousForm},
      {"1800101221144", "20090105", "s", badExternalForm, badPreviousForm},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExternalRecordProblem(c.cnp, c.hiring, c.form), c.external) << c.cnp << c.hiring;
    EXPECT_EQ(PreviousRecordProblem(c.cnp, c.hiring, c.form), c.previous) << c.cnp << c.hiring;
  }
}

TEST(ImportChecksTest, NamesLongerThanTheRegistersColumnAreRefusedByField) {
  const QString longest(100, u'A');
  const struct {
    QString nume;
    QString prenume;
    Refusal expected;
  } cases[] = {
      {longest, longest, std::nullopt},
      {longest + QStringLiteral("   "), QStringLiteral("ION"), std::nullopt},  // blanks of the file
      {QString(255, u'B'), QStringLiteral("ION"),
       QStringLiteral("Campul NUME are 255 caractere; registrul pastreaza cel mult 100.")},
      {QStringLiteral("POP"), longest + u'X',
       QStringLiteral("Campul PRENUME are 101 caractere; registrul pastreaza cel mult 100.")},
  };
  for (const auto& row : cases) {
    const ImportFields fields = {{"NUME", row.nume}, {"PRENUME", row.prenume}};
    EXPECT_EQ(ImportLengthProblem(fields), row.expected) << row.nume.size();
  }
}

// What "Verifica anexa A" accepts: a calendar date, or a leading number not above 0 for a
// person still employed, stored as 0.
TEST(ImportChecksTest, LiquidationDateIsWhatTheAnnexCheckAccepts) {
  const std::tuple<QString, bool, QString> cases[] = {
      {"        ", true, "0"},          {"", true, "0"},          {"20091231", true, "20091231"},
      {" 20091231 ", true, "20091231"}, {"0", true, "0"},         {"00000000", true, "0"},
      {"-20091231", true, "0"},         {"ABC", true, "0"},       {"20090231", false, ""},
      {"2009123", false, ""},           {"200912310", false, ""}, {"7", false, ""},
  };
  for (const auto& [text, valid, stored] : cases) {
    EXPECT_EQ(!LiquidationProblem(text).has_value(), valid) << text;
    EXPECT_EQ(AcceptedLiquidation(text.trimmed()), valid) << text;
    if (valid) {
      EXPECT_EQ(StoredLiquidation(text), stored) << text;
    }
  }
}

TEST(ImportChecksTest, HousesOutsideTheListBecomeBucharest) {
  const std::pair<QString, QString> cases[] = {
      {"CASAB", "CASAB"}, {"CASAB ", "CASAB"}, {"CASHR", "CASHR"}, {"CASHG", "CASHR"},
      {"ZZ", "CAS_B"},    {"", "CAS_B"},       {"casab", "CAS_B"}, {"CAS_B", "CAS_B"},
  };
  for (const auto& [code, stored] : cases) EXPECT_EQ(ImportHouse(code), stored) << code;
}

TEST(ImportChecksTest, MonthsAreSixCharactersYearAndMonth) {
  const std::pair<QString, bool> cases[] = {
      {"200906", true}, {"200912", true},   {"200913", false}, {"200900", false},
      {"2009", false},  {"2009061", false}, {"ABCDEF", false}, {"", false},
  };
  for (const auto& [month, valid] : cases) EXPECT_EQ(IsAmountsMonth(month), valid) << month;
  EXPECT_EQ(PreviousAmountsMonth("2009", "6"), QStringLiteral("200906"));
  EXPECT_EQ(PreviousAmountsMonth("2009", "11"), QStringLiteral("200911"));
}

TEST(ImportChecksTest, AmountsTakeTheReadersDecimalComma) {
  struct Case {
    QString text;
    std::optional<double> value;
    QString wage, contribution;
  };
  const Case cases[] = {
      {"1234,5", 1234.5, "1234.5", "1235"},
      {",5", 0.5, "0.5", "1"},
      {"1000", 1000, "1000", "1000"},
      {"", 0, "0", "0"},
      {"  ", 0, "0", "0"},
      {"64,49", 64.49, "64.49", "64"},
      {"1234.25", 1234.25, "1234.25", "1234"},
      {"-2,7", -2.7, "-2.7", "-2"},
      {"12a", std::nullopt, "", ""},
      {"1.234,5", std::nullopt, "", ""},
      {"abc", std::nullopt, "", ""},
      {",", std::nullopt, "", ""},
      {"-", std::nullopt, "", ""},
      {"5,", 5, "5", "5"},
      {"-,5", -0.5, "-0.5", "0"},
      {"+5", std::nullopt, "", ""},
      {"5-", std::nullopt, "", ""},
      {"1 2", std::nullopt, "", ""},
      {QString(QChar(0x0663)), std::nullopt, "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ImportAmount(c.text), c.value) << c.text;
    if (!c.value) continue;
    EXPECT_EQ(StoredWage(*c.value), c.wage) << c.text;
    EXPECT_EQ(StoredContribution(*c.value), c.contribution) << c.text;
  }
}

}  // namespace
