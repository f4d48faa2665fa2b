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

// Fiscal codes and personal codes that pass their checks.
inline const QString kCui = QStringLiteral("12345674");
inline const QString kOtherCui = QStringLiteral("13548146");
inline const QString kThirdCui = QStringLiteral("98765438");
inline const QString kCnp = QStringLiteral("1800101221144");
inline const QString kOtherCnp = QStringLiteral("2800404221145");

// The register on the program's one test server: created once, emptied before each test.
class HealthTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static bool created = false;
    if (!created) {
      TestServer::Instance();
      UpgradeSchema(client());
      created = true;
    }
  }
  void SetUp() override {
    for (const char* table :
         {"asigurati.societati", "asigurati.zlog_societati", "asigurati.asigurati",
          "asigurati.coasigurati", "asigurati.sume", "asigurati.sume_societati",
          "concedii.declaratii", "concedii.concedii"}) {
      server().Run(QStringLiteral("TRUNCATE TABLE ") + QLatin1String(table));
    }
    prompter().Clear();
  }
  void TearDown() override { SetModalDriver(nullptr); }

  static TestServer& server() { return TestServer::Instance(); }
  static CClient& client() { return server().Client(); }
  static ScriptedPrompter& prompter() { return server().Prompter(); }

  // A company as the form would store it; returns its INDEX.
  static int AddCompany(const QString& cf, const QString& name, const QString& county = "MB",
                        int sector = 1) {
    server().Run(QStringLiteral("INSERT INTO asigurati.societati (cf, denumire, ziua_lic, jud, "
                                "sect) VALUES (") +
                 client().Text(cf) + u',' + client().Text(name) + QStringLiteral(", 10, ") +
                 client().Text(county) + u',' + QString::number(sector) + u')');
    return Value(QStringLiteral("SELECT MAX(`index`) AS v FROM asigurati.societati")).toInt();
  }
  // An employment record; `exit` 0 is an active one.
  static void AddInsured(const QString& cf, const QString& cnp, const QString& house = "CASAB",
                         int exit = 0) {
    server().Run(
        QStringLiteral("INSERT INTO asigurati.asigurati (cf, cnp, cas, intrare, iesire) VALUES (") +
        client().Text(cf) + u',' + client().Text(cnp) + u',' + client().Text(house) +
        QStringLiteral(", 20090101, ") + QString::number(exit) + u')');
  }
  static void AddDependant(const QString& cf, const QString& cnp, const QString& insuredCnp) {
    server().Run(QStringLiteral("INSERT INTO asigurati.coasigurati (cf, cnp, cnp_asig) VALUES (") +
                 client().Text(cf) + u',' + client().Text(cnp) + u',' + client().Text(insuredCnp) +
                 u')');
  }
  // One row in each of the other five tables that carry a company's fiscal code.
  static void AddRegisterRows(const QString& cf) {
    const QString code = client().Text(cf);
    AddInsured(cf, kCnp);
    AddDependant(cf, kOtherCnp, kCnp);
    server().Run(QStringLiteral("INSERT INTO asigurati.sume (cf, cnp, luna) VALUES (") + code +
                 QStringLiteral(", '1800101221144', 200906)"));
    server().Run(QStringLiteral("INSERT INTO asigurati.sume_societati (cf, luna) VALUES (") + code +
                 QStringLiteral(", 200906)"));
    server().Run(QStringLiteral("INSERT INTO concedii.declaratii (cf, luna) VALUES (") + code +
                 QStringLiteral(", 200906)"));
    server().Run(QStringLiteral("INSERT INTO concedii.concedii (cf, cnp) VALUES (") + code +
                 QStringLiteral(", '1800101221144')"));
  }
  // The rows of each table of both databases that carry this fiscal code, in the order
  // societati, asigurati, coasigurati, sume, sume_societati, declaratii, concedii.
  static std::vector<int> RowsOf(const QString& cf) {
    std::vector<int> rows;
    for (const char* table :
         {"asigurati.societati", "asigurati.asigurati", "asigurati.coasigurati", "asigurati.sume",
          "asigurati.sume_societati", "concedii.declaratii", "concedii.concedii"}) {
      rows.push_back(Value(QStringLiteral("SELECT COUNT(*) AS v FROM ") + QLatin1String(table) +
                           QStringLiteral(" WHERE cf=") + client().Text(cf))
                         .toInt());
    }
    return rows;
  }
  // The column V of the first row of a query.
  static QString Value(const QString& sql) {
    EXPECT_EQ(client().Execute(sql, 1), 0) << sql.toStdString();
    return client().GetField(0, QStringLiteral("V"));
  }
};

// Typing as a user does, one key at a time, letters outside Latin-1 included.
inline void TypeInto(QWidget& field, const QString& text) {
  field.setFocus();
  for (const QChar c : text) {
    const Qt::Key key = c.isLetterOrNumber() && c.unicode() < 128
                            ? static_cast<Qt::Key>(c.toUpper().unicode())
                            : Qt::Key_unknown;
    QTest::sendKeyEvent(QTest::Click, &field, key, QString(c), Qt::NoModifier);
  }
}

// Replaces the text of the form's field with this object name by typing.
inline void Retype(QWidget& form, const char* name, const QString& text) {
  auto* edit = form.findChild<QLineEdit*>(QLatin1String(name));
  ASSERT_NE(edit, nullptr) << name;
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  TypeInto(*edit, text);
}

inline QString FieldText(QWidget& form, const char* name) {
  auto* edit = form.findChild<QLineEdit*>(QLatin1String(name));
  return edit != nullptr ? edit->text() : QStringLiteral("<no field>");
}

inline void ChooseCounty(QWidget& form, int position) {
  auto* county = form.findChild<QComboBox*>(QStringLiteral("jud"));
  ASSERT_NE(county, nullptr);
  county->setFocus();
  // As the user does: the drop-down moves to the county one key press at a time.
  while (county->currentIndex() < position) QTest::keyClick(county, Qt::Key_Down);
  while (county->currentIndex() > position) QTest::keyClick(county, Qt::Key_Up);
}
