#include "old_schema.h"

#include "store/c_client.h"

namespace old_schema {
namespace {

bool AtLeast(const QString& release, const char* version) {
  return Releases().indexOf(release) >= Releases().indexOf(QString::fromLatin1(version));
}

QString Columns(const QStringList& columns) { return columns.join(QStringLiteral(", ")); }

// Audit tables as those releases made them: the table's columns of that time.
QString AuditTable(const QString& name, const QStringList& columns, const QString& release) {
  QStringList nullable;
  for (const QString& column : columns) {
    QString definition = column.section(u' ', 0, 1);
    if (definition.endsWith(QLatin1String("TIMESTAMP"))) definition += QStringLiteral(" NULL");
    nullable << definition;
  }
  return QStringLiteral("CREATE TABLE ") + name.section(u'.', 0, 0) + QStringLiteral(".zlog_") +
         name.section(u'.', 1) + QStringLiteral(" (") + Columns(nullable) +
         QStringLiteral(
             ", znew_index INT AUTO_INCREMENT PRIMARY KEY, znew_cont VARCHAR(50), "
             "znew_op CHAR(1)") +
         (AtLeast(release, "2.07")
              ? QStringLiteral(", znew_data TIMESTAMP NULL DEFAULT CURRENT_TIMESTAMP)")
              : QStringLiteral(")"));
}

const QString kKey = QStringLiteral("`index` INT NOT NULL AUTO_INCREMENT PRIMARY KEY");
const QStringList kAudit = {QStringLiteral("ZZ_CONT VARCHAR(50) NOT NULL DEFAULT 'x'"),
                            QStringLiteral("ZZ_DATA TIMESTAMP NOT NULL DEFAULT CURRENT_TIMESTAMP")};

QStringList CompanyColumns(const QString& release) {
  QStringList columns = {kKey,
                         QStringLiteral("CF VARCHAR(13) NOT NULL"),
                         QStringLiteral("DENUMIRE VARCHAR(255) NOT NULL"),
                         QStringLiteral("REG_COM VARCHAR(50) NOT NULL"),
                         QStringLiteral("REPR VARCHAR(255) NOT NULL"),
                         QStringLiteral("ZIUA_LIC INT NOT NULL"),
                         QStringLiteral("LUNA_LIC INT NOT NULL")};
  if (AtLeast(release, "1.6")) {
    for (const char* name : {"LOC", "STR", "NR", "BL", "SC", "ET", "AP", "TEL", "JUD"}) {
      columns << QLatin1String(name) + QStringLiteral(" VARCHAR(100) NOT NULL");
    }
    columns << QStringLiteral("SECT MEDIUMINT NOT NULL");
    for (const char* name : {"EMAIL", "B1", "F1", "C1", "B2", "F2", "C2"}) {
      columns << QLatin1String(name) + QStringLiteral(" VARCHAR(100) NOT NULL");
    }
  }
  return columns;
}

QStringList AmountColumns(const QString& release) {
  QStringList columns;
  if (AtLeast(release, "1.4")) columns << QStringLiteral("ID_CNP MEDIUMINT NOT NULL");
  columns << kKey << QStringLiteral("CF VARCHAR(13) NOT NULL")
          << QStringLiteral("CNP VARCHAR(13) NOT NULL") << QStringLiteral("LUNA INT NOT NULL");
  if (AtLeast(release, "1.2")) columns << QStringLiteral("salariu DOUBLE NOT NULL");
  for (const char* name : {"ASIG_DATORAT", "ASIG_VIRAT", "ANG_DATORAT", "ANG_VIRAT"}) {
    columns << QLatin1String(name) + QStringLiteral(" DOUBLE NOT NULL");
  }
  return columns;
}

QStringList DeclarationColumns(const QString& release) {
  QStringList columns = {QStringLiteral("`index` MEDIUMINT NOT NULL AUTO_INCREMENT PRIMARY KEY"),
                         QStringLiteral("CF VARCHAR(13) NOT NULL"),
                         QStringLiteral("LUNA INT NOT NULL"),
                         QStringLiteral("RECTIFICATIVA VARCHAR(2) NOT NULL"),
                         QStringLiteral("RECTIF_NR INT NOT NULL DEFAULT 0"),
                         QStringLiteral("NR_ANG INT NOT NULL"),
                         QStringLiteral("ZILE_LUCRATOARE INT NOT NULL"),
                         QStringLiteral("SALARIUL_MINIM DOUBLE NOT NULL"),
                         QStringLiteral("FOND_DE_SALARII DOUBLE NOT NULL"),
                         QStringLiteral("contributii_datorate DOUBLE NOT NULL")};
  if (AtLeast(release, "1.8")) {
    columns << QStringLiteral("faambp DOUBLE NOT NULL")
            << QStringLiteral("faambp_datorat DOUBLE NOT NULL");
  }
  columns << QStringLiteral("suma_de_recuperat DOUBLE NOT NULL");
  if (AtLeast(release, "1.8")) columns << QStringLiteral("de_recuperat_anterior DOUBLE NOT NULL");
  return columns;
}

QStringList CertificateColumns(const QString& release) {
  QStringList columns = {kKey, QStringLiteral("ID_DECLARATIE INT NOT NULL")};
  for (const char* name : {"CF", "CNP", "NUME", "PRENUME", "CAS", "TIP_RECTIF", "CERT_SERIE",
                           "CERT_NUMAR", "CERT_INIT_SERIE", "CERT_INIT_NUMAR"}) {
    columns << QLatin1String(name) + QStringLiteral(" VARCHAR(100) NOT NULL DEFAULT ''");
  }
  for (const char* name : {"COD_INDEMN", "ZILE_LUCRATOARE", "ZILE_LUCRATE", "ZILE_PRESTATII",
                           "ZILE_SUPORTATE_FNUASS"}) {
    columns << QLatin1String(name) + QStringLiteral(" INT NOT NULL DEFAULT 0");
  }
  columns << QStringLiteral("suma_suportata_fnuass DOUBLE NOT NULL");
  if (AtLeast(release, "1.8")) {
    columns << QStringLiteral("cod_urg VARCHAR(3) NOT NULL")
            << QStringLiteral("cod_contag VARCHAR(2) NOT NULL");
  }
  return columns;
}

struct Table {
  QString name;
  QStringList columns;
  bool audited;
};

std::vector<Table> Tables(const QString& release) {
  const auto text = [](const char* name) {
    return QLatin1String(name) + QStringLiteral(" VARCHAR(100) NOT NULL");
  };
  std::vector<Table> tables = {
      {QStringLiteral("asigurati.societati"), CompanyColumns(release) << kAudit, true},
      {QStringLiteral("asigurati.asigurati"),
       QStringList{kKey, text("CF"), text("CAS"), text("NUME"), text("PRENUME"), text("CNP"),
                   QStringLiteral("INTRARE INT NOT NULL"), QStringLiteral("IESIRE INT NOT NULL"),
                   text("FORMA")} +
           kAudit,
       true},
      {QStringLiteral("asigurati.coasigurati"),
       QStringList{kKey, text("CF"), text("CNP"), text("CNP_ASIG"), text("NUME"), text("PRENUME"),
                   text("TIP")} +
           kAudit,
       true},
      {QStringLiteral("asigurati.sume"), AmountColumns(release) << kAudit, true},
      {QStringLiteral("asigurati.sume_societati"),
       QStringList{kKey, text("CF"), QStringLiteral("LUNA INT NOT NULL"),
                   QStringLiteral("FOND_DE_SALARII DOUBLE NOT NULL"),
                   QStringLiteral("DATORAT DOUBLE NOT NULL"),
                   QStringLiteral("VIRAT DOUBLE NOT NULL")} +
           kAudit,
       true},
      {QStringLiteral("asigurati.cas"), {text("cas"), text("denumire")}, false},
      {QStringLiteral("asigurati.setari"),
       {kKey, text("DENUMIRE"), text("SETARE"), QStringLiteral("ZZ_CONT VARCHAR(50)")},
       false},
      {QStringLiteral("concedii.declaratii"), DeclarationColumns(release) << kAudit, true},
      {QStringLiteral("concedii.concedii"), CertificateColumns(release) << kAudit, true},
  };
  if (AtLeast(release, "2.08")) {
    tables.push_back({QStringLiteral("asigurati.fisiere_scrise"),
                      {kKey, text("CF"), QStringLiteral("LUNA INT NOT NULL"), text("FEL"),
                       text("CAS"), text("PARTE"), text("FISIER"), text("DOSAR"), text("SUMA"),
                       QStringLiteral("SCRIS TIMESTAMP NOT NULL DEFAULT CURRENT_TIMESTAMP"),
                       QStringLiteral("ZZ_CONT VARCHAR(50) NOT NULL DEFAULT ''")},
                      false});
  }
  return tables;
}

QStringList HouseCodes(const QString& release) {
  QStringList codes = {
      QStringLiteral("CAS_B"), QStringLiteral("CAS_T"),
      AtLeast(release, "2.03") ? QStringLiteral("CAS_A") : QStringLiteral("CAS_O")};
  for (const char* code : {"AB", "AR", "AG", "BC", "BH", "BN", "BT", "BV", "BR", "BZ",
                           "CS", "CL", "CJ", "CT", "CV", "DB", "DJ", "GL", "GR", "GJ"}) {
    codes << QStringLiteral("CAS") + QLatin1String(code);
  }
  codes << (AtLeast(release, "2.02") ? QStringLiteral("CASHR") : QStringLiteral("CASHG"));
  for (const char* code : {"HD", "IL", "IS", "IF", "MM", "MH", "MS", "NT", "OT", "PH",
                           "SM", "SJ", "SB", "SV", "TR", "TM", "TL", "VS", "VL", "VN"}) {
    codes << QStringLiteral("CAS") + QLatin1String(code);
  }
  return codes;
}

QStringList Rows(const QString& release, bool certificates) {
  const QString hargita =
      AtLeast(release, "2.02") ? QStringLiteral("CASHR") : QStringLiteral("CASHG");
  const QString houseA =
      AtLeast(release, "2.03") ? QStringLiteral("CAS_A") : QStringLiteral("CAS_O");
  const QString form = AtLeast(release, "1.8") ? QStringLiteral("S") : QStringLiteral("ACC");
  QStringList rows = {
      QStringLiteral("INSERT INTO asigurati.societati (CF, DENUMIRE, REG_COM, REPR, ZIUA_LIC, "
                     "LUNA_LIC) VALUES ('13548146', 'ALFA SRL', 'J40/1/2003', 'POP ION', 10, 0), "
                     "('2795207', 'BETA SA', 'J12/2/2004', 'IONESCU ANA', 5, 1)"),
      QStringLiteral("INSERT INTO asigurati.asigurati (`index`, CF, CAS, NUME, PRENUME, CNP, "
                     "INTRARE, IESIRE, FORMA) VALUES (3, '13548146', '%1', 'POPESCU', 'ION', "
                     "'1800101221144', 20050301, 0, '%3'), (4, '13548146', '%2', 'ŞTEFĂNESCU', "
                     "'ANA', '2810202221145', 20050401, 20061231, 'S'), (8, '2795207', 'CASAB', "
                     "'VLAD', 'DAN', '1790303221146', 20040101, 0, 'CM')")
          .arg(hargita, houseA, form),
      QStringLiteral("INSERT INTO asigurati.coasigurati (CF, CNP, CNP_ASIG, NUME, PRENUME, TIP) "
                     "VALUES ('13548146', '2820404221147', '1800101221144', 'POPESCU', 'MARIA', "
                     "'S')"),
      QStringLiteral("INSERT INTO asigurati.sume (CF, CNP, LUNA, ASIG_DATORAT, ASIG_VIRAT, "
                     "ANG_DATORAT, ANG_VIRAT) VALUES ('13548146', '1800101221144', 200601, 12.6, "
                     "12.4, 30, 30), ('13548146', '2810202221145', 200601, 7, 7, 15, 15), "
                     "('2795207', '1790303221146', 200601, 9.5, 9.5, 20, 20)"),
      QStringLiteral("INSERT INTO asigurati.sume_societati (CF, LUNA, FOND_DE_SALARII, DATORAT, "
                     "VIRAT) VALUES ('13548146', 200601, 3000, 150, 150)"),
      QStringLiteral(
          "INSERT INTO concedii.declaratii (`index`, CF, LUNA, RECTIFICATIVA, RECTIF_NR, "
          "NR_ANG, ZILE_LUCRATOARE, SALARIUL_MINIM, FOND_DE_SALARII, "
          "contributii_datorate, suma_de_recuperat) VALUES (5, '13548146', 200601, "
          "'NU', 0, 2, 21, 330, 3000, 23, 0), (9, '13548146', 200601, 'DA', 1, 2, 21, "
          "330, 3000, 23, 0), (14, '2795207', 200602, 'NU', 0, 1, 20, 330, 1000, 8, 0)"),
  };
  if (certificates) {
    rows << QStringLiteral(
        "INSERT INTO concedii.concedii (ID_DECLARATIE, CF, CNP, NUME, PRENUME, "
        "CAS, CERT_SERIE, CERT_NUMAR, COD_INDEMN, suma_suportata_fnuass) VALUES "
        "(5, '13548146', '1800101221144', 'POPESCU', 'ION', 'CASHG', 'AB', '1', "
        "1, 300), (14, '2795207', '1790303221146', 'VLAD', 'DAN', 'CASAB', "
        "'CD', '2', 2, 150)");
  }
  return rows;
}

}  // namespace

const QStringList& Releases() {
  static const QStringList releases = {
      QStringLiteral("1.1 beta"), QStringLiteral("1.2"),  QStringLiteral("1.3"),
      QStringLiteral("1.4"),      QStringLiteral("1.5"),  QStringLiteral("1.6"),
      QStringLiteral("1.7"),      QStringLiteral("1.8"),  QStringLiteral("1.81"),
      QStringLiteral("1.82"),     QStringLiteral("1.83"), QStringLiteral("2.00"),
      QStringLiteral("2.01"),     QStringLiteral("2.02"), QStringLiteral("2.03"),
      QStringLiteral("2.04"),     QStringLiteral("2.05"), QStringLiteral("2.06"),
      QStringLiteral("2.07"),     QStringLiteral("2.08")};
  return releases;
}

int FixtureRows(const QString& table, bool certificates) {
  if (table == QLatin1String("asigurati.societati")) return 2;
  if (table == QLatin1String("asigurati.asigurati")) return 3;
  if (table == QLatin1String("asigurati.coasigurati")) return 1;
  if (table == QLatin1String("asigurati.sume")) return 3;
  if (table == QLatin1String("asigurati.sume_societati")) return 1;
  if (table == QLatin1String("asigurati.cas")) return 44;
  if (table == QLatin1String("concedii.declaratii")) return 3;
  if (table == QLatin1String("concedii.concedii")) return certificates ? 2 : 0;
  return -1;
}

QString Build(CClient& client, const Options& options) {
  QStringList statements = {QStringLiteral("DROP DATABASE IF EXISTS asigurati"),
                            QStringLiteral("DROP DATABASE IF EXISTS concedii"),
                            QStringLiteral("DROP DATABASE IF EXISTS velka_creare"),
                            QStringLiteral("CREATE DATABASE asigurati"),
                            QStringLiteral("CREATE DATABASE concedii")};
  for (const Table& table : Tables(options.release)) {
    statements << QStringLiteral("CREATE TABLE ") + table.name + QStringLiteral(" (") +
                      Columns(table.columns) + u')';
    if (table.audited) statements << AuditTable(table.name, table.columns, options.release);
  }
  QStringList houses;
  for (const QString& code : HouseCodes(options.release)) {
    houses << QStringLiteral("('%1', 'Casa %1')").arg(code);
  }
  statements << QStringLiteral("INSERT INTO asigurati.cas (cas, denumire) VALUES ") +
                    Columns(houses);
  if (!options.recordedVersion.isEmpty()) {
    statements << QStringLiteral(
                      "INSERT INTO asigurati.setari (DENUMIRE, SETARE, ZZ_CONT) VALUES "
                      "('versiune', '%1', '')")
                      .arg(options.recordedVersion);
  }
  statements << Rows(options.release, options.certificates);
  if (AtLeast(options.release, "1.4")) {
    statements << QStringLiteral(
        "UPDATE asigurati.sume AS s, asigurati.asigurati AS a SET s.id_cnp=a.index WHERE "
        "s.cf=a.cf AND s.cnp=a.cnp");
  }
  for (const QString& statement : statements) {
    if (client.Execute(statement) != 0) return statement;
  }
  return {};
}

}  // namespace old_schema
