#include "store/schema/schema_steps.h"

#include "store/c_client.h"
#include "store/schema/schema_tables.h"
#include "store/schema/table_repair.h"

namespace {

const QString kAddSalary =
    QStringLiteral("ALTER TABLE `asigurati`.`sume` ADD `salariu` DOUBLE NOT NULL AFTER `LUNA`");

// Appended one by one to "ALTER TABLE asigurati.societati "; the spacing is the release's.
const char* const kAddressClauses[] = {
    " ADD `LOC` VARCHAR( 100 ) NOT NULL AFTER `LUNA_LIC` ,",
    " ADD `STR` VARCHAR( 100 ) NOT NULL AFTER `LOC`,  ",
    " ADD `NR`  VARCHAR( 10 )  NOT NULL AFTER `STR`,  ",
    " ADD `BL`  VARCHAR( 10 )  NOT NULL AFTER `NR`,  ",
    " ADD `SC`  VARCHAR( 10 ) NOT NULL AFTER `BL`,  ",
    " ADD `ET`  VARCHAR( 10 ) NOT NULL AFTER `SC`,  ",
    " ADD `AP`  VARCHAR( 10 ) NOT NULL AFTER `ET`,  ",
    " ADD `TEL`  VARCHAR( 50 ) NOT NULL AFTER `AP`,  ",
    " ADD `JUD`  VARCHAR( 2 ) NOT NULL AFTER `TEL`,  ",
    " ADD `SECT` MEDIUMINT NOT NULL AFTER `JUD`,  ",
    " ADD `EMAIL`  VARCHAR( 50 ) NOT NULL AFTER `SECT`,  ",
    " ADD `B1`  VARCHAR( 100 ) NOT NULL AFTER `EMAIL`,  ",
    " ADD `F1`  VARCHAR( 100 ) NOT NULL AFTER `B1`,  ",
    " ADD `C1`  VARCHAR( 24 ) NOT NULL AFTER `F1`,  ",
    " ADD `B2`  VARCHAR( 100 ) NOT NULL AFTER `C1`,  ",
    " ADD `F2`  VARCHAR( 100 ) NOT NULL AFTER `B2`,  ",
    " ADD `C2`  VARCHAR( 24 ) NOT NULL AFTER `F2` ",
};

}  // namespace

const std::vector<UpgradeStep>& UpgradeSteps::All() {
  using S = UpgradeSteps;
  static const std::vector<UpgradeStep> steps = {
      {"1.1 beta", "1.2", &S::AddSalary},       {"1.2", "1.3", &S::AddSalaryAgain},
      {"1.3", "1.4", &S::LinkAmountsToRecords}, {"1.4", "1.5", &S::RoundContributions},
      {"1.5", "1.6", &S::AddCompanyAddress},    {"1.6", "1.7", &S::Record17},
      {"1.7", "1.8", &S::AddLeaveColumns},      {"1.8", "1.81", &S::Record181},
      {"1.81", "1.82", &S::Record182},          {"1.82", "1.83", &S::Record183},
      {"1.83", "2.00", &S::Record200},          {"2.00", "2.01", &S::Record201},
      {"2.01", "2.02", &S::RenameHargitaHouse}, {"2.02", "2.03", &S::RenameHouseA},
      {"2.03", "2.04", &S::Record204},          {"2.04", "2.05", &S::RenumberDeclarations},
      {"2.05", "2.06", &S::Record206},          {"2.06", "2.07", &S::AddAuditCopyTimes},
      {"2.07", "2.08", &S::AddWrittenFiles},
  };
  return steps;
}

// A failure was shown; the step goes on, as the release that wrote it did.
void UpgradeSteps::RemoveVersion() {
  (void)runner_.RunBuffered(
      QStringLiteral("DELETE FROM asigurati.setari WHERE denumire='versiune'"));
}

bool UpgradeSteps::WriteVersion(const QString& version) {
  const Columns columns = {{QStringLiteral("DENUMIRE"), QStringLiteral("versiune")},
                           {QStringLiteral("SETARE"), version}};
  const bool written = runner_.Client().AuditedInsert(SettingsTable(), columns, QString(), 1) == 0;
  runner_.Report(QStringLiteral("insert into ASIGURATI.SETARI versiune ") + version);
  // The old version row is gone: without the new one the later steps would run on a
  // register whose version nobody knows. The failure was shown; the procedure stops.
  return written;
}

