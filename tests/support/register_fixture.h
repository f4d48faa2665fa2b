#pragma once

#include <gtest/gtest.h>

#include <QTest>

#include "store/schema/schema.h"
#include "store/schema/schema_tables.h"
#include "support/form_driver.h"
#include "support/print_to.h"
#include "support/test_server.h"
#include "ui/modal.h"

// Codes that pass their checks.
inline const QString kCui = QStringLiteral("12345674");
inline const QString kOtherCui = QStringLiteral("13548146");
inline const QString kThirdCui = QStringLiteral("98765438");
inline const QString kCnp = QStringLiteral("1800101221144");
inline const QString kOtherCnp = QStringLiteral("2800404221145");

// The register on the program's one test server: created once, emptied before each test.
class RegisterTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static const bool created = (UpgradeSchema(client()), true);
    (void)created;
  }
  void SetUp() override {
    for (const char* table :
         {"societati", "zlog_societati", "asigurati", "coasigurati", "sume", "sume_societati",
          "fisiere_scrise", "concedii.declaratii", "concedii.concedii"}) {
      const QString name = QLatin1String(table);
      Run(QStringLiteral("TRUNCATE TABLE ") +
          (name.contains(u'.') ? name : QStringLiteral("asigurati.") + name));
    }
    prompter().Clear();
  }
  void TearDown() override { SetModalDriver(nullptr); }

  static CClient& client() { return TestServer::Instance().Client(); }
  static ScriptedPrompter& prompter() { return TestServer::Instance().Prompter(); }
  static void Run(const QString& sql) { TestServer::Instance().Run(sql); }
  static QString Q(const QString& value) { return client().Text(value).Literal(); }

  // A company as the form would store it; returns its INDEX.
  static int AddCompany(const QString& cf, const QString& name, const QString& county = "MB",
                        int sector = 1) {
    Run(QStringLiteral("INSERT INTO asigurati.societati (cf, denumire, ziua_lic, jud, sect) "
                       "VALUES (%1, %2, 10, %3, %4)")
            .arg(Q(cf), Q(name), Q(county))
            .arg(sector));
    return Value(QStringLiteral("SELECT MAX(`index`) AS v FROM asigurati.societati")).toInt();
  }
  // An employment record; `exit` 0 is an active one.
  static void AddInsured(const QString& cf, const QString& cnp, const QString& house = "CASAB",
                         int exit = 0) {
    Run(QStringLiteral("INSERT INTO asigurati.asigurati (cf, cnp, cas, intrare, iesire) VALUES "
                       "(%1, %2, %3, 20090101, %4)")
            .arg(Q(cf), Q(cnp), Q(house))
            .arg(exit));
  }
  static void AddDependant(const QString& cf, const QString& cnp, const QString& insuredCnp) {
    Run(QStringLiteral("INSERT INTO asigurati.coasigurati (cf, cnp, cnp_asig) VALUES (%1, %2, %3)")
            .arg(Q(cf), Q(cnp), Q(insuredCnp)));
  }
  // One row in each of the tables besides societati that carry a company's fiscal code.
  static void AddRegisterRows(const QString& cf) {
    for (const char* table : kTablesWithCompanyCf) {
      Run(QStringLiteral("INSERT INTO %1 (cf) VALUES (%2)").arg(QLatin1String(table), Q(cf)));
    }
  }
  // The rows carrying this fiscal code in societati and in each of kTablesWithCompanyCf.
  static std::vector<int> RowsOf(const QString& cf) {
    std::vector<const char*> tables = {"asigurati.societati"};
    tables.insert(tables.end(), kTablesWithCompanyCf.begin(), kTablesWithCompanyCf.end());
    std::vector<int> rows;
    for (const char* table : tables) {
      rows.push_back(Value(QStringLiteral("SELECT COUNT(*) AS v FROM %1 WHERE cf=%2")
                               .arg(QLatin1String(table), Q(cf)))
                         .toInt());
    }
    return rows;
  }
  // Column V of the first row of a query.
  static QString Value(const QString& sql) {
    EXPECT_EQ(client().Execute(sql, 1), 0) << sql.toStdString();
    return client().GetField(0, QStringLiteral("V"));
  }
  static QString Companies() {
    return Value(QStringLiteral("SELECT COUNT(*) AS v FROM asigurati.societati"));
  }
};
