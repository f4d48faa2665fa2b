#include <gtest/gtest.h>

#include <QHash>

#include "exchange/verify/verify_checks.h"
#include "exchange/verify/verify_file.h"
#include "store/list_model.h"
#include "support/print_to.h"

namespace {

// Records as the file reader gives them: character fields keep their trailing blanks.
using Changes = QHash<QString, QString>;

const Changes kGoodA = {
    {"LN", "7"},        {"AN", "2009"}, {"CF", "12345674     "},  {"RJ", "J40"},
    {"RN", "1234"},     {"RA", "2003"}, {"CNP", "1800101221144"}, {"NUME", "MUŢU"},
    {"PRENUME", "ANĂ"}, {"CAT", "S  "}, {"ANG", "20090604"},      {"PL", "0       "},
    {"SDL", "55"},      {"SVL", "30"},  {"NREP", "POPESCU"},      {"PREP", "ION"}};
const Changes kGoodB = {{"LN", "7"},
                        {"AN", "2009"},
                        {"CF", "12345674"},
                        {"CNP", "1800101221144"},
                        {"CNPC", "2800404221145"},
                        {"TIPC", "P  "}};
const Changes kGoodC = {{"LN", "12"}, {"AN", "2006"}, {"CF", "12345674"}, {"CAS_ASIG", "AB"}};
const Changes kGood1 = {{"TIPD", "0"}, {"LN", "6"}, {"AN", "2009"}, {"CUI", "12345674     "}};
const Changes kGood2 = {{"TIPD", "1"},        {"LN", "6"},         {"AN", "2009"},
                        {"CUI", "R12345674"}, {"TIP_RECTIF", "A"}, {"CNP", "1800101221144"},
                        {"ZI_PRE", "5"}};

QStringList Record(VerifiedFile file, const Changes& good, const Changes& changes) {
  QStringList cells;
  for (const QString& name : VerifiedFieldNames(file)) {
    cells.append(changes.value(name, good.value(name)));
  }
  return cells;
}

struct Checked {
  ListModel list;
  VerifyReport report;
};

// Checks the records as a file of this kind with the right fields.
void Check(VerifiedFile file, const std::vector<QStringList>& records, Checked& out) {
  for (const QString& name : VerifiedFieldNames(file))
    out.list.InsertColumn(out.list.ColumnCount(), name);
  for (const QStringList& record : records) out.list.AppendRowCells(record);
  out.report = VerifyTable(file, {VerifiedFieldNames(file), out.list});
}

// The text of the first rule the record breaks, empty when it passes.
QString FirstFault(VerifiedFile file, const Changes& good, const Changes& changes) {
  Checked checked;
  Check(file, {Record(file, good, changes)}, checked);
  EXPECT_TRUE(checked.report.recordsChecked) << checked.report.message;
  return checked.report.faults.empty() ? QString() : checked.report.faults.front().text;
}

struct RuleRow {
  Changes changes;
  const char* fault;  // "" when the record passes
};

const char kAn[] = "Campul AN trebuie sa fie mai mare sau egal cu 2006";
const char kLn[] = "Campul LN trebuie sa fie intre 1 si 12";
const char kCf[] = "Campul CF: Codul de identificare fiscala incorect";
const char kCnp[] = "Campul CNP: Codul Numeric Personal incorect";
const char kPl[] = "Campul PL: data este incorecta. trebuie sa fie de forma AAAALLZZ";

TEST(VerifyRulesTest, AnexaA) {
  const std::vector<RuleRow> rows = {
      {{}, ""},
      {{{"AN", "2005"}}, kAn},
      {{{"AN", "2005"}, {"CNP", "1800101221145"}}, kAn},  // only the first rule broken
      {{{"AN", "2006abc"}}, ""},
      {{{"AN", ""}}, kAn},
      {{{"LN", "13"}}, kLn},
      {{{"LN", "0"}}, kLn},
      {{{"LN", "-1"}}, kLn},
      {{{"CF", "0"}}, "Codul de identificare fiscala nu este prezent in campul CF"},
      {{{"CF", "RO12345674"}}, "Codul de identificare fiscala nu este prezent in campul CF"},
      {{{"CF", "12345675"}}, kCf},
      {{{"CNP", "1800101221145"}}, kCnp},
      {{{"CAT", "s  "}},
       "Campul CAT: Forma de angajare trebuie sa fie S, CM, AM, CT, CIC, DCM, SCS sau SS"},
      {{{"CAT", "SCS"}}, ""},
      {{{"ANG", "2009064"}}, "Campul ANG: data este incorecta. trebuie sa fie de forma AAAALLZZ"},
      {{{"ANG", "20090631"}}, "Campul ANG: data este incorecta. trebuie sa fie de forma AAAALLZZ"},
      {{{"PL", "0"}}, ""},
      {{{"PL", ""}}, ""},
      {{{"PL", "20090715"}}, ""},
      {{{"PL", "20090631"}}, kPl},
      {{{"PL", "2009063 "}}, kPl},
      {{{"PL", "2009063"}}, kPl},
  };
  for (const RuleRow& row : rows) {
    EXPECT_EQ(FirstFault(VerifiedFile::kAnnexA, kGoodA, row.changes), QLatin1String(row.fault))
        << row.changes.begin().key().toStdString();
  }
}

TEST(VerifyRulesTest, AnexaB) {
  const std::vector<RuleRow> rows = {
      {{}, ""},
      {{{"AN", "2005"}}, "Campul AN: anul declaratiei trebuie sa fie mai mare sau egal cu 2006"},
      {{{"LN", "13"}}, "Campul LN: luna declaratiei trebuie sa fie intre 1 si 12"},
      {{{"CF", ""}}, "Campurile CF: Codul de identificare fiscala nu este prezent"},
      {{{"CF", "12345675"}}, kCf},
      {{{"CNP", "1800101221145"}}, kCnp},
      {{{"CNPC", "280040422114"}}, "Campul CNPC: Codul Numeric Personal incorect"},
      {{{"TIPC", "X"}}, "Campul TIPC: Forma de coasigurare trebuie sa fie S sau P"},
      {{{"TIPC", "S"}}, ""},
  };
  for (const RuleRow& row : rows) {
    EXPECT_EQ(FirstFault(VerifiedFile::kAnnexB, kGoodB, row.changes), QLatin1String(row.fault))
        << row.changes.begin().value().toStdString();
  }
}

TEST(VerifyRulesTest, AnexaC) {
  const char kHouse[] = "Campul CAS_ASIG: codul de casa de asigurari este eronat";
  const std::vector<RuleRow> rows = {
      {{{"AN", "2005"}}, kAn},
      {{{"LN", ""}}, kLn},
      {{{"CF", "abc"}}, "Codul de identificare fiscala nu este prezent in campuril CF"},
      {{{"CF", "12345675"}}, kCf},
      {{{"CAS_ASIG", "AB"}}, ""},
      {{{"CAS_ASIG", "HR"}}, ""},
      {{{"CAS_ASIG", "HG"}}, ""},
      {{{"CAS_ASIG", "_B"}}, ""},
      {{{"CAS_ASIG", "ZZ"}}, kHouse},
      {{{"CAS_ASIG", "ab"}}, kHouse},
  };
  for (const RuleRow& row : rows) {
    EXPECT_EQ(FirstFault(VerifiedFile::kAnnexC, kGoodC, row.changes), QLatin1String(row.fault))
        << row.changes.begin().value().toStdString();
  }
}

// The count, names and no-records messages and the two summaries of each health annex.
TEST(VerifyRulesTest, HealthAnnexMessages) {
  struct Row {
    VerifiedFile file;
    const char* count;
    const char* names;
    const char* none;
    const char* annex;
  };
  const Row rows[] = {
      {VerifiedFile::kAnnexA,
       "Anexa 1A: Fisierul selectat este invalid!\n\nTrebuie sa contina 16 campuri.",
       "Anexa A: Fisierul selectat este invalid!\n\nUnul sau mai multe campuri nu au denumirea "
       "corecta",
       "Anexa A: Fisierul selectat nu contine inregistrari!", "Anexa A"},
      {VerifiedFile::kAnnexB,
       "Anexa B: Fisierul selectat este invalid!\n\nTrebuie sa contina 13 campuri.",
       "Anexa B: Fisierul selectat este invalid!\n\nUnul sau mai multe campuri nu au denumirea "
       "corecta",
       "Anexa B: Fisierul selectat nu contine inregistrari!", "Anexa B"},
      {VerifiedFile::kAnnexC,
       "Anexa C: Fisierul selectat este invalid!\n\nTrebuie sa contina 13 campuri.",
       "Anexa 3C: Fisierul selectat este invalid!\n\nUnul sau mai multe campuri nu au denumirea "
       "corecta",
       "Anexa C: Fisierul selectat nu contine inregistrari!", "Anexa C"},
  };
  ListModel empty;
  for (const Row& row : rows) {
    QStringList names = VerifiedFieldNames(row.file);
    const auto message = [&](const QStringList& header) {
      return VerifyTable(row.file, {header, empty}).message;
    };
    EXPECT_EQ(message(names), QLatin1String(row.none));
    EXPECT_EQ(message(names.mid(1)), QLatin1String(row.count));
    EXPECT_EQ(message(names + QStringList{"X"}), QLatin1String(row.count));
    EXPECT_EQ(message({}), QLatin1String(row.count));
    names.swapItemsAt(0, 1);
    EXPECT_EQ(message(names), QLatin1String(row.names));
  }
  Checked a;
  Check(VerifiedFile::kAnnexA, {Record(VerifiedFile::kAnnexA, kGoodA, {})}, a);
  EXPECT_EQ(a.report.message,
            QStringLiteral(
                "Anexa A: Fisierul a fost verificat cu succes!\n\nNu au fost remarcate erori."));
  Checked c;
  Check(VerifiedFile::kAnnexC, {Record(VerifiedFile::kAnnexC, kGoodC, {{"AN", "2005"}})}, c);
  EXPECT_EQ(
      c.report.message,
      QStringLiteral("Anexa C: Fisierul a fost verificat!\n\nInregistrarile marcate cu rosu sunt "
                     "eronate. Verifica coloana EROARE de la sfarsitul tabelului"));
}

TEST(VerifyRulesTest, Anexa1) {
  const QString p = QStringLiteral("Concedii medicale - Anexa 1: ");
  const QString cui = p + QStringLiteral("Codul fiscal din campul CUI este invalid");
  const QString ok =
      p + QStringLiteral("Fisierul a fost verificat cu succes!\n\nNu au fost remarcate erori.");
  struct Row {
    std::vector<Changes> records;
    QString message;
  };
  const std::vector<Row> rows = {
      {{{}}, ok},
      {{{{"CUI", "R12345674"}}}, ok},
      {{{{"CUI", "r 12345674"}}}, ok},
      {{{{"CUI", ""}}}, cui},
      {{{{"CUI", "R"}}}, cui},
      {{{{"CUI", "12345675"}}}, cui},
      {{{{"CUI", "RO12345674"}}}, cui},
      {{{{"LN", "13"}}}, p + QStringLiteral("Campurile LN si AN sunt incorecte.")},
      {{{{"AN", "1899"}}}, p + QStringLiteral("Campurile LN si AN sunt incorecte.")},
      {{{{"TIPD", "2"}}}, p + QStringLiteral("Valoarea din campul TIPD este invalida")},
      {{{{"TIPD", ""}}}, p + QStringLiteral("Valoarea din campul TIPD este invalida")},
      {{}, QStringLiteral("Concedii medicale - Anexa 1 - Fisierul nu contine inregistrari")},
      {{{}, {}}, p + QStringLiteral("Fisierul trebuie sa contina o singura inregistrare")},
  };
  for (const Row& row : rows) {
    std::vector<QStringList> records;
    for (const Changes& changes : row.records)
      records.push_back(Record(VerifiedFile::kLeave1, kGood1, changes));
    Checked checked;
    Check(VerifiedFile::kLeave1, records, checked);
    EXPECT_EQ(checked.report.message, row.message) << records.size();
    EXPECT_FALSE(checked.report.recordsChecked);
  }
  Checked prefixed;
  Check(VerifiedFile::kLeave1, {Record(VerifiedFile::kLeave1, kGood1, {{"CUI", "R12345674"}})},
        prefixed);
  ShowVerifyReport(prefixed.report, prefixed.list);
  EXPECT_EQ(prefixed.list.GetCellText(0, "CUI"), QStringLiteral("12345674"));
  EXPECT_EQ(VerifyTable(VerifiedFile::kLeave1, {QStringList{"CAS_ANG"}, prefixed.list}).message,
            p + QStringLiteral("Fisierul trebuie sa contina 56 de campuri"));
}

TEST(VerifyRulesTest, Anexa2) {
  const QString p = QStringLiteral("Concedii medicale - Anexa 2: ");
  const QString badCnp = QStringLiteral("Campul CNP: codul numeric personal este invalid");
  const QString badType = QStringLiteral("Campul TIP_RECTIF: trebuie sa fie M, A sau S");
  struct Row {
    Changes first;  // also the record checked
    QString message;
    QString fault;
  };
  const QString ok =
      p + QStringLiteral("Fisierul a fost verificat cu succes!\n\nNu au fost remarcate erori.");
  const QString faulty =
      p + QStringLiteral(
              "Fisierul a fost verificat!\n\nInregistrarile marcate cu rosu sunt eronate. "
              "Verifica coloana EROARE de la sfarsitul tabelului");
  const std::vector<Row> rows = {
      {{}, ok, ""},
      {{{"TIP_RECTIF", "X"}, {"CNP", "1"}, {"ZI_PRE", "0"}}, faulty, badType},
      {{{"TIPD", "0"}, {"TIP_RECTIF", "X"}}, ok, ""},
      {{{"TIPD", "0"}, {"CNP", "1800101221145"}}, faulty, badCnp},
      {{{"CUI", "12345675"}}, p + QStringLiteral("Codul fiscal din campul CUI este invalid"), ""},
      {{{"LN", "13"}}, p + QStringLiteral("Campurile LN si AN sunt incorecte"), ""},
      {{{"TIPD", "01"}}, p + QStringLiteral("Valoarea din campul TIPD este invalida"), ""},
  };
  for (const Row& row : rows) {
    Checked checked;
    Check(VerifiedFile::kLeave2, {Record(VerifiedFile::kLeave2, kGood2, row.first)}, checked);
    EXPECT_EQ(checked.report.message, row.message);
    EXPECT_EQ(checked.report.faults.empty() ? QString() : checked.report.faults[0].text,
              QString(row.fault));
  }
  Checked none;
  Check(VerifiedFile::kLeave2, {}, none);
  EXPECT_EQ(none.report.message, p + QStringLiteral("Codul fiscal din campul CUI este invalid"));
}

// A certificate with an invalid CNP and no benefit days leaves the list without a mark; the
// record after it takes its place and is checked there. Every row shows the first record's
// declaration.
TEST(VerifyRulesTest, Anexa2RowsWithoutBenefitDaysLeave) {
  const auto record = [](const Changes& changes) {
    return Record(VerifiedFile::kLeave2, kGood2, changes);
  };
  Checked checked;
  Check(VerifiedFile::kLeave2,
        {record({{"NUME_ASIG", "A"}}),
         record({{"NUME_ASIG", "B"}, {"CNP", "1800101221145"}, {"ZI_PRE", "0"}}),
         record({{"NUME_ASIG", "C"}, {"CNP", "1800101221145"}, {"ZI_PRE", "3"}, {"LN", "9"}}),
         record({{"NUME_ASIG", "D"}, {"CNP", "x"}, {"ZI_PRE", ""}, {"CUI", ""}})},
        checked);
  ShowVerifyReport(checked.report, checked.list);
  ASSERT_EQ(checked.list.RowCount(), 2);
  EXPECT_EQ(checked.list.GetCellText(1, "NUME_ASIG"), QStringLiteral("C"));
  EXPECT_EQ(checked.list.GetCellText(1, "EROARE"),
            QStringLiteral("Campul CNP: codul numeric personal este invalid"));
  EXPECT_EQ(checked.list.RowColor(1), kFaultyRowColor);
  EXPECT_EQ(checked.list.GetCellText(0, "EROARE"), QString());
  EXPECT_FALSE(checked.list.RowColor(0).has_value());
  for (int row = 0; row < 2; ++row) {
    EXPECT_EQ(checked.list.GetCellText(row, "LN"), QStringLiteral("6"));
    EXPECT_EQ(checked.list.GetCellText(row, "CUI"), QStringLiteral("12345674"));
    EXPECT_EQ(checked.list.GetCellText(row, "TIPD"), QStringLiteral("1"));
  }
}

TEST(VerifyRulesTest, AsNumberTakesTheLeadingDigits) {
  const std::pair<const char*, long long> rows[] = {
      {"", 0},        {"abc", 0},
      {"2009", 2009}, {"2009063 ", 2009063},
      {"12,50", 12},  {" 5", 0},
      {"-5", 0},      {"+5", 0},
      {"007", 7},     {"99999999999999999999999", std::numeric_limits<long long>::max()}};
  for (const auto& [text, number] : rows)
    EXPECT_EQ(AsNumber(QString::fromUtf8(text)), number) << text;
}

}  // namespace