bool UpgradeSteps::Record(const QString& version) {
  RemoveVersion();
  return WriteVersion(version);
}

bool UpgradeSteps::Stopping(const QString& sql) {
  if (resuming_) {
    return runner_.RunTolerating(sql, kErrorDuplicateColumn, kErrorCannotDropColumn);
  }
  return runner_.Run(sql);
}

// A failure was shown and the step goes on: the statements that follow do not need it.
void UpgradeSteps::Continuing(const QString& sql) { (void)runner_.Run(sql); }

void UpgradeSteps::Buffered(const QString& sql) {
  if (resuming_) {
    (void)runner_.RunTolerating(sql, kErrorDuplicateColumn, kErrorCannotDropColumn);
  } else {
    (void)runner_.RunBuffered(sql);
  }
}

bool UpgradeSteps::AddSalary() {
  if (!Stopping(kAddSalary)) return false;
  return Record12();
}

// Recorded before the column is added: a database that already has it stops here with
// "1.3" recorded and goes on from there at the next start.
bool UpgradeSteps::AddSalaryAgain() {
  return Record(QStringLiteral("1.3")) && Stopping(kAddSalary);
}

bool UpgradeSteps::LinkAmountsToRecords() {
  if (!Record(QStringLiteral("1.4"))) return false;
  if (!Stopping(
          QStringLiteral("ALTER TABLE `asigurati`.`sume` ADD `ID_CNP` MEDIUMINT NOT NULL FIRST"))) {
    return false;
  }
  if (!Stopping(QStringLiteral("UPDATE asigurati.sume AS s, asigurati.asigurati AS a SET "
                               "s.id_cnp=a.index WHERE\ts.cf=a.cf AND s.cnp=a.cnp"))) {
    return false;
  }
  // Only a database that never got the salary column lacks it here.
  if (!runner_.RunQuiet(QStringLiteral("SELECT s.salariu FROM asigurati.sume AS s"), 1)) {
    return Stopping(kAddSalary);
  }
  return true;
}

bool UpgradeSteps::RoundContributions() {
  if (!Record(QStringLiteral("1.5"))) return false;
  if (!Stopping(QStringLiteral("UPDATE asigurati.sume AS s SET "
                               "s.asig_datorat=round(s.asig_datorat), "
                               "s.asig_virat=round(s.asig_virat)"))) {
    return false;
  }
  // A server shared by several workstations looks after its own table files.
  if (runner_.Client().OnServer()) return true;
  // The repair rebuilds every table through a new data file: a program stopped between the
  // server's removal of an old file and the renaming of its new one is mended from this copy.
  if (!CopyTablesBeforeRewrite(runner_, RegisterTables())) return false;
  return Stopping(QStringLiteral(
      "REPAIR TABLE `asigurati`.`asigurati` , `asigurati`.`cas` , `asigurati`.`coasigurati` "
      ", `asigurati`.`setari` , `asigurati`.`societati` , `asigurati`.`sume`, "
      "`asigurati`.`sume_societati`"));
}

bool UpgradeSteps::AddCompanyAddress() {
  QString sql = QStringLiteral("ALTER TABLE asigurati.societati ");
  for (const char* clause : kAddressClauses) sql += QLatin1String(clause);
  if (!Stopping(sql)) return false;
  return Record(QStringLiteral("1.6"));
}

