#include "store/schema/schema_tables.h"

#include <QRegularExpression>

namespace {

// Column kinds of the register: codes and names are texts, keys, counts, dates (eight
// digits) and months (six digits) integers, amounts doubles. Every NOT NULL column has a
// default, since several inserts leave columns out.
constexpr char kNotNullText[] = "NOT NULL DEFAULT ''";
constexpr char kNotNullZero[] = "NOT NULL DEFAULT 0";

ColumnDef Key() { return {"index", "INT", "NOT NULL AUTO_INCREMENT"}; }
ColumnDef Text(const char* name, const char* type) { return {name, type, kNotNullText}; }
ColumnDef Integer(const char* name) { return {name, "INT", kNotNullZero}; }
ColumnDef Amount(const char* name) { return {name, "DOUBLE", kNotNullZero}; }
ColumnDef Account() { return {"ZZ_CONT", "VARCHAR(50)", kNotNullText}; }
// The creation time: set by the server on insert and never touched by an update.
ColumnDef Created() { return {"ZZ_DATA", "TIMESTAMP", "NOT NULL DEFAULT CURRENT_TIMESTAMP"}; }

TableDef Companies() {
  return {"asigurati",
          "societati",
          {Key(),
           Text("CF", "VARCHAR(13)"),
           Text("DENUMIRE", "VARCHAR(255)"),
           Text("REG_COM", "VARCHAR(50)"),
           Text("REPR", "VARCHAR(255)"),
           Integer("ZIUA_LIC"),
           Integer("LUNA_LIC"),
           Text("LOC", "VARCHAR(100)"),
           Text("STR", "VARCHAR(100)"),
           // The widths the upgrade gives these columns; the company form keeps to them.
           Text("NR", "VARCHAR(10)"),
           Text("BL", "VARCHAR(10)"),
           Text("SC", "VARCHAR(10)"),
           Text("ET", "VARCHAR(10)"),
           Text("AP", "VARCHAR(10)"),
           Text("TEL", "VARCHAR(50)"),
           Text("JUD", "VARCHAR(2)"),
           {"SECT", "MEDIUMINT", kNotNullZero},
           Text("EMAIL", "VARCHAR(50)"),
           Text("B1", "VARCHAR(100)"),
           Text("F1", "VARCHAR(100)"),
           Text("C1", "VARCHAR(24)"),
           Text("B2", "VARCHAR(100)"),
           Text("F2", "VARCHAR(100)"),
           Text("C2", "VARCHAR(24)"),
           Account(),
           Created()},
          {QStringLiteral("PRIMARY KEY (`index`)"), QStringLiteral("KEY cf (CF)")},
          true};
}

TableDef Insured() {
  return {
      "asigurati",
      "asigurati",
      {Key(), Text("CF", "VARCHAR(13)"), Text("CAS", "VARCHAR(5)"), Text("NUME", "VARCHAR(100)"),
       Text("PRENUME", "VARCHAR(100)"), Text("CNP", "VARCHAR(13)"), Integer("INTRARE"),
       Integer("IESIRE"), Text("FORMA", "VARCHAR(3)"), Account(), Created()},
      {QStringLiteral("PRIMARY KEY (`index`)"), QStringLiteral("KEY cf_iesire (CF, IESIRE)"),
       QStringLiteral("KEY cnp (CNP)")},
      true};
}

TableDef Dependants() {
  return {"asigurati",
          "coasigurati",
          {Key(), Text("CF", "VARCHAR(13)"), Text("CNP", "VARCHAR(13)"),
           Text("CNP_ASIG", "VARCHAR(13)"), Text("NUME", "VARCHAR(100)"),
           Text("PRENUME", "VARCHAR(100)"), Text("TIP", "VARCHAR(1)"), Account(), Created()},
          {QStringLiteral("PRIMARY KEY (`index`)"), QStringLiteral("KEY cnp_asig (CNP_ASIG)"),
           QStringLiteral("KEY cnp (CNP)")},
          true};
}

TableDef MonthlyAmounts() {
  return {
      "asigurati",
      "sume",
      {Integer("ID_CNP"), Key(), Text("CF", "VARCHAR(13)"), Text("CNP", "VARCHAR(13)"),
       Integer("LUNA"), Amount("salariu"), Amount("ASIG_DATORAT"), Amount("ASIG_VIRAT"),
       Amount("ANG_DATORAT"), Amount("ANG_VIRAT"), Account(), Created()},
      {QStringLiteral("PRIMARY KEY (`index`)"), QStringLiteral("KEY id_cnp_luna (ID_CNP, LUNA)"),
       QStringLiteral("KEY cf_luna (CF, LUNA)")},
      true};
}

TableDef EmployerAmounts() {
  return {"asigurati",
          "sume_societati",
          {Key(), Text("CF", "VARCHAR(13)"), Integer("LUNA"), Amount("FOND_DE_SALARII"),
           Amount("DATORAT"), Amount("VIRAT"), Account(), Created()},
          {QStringLiteral("PRIMARY KEY (`index`)"), QStringLiteral("KEY cf_luna (CF, LUNA)")},
          true};
}

TableDef Houses() {
  return {"asigurati",
          "cas",
          {Text("cas", "VARCHAR(5)"), Text("denumire", "VARCHAR(100)")},
          {QStringLiteral("PRIMARY KEY (cas)")},
          false};
}

TableDef Settings() {
  // One row per setting name: a second "versiune" row cannot be stored.
  return {
      "asigurati",
      "setari",
      {Key(), Text("DENUMIRE", "VARCHAR(50)"), Text("SETARE", "VARCHAR(255)"), Account()},
      {QStringLiteral("PRIMARY KEY (`index`)"), QStringLiteral("UNIQUE KEY denumire (DENUMIRE)")},
      false};
}

TableDef Declarations() {
  return {"concedii",
          "declaratii",
          {Key(), Text("CF", "VARCHAR(13)"), Integer("LUNA"), Text("RECTIFICATIVA", "VARCHAR(2)"),
           Integer("RECTIF_NR"), Integer("NR_ANG"), Integer("ZILE_LUCRATOARE"),
           Amount("SALARIUL_MINIM"), Amount("FOND_DE_SALARII"), Amount("contributii_datorate"),
           Amount("faambp"), Amount("faambp_datorat"), Amount("suma_de_recuperat"),
           Amount("de_recuperat_anterior"), Account(), Created()},
          {QStringLiteral("PRIMARY KEY (`index`)"), QStringLiteral("KEY cf_luna (CF, LUNA)")},
          true};
}

TableDef Certificates() {
  return {
      "concedii",
      "concedii",
      {Key(),
       Integer("ID_DECLARATIE"),
       Text("CF", "VARCHAR(13)"),
       Text("CNP", "VARCHAR(13)"),
       Text("NUME", "VARCHAR(100)"),
       Text("PRENUME", "VARCHAR(100)"),
       Text("CAS", "VARCHAR(5)"),
       Text("TIP_RECTIF", "VARCHAR(1)"),
       Text("CERT_SERIE", "VARCHAR(10)"),
       Text("CERT_NUMAR", "VARCHAR(10)"),
       Text("CERT_INIT_SERIE", "VARCHAR(10)"),
       Text("CERT_INIT_NUMAR", "VARCHAR(10)"),
       Integer("COD_INDEMN"),
       Integer("ZILE_LUCRATOARE"),
       Integer("ZILE_LUCRATE"),
       Integer("ZILE_PRESTATII"),
       Integer("ZILE_SUPORTATE_FNUASS"),
       Amount("suma_suportata_fnuass"),
       Text("cod_urg", "VARCHAR(3)"),
       Text("cod_contag", "VARCHAR(2)"),
       Account(),
       Created()},
      {QStringLiteral("PRIMARY KEY (`index`)"), QStringLiteral("KEY id_declaratie (ID_DECLARATIE)"),
       QStringLiteral("KEY certificat (CNP, CERT_SERIE, CERT_NUMAR)")},
      true};
}

// What the program wrote for a company's month: one row per file (kind S, an anexa of a
// house; kind C, a file of the leave declaration) with its checksum, and one row of kind P
// when the month was marked handed in. Written by the saves themselves, never by a form, so
// it keeps no audit copies.
TableDef WrittenFiles() {
  return {"asigurati",
          "fisiere_scrise",
          {Key(),
           Text("CF", "VARCHAR(13)"),
           Integer("LUNA"),
           Text("FEL", "VARCHAR(1)"),
           Text("CAS", "VARCHAR(5)"),
           Text("PARTE", "VARCHAR(2)"),
           Text("FISIER", "VARCHAR(255)"),
           Text("DOSAR", "VARCHAR(1000)"),
           Text("SUMA", "VARCHAR(64)"),
           {"SCRIS", "TIMESTAMP", "NOT NULL DEFAULT CURRENT_TIMESTAMP"},
           Account()},
          {QStringLiteral("PRIMARY KEY (`index`)"), QStringLiteral("KEY luna_cf (LUNA, CF)")},
          false};
}

QString QualifiedName(const TableDef& table, const QString& prefix = {}) {
  return QString::fromLatin1(table.database) + u'.' + prefix + QString::fromLatin1(table.name);
}

}  // namespace

