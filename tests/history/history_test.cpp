// The history of register rows: every write leaves an audit copy, the versions read back
// newest first with their times and changed fields, a version restored and a deleted row
// recovered under the rules of their forms.
#include <functional>

#include "companies/company_delete.h"
#include "companies/company_store.h"
#include "health/amounts/amounts_store.h"
#include "health/register/coinsured_checks.h"
#include "health/register/insured_list_store.h"
#include "health/register/insured_store.h"
#include "history/history_tables.h"
#include "history/write_back.h"
#include "leave/declarations/declaration_store.h"
#include "store/record_history.h"
#include "support/register_fixture.h"

namespace {

namespace texts = write_back_texts;

constexpr int kMonth = 200906;

class HistoryTest : public RegisterTest {
 protected:
  void SetUp() override {
    RegisterTest::SetUp();
    for (const char* table :
         {"asigurati.zlog_asigurati", "asigurati.zlog_coasigurati", "asigurati.zlog_sume",
          "asigurati.zlog_sume_societati", "concedii.zlog_declaratii", "concedii.zlog_concedii"}) {
      Run(QStringLiteral("TRUNCATE TABLE ") + QLatin1String(table));
    }
  }

  static int Count(const QString& from) {
    return Value(QStringLiteral("SELECT COUNT(*) AS v FROM ") + from).toInt();
  }

  // A company with an active insured person (INDEX 1), his dependant, his amounts of the
  // month, the employer's amounts and a declaration (INDEX 1) with one certificate.
  static void FillCompany(const QString& cf = kCui) {
    AddCompany(cf, QStringLiteral("ALFA SRL"));
    Run(QStringLiteral("INSERT INTO asigurati.asigurati (cf, cas, nume, prenume, cnp, intrare, "
                       "iesire, forma) VALUES (%1, 'CASAB', 'POPESCU', 'ION', %2, 20090101, 0, "
                       "'S')")
            .arg(Q(cf), Q(kCnp)));
    AddDependant(cf, QStringLiteral("2900909221151"), kCnp);
    Run(QStringLiteral("INSERT INTO asigurati.sume (id_cnp, cf, cnp, luna, salariu) VALUES "
                       "((SELECT MAX(`index`) FROM asigurati.asigurati), %1, %2, %3, 1000)")
            .arg(Q(cf), Q(kCnp))
            .arg(kMonth));
    Run(QStringLiteral("INSERT INTO asigurati.sume_societati (cf, luna, datorat) VALUES (%1, %2, "
                       "50)")
            .arg(Q(cf))
            .arg(kMonth));
    Run(QStringLiteral("INSERT INTO concedii.declaratii (cf, luna, rectificativa) VALUES (%1, %2, "
                       "'NU')")
            .arg(Q(cf))
            .arg(kMonth));
    Run(QStringLiteral("INSERT INTO concedii.concedii (id_declaratie, cf, cnp) VALUES ((SELECT "
                       "MAX(`index`) FROM concedii.declaratii), %1, %2)")
            .arg(Q(cf), Q(kCnp)));
  }

  static qint64 LastIndex(const char* table) {
    return Value(QStringLiteral("SELECT MAX(`index`) AS v FROM ") + QLatin1String(table))
        .toLongLong();
  }

  static RecordHistory History(const TableName& table, qint64 index) {
    const std::optional<RecordHistory> history = ReadRecordHistory(client(), table, index);
    EXPECT_TRUE(history.has_value());
    return history.value_or(RecordHistory{});
  }

  static DeletedRows Deleted(const TableName& table) {
    const std::optional<DeletedRows> rows = ReadDeletedRows(client(), table);
    EXPECT_TRUE(rows.has_value());
    return rows.value_or(DeletedRows{});
  }

  static const HistoryTable& Table(const TableName& name) { return *HistoryTableOf(name); }

