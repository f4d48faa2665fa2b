#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "store/schema.h"
#include "support/test_server.h"
#include "ui/modal.h"

// Failures show the texts, not their bytes.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

// Codes that pass their checks.
inline const QString kCui = QStringLiteral("12345674");
inline const QString kOtherCui = QStringLiteral("13548146");
inline const QString kThirdCui = QStringLiteral("98765438");
inline const QString kCnp = QStringLiteral("1800101221144");
inline const QString kOtherCnp = QStringLiteral("2800404221145");

// The register on the program's one test server: created once, emptied before each test.
class HealthTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static const bool created = (UpgradeSchema(client()), true);
    (void)created;
  }
  void SetUp() override {
    for (const char* table : {"societati", "zlog_societati", "asigurati", "coasigurati", "sume",
                              "sume_societati", "concedii.declaratii", "concedii.concedii"}) {
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
  static QString Q(const QString& value) { return client().Text(value); }

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
  // One row in each of the six tables besides societati that carry a company's fiscal code.
  static void AddRegisterRows(const QString& cf) {
    AddInsured(cf, kCnp);
    AddDependant(cf, kOtherCnp, kCnp);
    for (const char* table : {"asigurati.sume", "asigurati.sume_societati", "concedii.declaratii",
                              "concedii.concedii"}) {
      Run(QStringLiteral("INSERT INTO %1 (cf) VALUES (%2)").arg(QLatin1String(table), Q(cf)));
    }
  }
  // The rows carrying this fiscal code in societati, asigurati, coasigurati, sume,
  // sume_societati, declaratii and concedii.
  static std::vector<int> RowsOf(const QString& cf) {
    std::vector<int> rows;
    for (const char* table :
         {"asigurati.societati", "asigurati.asigurati", "asigurati.coasigurati", "asigurati.sume",
          "asigurati.sume_societati", "concedii.declaratii", "concedii.concedii"}) {
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

// Replaces the text of the form's field with this object name, typed one key at a time as a
// user does (letters outside Latin-1 included).
inline void Retype(QWidget& form, const char* name, const QString& text) {
  auto* edit = form.findChild<QLineEdit*>(QLatin1String(name));
  ASSERT_NE(edit, nullptr) << name;
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  for (const QChar c : text) {
    const bool plain = c.isLetterOrNumber() && c.unicode() < 128;
    const auto key = plain ? static_cast<Qt::Key>(c.toUpper().unicode()) : Qt::Key_unknown;
    QTest::sendKeyEvent(QTest::Click, edit, key, QString(c), Qt::NoModifier);
  }
}

inline QString FieldText(QWidget& form, const char* name) {
  auto* edit = form.findChild<QLineEdit*>(QLatin1String(name));
  return edit != nullptr ? edit->text() : QStringLiteral("<no field>");
}

// Moves the "Judet:" drop-down to a county with the arrow keys.
inline void ChooseCounty(QWidget& form, int position) {
  auto* county = form.findChild<QComboBox*>(QStringLiteral("jud"));
  ASSERT_NE(county, nullptr);
  while (county->currentIndex() < position) QTest::keyClick(county, Qt::Key_Down);
  while (county->currentIndex() > position) QTest::keyClick(county, Qt::Key_Up);
}