const std::vector<TableDef>& SchemaTables() {
  static const std::vector<TableDef> tables = {
      Companies(), Insured(),  Dependants(),   MonthlyAmounts(), EmployerAmounts(),
      Houses(),    Settings(), Declarations(), Certificates(),   WrittenFiles()};
  return tables;
}

TableName NameOf(const TableDef& table) {
  return {QString::fromLatin1(table.database).toUpper(), QString::fromLatin1(table.name).toUpper()};
}

const TableName& CompaniesTable() {
  static const TableName name = NameOf(Companies());
  return name;
}

const TableName& InsuredTable() {
  static const TableName name = NameOf(Insured());
  return name;
}

const TableName& DependantsTable() {
  static const TableName name = NameOf(Dependants());
  return name;
}

const TableName& MonthlyAmountsTable() {
  static const TableName name = NameOf(MonthlyAmounts());
  return name;
}

const TableName& EmployerAmountsTable() {
  static const TableName name = NameOf(EmployerAmounts());
  return name;
}

const TableName& SettingsTable() {
  static const TableName name = NameOf(Settings());
  return name;
}

const TableName& DeclarationsTable() {
  static const TableName name = NameOf(Declarations());
  return name;
}

const TableName& WrittenFilesTable() {
  static const TableName name = NameOf(WrittenFiles());
  return name;
}