  static CheckResult Recover(const TableName& name, qint64 index) {
    const DeletedRows rows = Deleted(name);
    for (const DeletedRow& row : rows.rows) {
      if (row.index == index) return RecoverDeletedRow(client(), Table(name), rows, row);
    }
    ADD_FAILURE() << "row " << index << " is not among the deleted ones";
    return CheckResult::Failed();
  }

  // A column of a version read back.
  static QString Column(const RecordHistory& history, size_t version, const char* column) {
    return history.Value(history.versions.at(version), QLatin1String(column));
  }
};

// The writes that once went without an audit copy: each copies the rows it changes or
// deletes first, dated, and changes the register as before.
TEST_F(HistoryTest, EveryPlainWriteCopiesThePreviousRowsFirst) {
  const struct {
    const char* write;
    std::function<bool()> run;
    QStringList copies;  // "audit table WHERE ...", one copy each
    QString effect;      // a query of the register: its V after the write
    QString expected;
    bool oneTime = false;  // a delete: the rows it took carry one copy time
  } cases[] = {
      {"liquidation",
       [] { return Liquidate(client(), kCui, kCnp, 20090630); },
       {"asigurati.zlog_asigurati WHERE znew_op='M' AND iesire=0"},
       "SELECT iesire AS v FROM asigurati.asigurati",
       "20090630"},
      {"amounts of a recorded month",
       [] {
         EmployeeAmounts amounts;
         amounts.index = static_cast<int>(LastIndex("asigurati.asigurati"));
         amounts.month = kMonth;
         amounts.salary = QStringLiteral("2000");
         amounts.owed = QStringLiteral("110");
         amounts.paid = QStringLiteral("110");
         return UpdateEmployeeAmounts(client(), amounts);
       },
       {"asigurati.zlog_sume WHERE znew_op='M' AND salariu=1000"},
       "SELECT salariu AS v FROM asigurati.sume",
       "2000"},
      {"fiscal code move",
       [] { return MoveFiscalCode(client(), kCui, kOtherCui); },
       {"asigurati.zlog_asigurati WHERE znew_op='M' AND cf=" + Q(kCui),
        "asigurati.zlog_coasigurati WHERE znew_op='M' AND cf=" + Q(kCui),
        "asigurati.zlog_sume WHERE znew_op='M' AND cf=" + Q(kCui),
        "asigurati.zlog_sume_societati WHERE znew_op='M' AND cf=" + Q(kCui),
        "concedii.zlog_declaratii WHERE znew_op='M' AND cf=" + Q(kCui),
        "concedii.zlog_concedii WHERE znew_op='M' AND cf=" + Q(kCui)},
       "SELECT COUNT(*) AS v FROM concedii.concedii WHERE cf=" + Q(kOtherCui),
       "1"},
      {"CNP move",
       [] { return MoveCnp(client(), kCnp, kOtherCnp); },
       {"asigurati.zlog_coasigurati WHERE znew_op='M' AND cnp_asig=" + Q(kCnp),
        "asigurati.zlog_sume WHERE znew_op='M' AND cnp=" + Q(kCnp)},
       "SELECT cnp_asig AS v FROM asigurati.coasigurati",
       kOtherCnp},
      {"company cascade",
       [] {
         prompter().QueueAnswers({true, true, true});
         return DeleteCompanyCascade(client(), prompter(), kCui, FinalQuestion::kNone) ==
                CompanyDeletion::kDeleted;
       },
       {"asigurati.zlog_societati WHERE znew_op='D'", "asigurati.zlog_asigurati WHERE znew_op='D'",
        "asigurati.zlog_coasigurati WHERE znew_op='D'", "asigurati.zlog_sume WHERE znew_op='D'",
        "asigurati.zlog_sume_societati WHERE znew_op='D'",
        "concedii.zlog_declaratii WHERE znew_op='D'", "concedii.zlog_concedii WHERE znew_op='D'"},
       "SELECT COUNT(*) AS v FROM asigurati.sume",
       "0",
       true},
      {"insured record",
       [] { return DeleteInsuredRecord(client(), kCnp, LastIndex("asigurati.asigurati")); },
       {"asigurati.zlog_asigurati WHERE znew_op='D'",
        "asigurati.zlog_coasigurati WHERE znew_op='D'", "asigurati.zlog_sume WHERE znew_op='D'"},
       "SELECT COUNT(*) AS v FROM asigurati.coasigurati",
       "0",
       true},
      {"declaration",
       [] { return DeleteDeclaration(client(), LastIndex("concedii.declaratii")); },
       {"concedii.zlog_declaratii WHERE znew_op='D'", "concedii.zlog_concedii WHERE znew_op='D'"},
       "SELECT COUNT(*) AS v FROM concedii.concedii",
       "0",
       true},
  };
  for (const auto& c : cases) {
    SetUp();
    FillCompany();
    ASSERT_TRUE(c.run()) << c.write << ": " << prompter().LastText().toStdString();
    EXPECT_EQ(Value(c.effect), c.expected) << c.write;
    QStringList times;
    for (const QString& copy : c.copies) {
      EXPECT_EQ(Count(copy), 1) << c.write << ": " << copy.toStdString();
      EXPECT_EQ(Count(copy + QStringLiteral(" AND znew_data IS NULL")), 0) << c.write;
      const QString table = copy.section(u' ', 0, 0);
      times << Value(QStringLiteral("SELECT znew_data AS v FROM ") + table);
    }
    // The rows one delete took together carry its one time.
    if (c.oneTime) {
      times.removeDuplicates();
      EXPECT_EQ(times.size(), 1) << c.write << ": " << times.join(u',').toStdString();
    }
  }
}

TEST_F(HistoryTest, VersionsNewestFirstWithTheTimeEachWasWrittenAndTheFieldsItChanged) {
  FillCompany();
  const qint64 index = LastIndex("asigurati.asigurati");
  const Columns renamed = {{QStringLiteral("NUME"), QStringLiteral("IONESCU")}};
  const Columns newName = {{QStringLiteral("PRENUME"), QStringLiteral("DAN")}};
  ASSERT_EQ(client().AuditedUpdate(static_cast<double>(index), InsuredTable(), renamed), 0);
  ASSERT_EQ(client().AuditedUpdate(static_cast<double>(index), InsuredTable(), newName), 0);
  // Known times: the row's creation, the first copy and the second; a third copy made
  // before copies were dated stands first, its time unknown.
  Run(QStringLiteral("UPDATE asigurati.asigurati SET zz_data='2009-05-01 09:00:00'"));
  Run(
      QStringLiteral("UPDATE asigurati.zlog_asigurati SET zz_data='2009-05-01 09:00:00', "
                     "znew_data=IF(nume='POPESCU', '2009-06-01 10:00:00', '2009-06-02 "
                     "11:00:00')"));
  const RecordHistory history = History(InsuredTable(), index);
  ASSERT_EQ(history.versions.size(), 3u);
  const struct {
    RecordVersion::Kind kind;
    QString written;
    QString ended;
    QStringList changed;
    const char* nume;
    const char* prenume;
  } expected[] = {
      {RecordVersion::Kind::kCurrent, "2009-06-02 11:00:00", "", {"PRENUME"}, "IONESCU", "DAN"},
      {RecordVersion::Kind::kReplaced,
       "2009-06-01 10:00:00",
       "2009-06-02 11:00:00",
       {"NUME"},
       "IONESCU",
       "ION"},
      {RecordVersion::Kind::kReplaced,
       "2009-05-01 09:00:00",
       "2009-06-01 10:00:00",
       {},
       "POPESCU",
       "ION"},
  };
  for (size_t v = 0; v < 3; ++v) {
    const RecordVersion& version = history.versions[v];
    EXPECT_EQ(version.kind, expected[v].kind) << v;
    EXPECT_EQ(version.writtenAt, expected[v].written) << v;
    EXPECT_EQ(version.endedAt, expected[v].ended) << v;
    EXPECT_EQ(version.changed, expected[v].changed) << v;
    EXPECT_EQ(Column(history, v, "NUME"), QLatin1String(expected[v].nume)) << v;
    EXPECT_EQ(Column(history, v, "prenume"), QLatin1String(expected[v].prenume)) << v;
  }
  EXPECT_FALSE(history.columns.contains(QStringLiteral("INDEX")));
  EXPECT_FALSE(history.columns.contains(QStringLiteral("ZZ_DATA")));
  EXPECT_EQ(ShownTime(history.versions[0].writtenAt), QStringLiteral("02.06.2009 11:00:00"));
  EXPECT_EQ(ShownTime(QString()), QStringLiteral("necunoscuta"));
  // A row never written has no history; a deleted one ends with its delete.
  EXPECT_TRUE(History(InsuredTable(), index + 100).versions.empty());
  ASSERT_EQ(client().AuditedDelete(static_cast<double>(index), InsuredTable()), 0);
  const RecordHistory gone = History(InsuredTable(), index);
  EXPECT_FALSE(gone.HasCurrent());
  ASSERT_EQ(gone.versions.size(), 3u);
  EXPECT_EQ(gone.versions[0].kind, RecordVersion::Kind::kDeleted);
  EXPECT_EQ(gone.versions[0].changed, QStringList{"PRENUME"});
}

TEST_F(HistoryTest, ARestoredVersionIsWrittenBackUnderTheFormsRules) {
  const TableName& insured = InsuredTable();
  const struct {
    const char* name;
    const TableName& table;
    const char* indexOf;
    std::function<void(qint64)> change;  // after the history is read: what happens meanwhile
    size_t version;                      // 0 is the current one
    CheckResult result;
    QString check;  // V after the restore
    QString expected;
  } cases[] = {
      {"an earlier name",
       insured,
       "asigurati.asigurati",
       {},
       1,
       CheckResult::Ok(),
       "SELECT CONCAT(nume, '/', (SELECT COUNT(*) FROM asigurati.zlog_asigurati)) AS v FROM "
       "asigurati.asigurati",
       "POPESCU/2"},
      {"the current version",
       insured,
       "asigurati.asigurati",
       {},
       0,
       CheckResult::Refused(texts::AlreadyCurrent()),
       "SELECT nume AS v FROM asigurati.asigurati",
       "IONESCU"},
      {"a second active record of the CNP", insured, "asigurati.asigurati",
       [](qint64) { AddInsured(kCui, kCnp); }, 1,
       CheckResult::Refused(texts::SecondActiveRecord(kCnp)),
       "SELECT GROUP_CONCAT(nume ORDER BY `index`) AS v FROM asigurati.asigurati WHERE iesire=0",
       "IONESCU,"},
      {"a row deleted meanwhile", insured, "asigurati.asigurati",
       [](qint64 index) {
         ASSERT_EQ(client().AuditedDelete(static_cast<double>(index), InsuredTable()), 0);
       },
       1, CheckResult::Refused(texts::RowDeleted()),
       "SELECT COUNT(*) AS v FROM asigurati.asigurati", "0"},
      {"a company's earlier fiscal code moves its rows",
       CompaniesTable(),
       "asigurati.societati",
       {},
       1,
       CheckResult::Ok(),
       "SELECT CONCAT((SELECT cf FROM asigurati.societati), '/', (SELECT COUNT(*) FROM "
       "concedii.concedii WHERE cf=" +
           Q(kCui) + ")) AS v",
       kCui + QStringLiteral("/1")},
  };
  for (const auto& c : cases) {
    SetUp();
    FillCompany();
    const qint64 index = LastIndex(c.indexOf);
    if (&c.table == &InsuredTable()) {
      // Renamed: its earlier version is the one restored.
      ASSERT_EQ(client().AuditedUpdate(static_cast<double>(index), insured, {{"NUME", "IONESCU"}}),
                0);
    } else {
      ASSERT_TRUE(WriteCompany(client(), [&] {
        CompanyRecord company = *LoadCompany(client(), static_cast<int>(index));
        company.cf = kOtherCui;
        return company;
      }()));
      ASSERT_TRUE(MoveFiscalCode(client(), kCui, kOtherCui));
    }
    const RecordHistory history = History(c.table, index);
    ASSERT_GT(history.versions.size(), c.version) << c.name;
    if (c.change) c.change(index);
    prompter().Clear();
    EXPECT_EQ(RestoreVersion(client(), Table(c.table), index, history, history.versions[c.version]),
              c.result)
        << c.name << ": " << prompter().LastText().toStdString();
    EXPECT_EQ(Value(c.check), c.expected) << c.name;
  }
}

TEST_F(HistoryTest, ADeletedRowIsRecoveredWithItsIndexAfterItsParent) {
  const QString dependant = QStringLiteral("2900909221151");
  const struct {
    const char* name;
    std::function<void()> deletes;
    const TableName& table;
    const char* indexOf;  // read before the deletes
    CheckResult result;
    QString check;
    QString expected;
  } cases[] = {
      {"an insured record with its amounts and dependants",
       [] { ASSERT_TRUE(DeleteInsuredRecord(client(), kCnp, LastIndex("asigurati.asigurati"))); },
       InsuredTable(), "asigurati.asigurati", CheckResult::Ok(),
       "SELECT CONCAT((SELECT COUNT(*) FROM asigurati.asigurati), (SELECT COUNT(*) FROM "
       "asigurati.sume WHERE id_cnp=(SELECT `index` FROM asigurati.asigurati)), (SELECT COUNT(*) "
       "FROM asigurati.coasigurati)) AS v",
       "111"},
      {"amounts whose insured record is gone",
       [] {
         ASSERT_EQ(client().AuditedDelete(static_cast<double>(LastIndex("asigurati.sume")),
                                          MonthlyAmountsTable()),
                   0);
         ASSERT_TRUE(DeleteInsuredRecord(client(), kCnp, LastIndex("asigurati.asigurati")));
       },
       MonthlyAmountsTable(), "asigurati.sume", CheckResult::Refused(texts::NoInsuredRecord()),
       "SELECT COUNT(*) AS v FROM asigurati.sume", "0"},
      {"a dependant whose insured person is gone",
       [] {
         ASSERT_EQ(client().AuditedDelete(static_cast<double>(LastIndex("asigurati.coasigurati")),
                                          DependantsTable()),
                   0);
         Run(QStringLiteral("DELETE FROM asigurati.asigurati"));
       },
       DependantsTable(), "asigurati.coasigurati",
       CheckResult::Refused(texts::NoInsuredPerson(kCnp)),
       "SELECT COUNT(*) AS v FROM asigurati.coasigurati", "0"},
      {"a dependant under another active insured person",
       [dependant] {
         ASSERT_EQ(client().AuditedDelete(static_cast<double>(LastIndex("asigurati.coasigurati")),
                                          DependantsTable()),
                   0);
         AddInsured(kCui, kOtherCnp);
         AddDependant(kCui, dependant, kOtherCnp);
       },
       DependantsTable(), "asigurati.coasigurati",
       CheckResult::Refused(
           DependantTakenMessage(QString(), QString(), QStringLiteral("ALFA SRL"))),
       "SELECT COUNT(*) AS v FROM asigurati.coasigurati", "1"},
      {"a certificate whose declaration is gone",
       [] {
         ASSERT_EQ(client().AuditedDelete(static_cast<double>(LastIndex("concedii.concedii")),
                                          CertificatesTable()),
                   0);
         ASSERT_TRUE(DeleteDeclaration(client(), LastIndex("concedii.declaratii")));
       },
       CertificatesTable(), "concedii.concedii", CheckResult::Refused(texts::NoDeclaration()),
       "SELECT COUNT(*) AS v FROM concedii.concedii", "0"},
      {"an insured record active again beside another active one",
       [] {
         ASSERT_TRUE(DeleteInsuredRecord(client(), kCnp, LastIndex("asigurati.asigurati")));
         AddInsured(kCui, kCnp);
       },
       InsuredTable(), "asigurati.asigurati", CheckResult::Refused(texts::SecondActiveRecord(kCnp)),
       "SELECT COUNT(*) AS v FROM asigurati.asigurati", "1"},
      {"a company with every row its delete took",
       [] {
         prompter().QueueAnswers({true, true, true});
         ASSERT_EQ(DeleteCompanyCascade(client(), prompter(), kCui, FinalQuestion::kNone),
                   CompanyDeletion::kDeleted);
       },
       CompaniesTable(), "asigurati.societati", CheckResult::Ok(),
       "SELECT CONCAT((SELECT COUNT(*) FROM asigurati.asigurati), (SELECT COUNT(*) FROM "
       "asigurati.coasigurati), (SELECT COUNT(*) FROM asigurati.sume), (SELECT COUNT(*) FROM "
       "asigurati.sume_societati), (SELECT COUNT(*) FROM concedii.declaratii), (SELECT COUNT(*) "
       "FROM concedii.concedii), (SELECT COUNT(*) FROM asigurati.societati)) AS v",
       "1111111"},
      {"a company whose fiscal code another one took",
       [] {
         prompter().QueueAnswers({true, true, true});
         ASSERT_EQ(DeleteCompanyCascade(client(), prompter(), kCui, FinalQuestion::kNone),
                   CompanyDeletion::kDeleted);
         AddCompany(kCui, QStringLiteral("BETA SRL"));
       },
       CompaniesTable(), "asigurati.societati", CheckResult::Refused(texts::FiscalCodeTaken(kCui)),
       "SELECT GROUP_CONCAT(denumire) AS v FROM asigurati.societati", "BETA SRL"},
  };
  for (const auto& c : cases) {
    SetUp();
    FillCompany();
    const qint64 index = LastIndex(c.indexOf);
    c.deletes();
    prompter().Clear();
    EXPECT_EQ(Recover(c.table, index), c.result)
        << c.name << ": " << prompter().LastText().toStdString();
    EXPECT_EQ(Value(c.check), c.expected) << c.name;
    if (c.result.IsOk()) {
      EXPECT_EQ(Count(QStringLiteral("%1.%2 WHERE `index`=%3")
                          .arg(c.table.database, c.table.table)
                          .arg(index)),
                1)
          << c.name << ": the row comes back with its index";
      EXPECT_TRUE(Deleted(c.table).rows.empty()) << c.name;
    }
  }
}

TEST_F(HistoryTest, TheDeletedRowsAreThoseWhoseLastCopyIsTheirDelete) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  for (const char* cnp : {"1800101221144", "2800404221145", "1700303221140", "1750505221144"}) {
    AddInsured(kCui, QLatin1String(cnp), QStringLiteral("CASAB"), 20090301);
  }
  const auto remove = [](int index) {
    ASSERT_EQ(client().AuditedDelete(index, InsuredTable()), 0);
  };
  const auto recover = [this](int index) { EXPECT_TRUE(Recover(InsuredTable(), index).IsOk()); };
  remove(1);  // deleted
  remove(2);  // deleted, recovered
  recover(2);
  remove(3);  // deleted, recovered, deleted again
  recover(3);
  remove(3);
  ASSERT_EQ(client().AuditedUpdate(4, InsuredTable(), {{"NUME", "X"}}), 0);  // only changed
  QStringList listed;
  for (const DeletedRow& row : Deleted(InsuredTable()).rows) listed << QString::number(row.index);
  EXPECT_EQ(listed, (QStringList{"3", "1"}));
  // A company's window shows only its rows.
  const std::optional<DeletedRows> other =
      ReadDeletedRows(client(), InsuredTable(), DeletedOfCompany(client(), kOtherCui));
  ASSERT_TRUE(other);
  EXPECT_TRUE(other->rows.empty());
}

}  // namespace