// This release recorded its version with the two halves apart: the old row goes first,
// the new one is written after the columns.
bool UpgradeSteps::AddLeaveColumns() {
  RemoveVersion();
  Buffered(
      QStringLiteral("ALTER TABLE `concedii`.`declaratii` ADD `faambp` DOUBLE NOT NULL "
                     "AFTER `contributii_datorate`;"));
  Buffered(
      QStringLiteral("ALTER TABLE `concedii`.`declaratii` ADD `faambp_datorat` DOUBLE "
                     "NOT NULL AFTER `faambp`;"));
  Buffered(
      QStringLiteral("ALTER TABLE `concedii`.`declaratii` ADD `de_recuperat_anterior` "
                     "DOUBLE NOT NULL AFTER `suma_de_recuperat`;"));
  Buffered(
      QStringLiteral("ALTER TABLE `concedii`.`concedii` ADD `cod_urg` VARCHAR( 3 ) NOT "
                     "NULL AFTER `suma_suportata_fnuass`, ADD `cod_contag` VARCHAR( 2 ) "
                     "NOT NULL AFTER `cod_urg` ;"));
  Continuing(QStringLiteral("UPDATE asigurati.asigurati SET forma='S' WHERE forma='ACC'"));
  return WriteVersion(QStringLiteral("1.8"));
}

// A house whose code changed: its insured persons and the house list follow it.
bool UpgradeSteps::RenameHouse(const QString& from, const QString& to, const QString& version) {
  RemoveVersion();
  Continuing(QStringLiteral("UPDATE asigurati.asigurati AS a SET a.cas='%1' WHERE a.cas='%2'")
                 .arg(to, from));
  Continuing(
      QStringLiteral("UPDATE asigurati.cas AS c SET c.cas='%1' WHERE c.cas='%2'").arg(to, from));
  return WriteVersion(version);
}

bool UpgradeSteps::RenameHargitaHouse() {
  return RenameHouse(QStringLiteral("CASHG"), QStringLiteral("CASHR"), QStringLiteral("2.02"));
}

bool UpgradeSteps::RenameHouseA() {
  return RenameHouse(QStringLiteral("CAS_O"), QStringLiteral("CAS_A"), QStringLiteral("2.03"));
}

// The declarations are renumbered only while no certificate refers to them.
bool UpgradeSteps::RenumberDeclarations() {
  RemoveVersion();
  if (runner_.Run(QStringLiteral("SELECT * FROM concedii.concedii"), 1) &&
      runner_.Client().RowCount() == 0) {
    Buffered(QStringLiteral("ALTER TABLE concedii.declaratii DROP `index`"));
    Buffered(QStringLiteral(
        "ALTER TABLE concedii.declaratii ADD `index` MEDIUMINT NOT NULL AUTO_INCREMENT "
        "PRIMARY KEY"));
  }
  return WriteVersion(QStringLiteral("2.05"));
}

// Every audit copy gets the time it was made. The copies already there keep the column
// empty, since nobody knows when they were made; only then does the column take the
// server's time by default, so that the copies made from now on carry it. An audit table
// that is missing gets the column when the audit tables are aligned after the steps.
bool UpgradeSteps::AddAuditCopyTimes() {
  for (const TableDef& table : SchemaTables()) {
    if (!table.audited) continue;
    const QString database = QString::fromLatin1(table.database);
    const QString audit = QStringLiteral("zlog_") + QString::fromLatin1(table.name);
    if (!runner_.Run(QStringLiteral("SELECT c.column_name AS nume FROM information_schema.columns "
                                    "AS c WHERE c.table_schema='%1' AND c.table_name='%2' AND "
                                    "c.column_name IN ('znew_index', 'znew_data')")
                         .arg(database, audit),
                     1)) {
      return false;
    }
    const int found = static_cast<int>(runner_.Client().RowCount());
    if (found == 0) continue;  // no audit table
    const QString name = database + u'.' + audit;
    // A step run again after an interruption may find the column added already.
    if (found == 1 &&
        !runner_.Run(QStringLiteral("ALTER TABLE ") + name +
                     QStringLiteral(" ADD COLUMN `znew_data` TIMESTAMP NULL DEFAULT NULL"))) {
      return false;
    }
    if (!runner_.Run(QStringLiteral("ALTER TABLE ") + name +
                     QStringLiteral(" ALTER COLUMN `znew_data` SET DEFAULT CURRENT_TIMESTAMP"))) {
      return false;
    }
  }
  return Record207();
}

// The record of written files starts empty: what earlier versions wrote is not known.
bool UpgradeSteps::AddWrittenFiles() {
  if (!runner_.Run(CreateTableStatement(WrittenFilesDef()))) return false;
  return Record208();
}