const TableName& CertificatesTable() {
  static const TableName name = NameOf(Certificates());
  return name;
}

TableName QualifiedTableName(const char* qualified) {
  const QString name = QString::fromLatin1(qualified).toUpper();
  return {name.section(u'.', 0, 0), name.section(u'.', 1)};
}

std::optional<int> TextColumnWidth(const QString& database, const QString& table,
                                   const QString& column) {
  static const QRegularExpression text(QStringLiteral("^(?:VAR)?CHAR\\((\\d+)\\)$"),
                                       QRegularExpression::CaseInsensitiveOption);
  for (const TableDef& def : SchemaTables()) {
    if (database.compare(QLatin1String(def.database), Qt::CaseInsensitive) != 0 ||
        table.compare(QLatin1String(def.name), Qt::CaseInsensitive) != 0) {
      continue;
    }
    for (const ColumnDef& columnDef : def.columns) {
      if (column.compare(QLatin1String(columnDef.name), Qt::CaseInsensitive) != 0) continue;
      const QRegularExpressionMatch match = text.match(QLatin1String(columnDef.type));
      if (!match.hasMatch()) return std::nullopt;
      return match.captured(1).toInt();
    }
  }
  return std::nullopt;
}

QString CreateTableStatement(const TableDef& table) {
  QStringList parts;
  for (const ColumnDef& column : table.columns) {
    parts.append(u'`' + QString::fromLatin1(column.name) + QStringLiteral("` ") +
                 QString::fromLatin1(column.type) + u' ' + QString::fromLatin1(column.constraint));
  }
  parts.append(table.keys);
  return QStringLiteral("CREATE TABLE IF NOT EXISTS ") + QualifiedName(table) +
         QStringLiteral(" (") + parts.join(QStringLiteral(", ")) +
         QStringLiteral(") DEFAULT CHARSET=utf8mb4");
}

QString AuditColumnType(const QString& type) {
  // A TIMESTAMP column without an explicit NULL would take the current time instead of the
  // copied one.
  return type.toUpper() == QLatin1String("TIMESTAMP")
             ? QStringLiteral("TIMESTAMP NULL DEFAULT NULL")
             : type + QStringLiteral(" NULL");
}

QString AuditCopyTimeColumn() {
  return QStringLiteral("`znew_data` TIMESTAMP NULL DEFAULT CURRENT_TIMESTAMP");
}

QString CreateAuditTableStatement(const TableDef& table) {
  QStringList parts;
  for (const ColumnDef& column : table.columns) {
    parts.append(u'`' + QString::fromLatin1(column.name) + QStringLiteral("` ") +
                 AuditColumnType(QString::fromLatin1(column.type)));
  }
  parts << QStringLiteral("`znew_index` INT NOT NULL AUTO_INCREMENT")
        << QStringLiteral("`znew_cont` VARCHAR(50) NOT NULL DEFAULT ''")
        << QStringLiteral("`znew_op` CHAR(1) NOT NULL DEFAULT ''") << AuditCopyTimeColumn()
        << QStringLiteral("PRIMARY KEY (`znew_index`)");
  return QStringLiteral("CREATE TABLE IF NOT EXISTS ") +
         QualifiedName(table, QStringLiteral("zlog_")) + QStringLiteral(" (") +
         parts.join(QStringLiteral(", ")) + QStringLiteral(") DEFAULT CHARSET=utf8mb4");
}

const TableDef& WrittenFilesDef() {
  static const TableDef def = WrittenFiles();
  return def;
}
