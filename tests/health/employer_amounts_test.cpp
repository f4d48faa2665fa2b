#include <QLineEdit>

#include "screens/health/c_employee_amounts_dialog.h"
#include "screens/health/c_employer_amounts_dialog.h"
#include "ui/c_list_view_ex.h"

#include "amounts_fixture.h"

namespace {

constexpr int kJune = 200906;

class EmployerAmountsTest : public AmountsTest {
 protected:
  std::unique_ptr<CEmployerAmountsDialog> Open() {
    auto step = std::make_unique<CEmployerAmountsDialog>(nullptr, client(), prompter(), kJune);
    step->show();
    return step;
  }
  static QStringList Row(CEmployerAmountsDialog& step, int row) {
    QStringList cells;
    for (const char* column : {"DENUMIRE", "FOND DE SALARII", "DATORAT", "VIRAT", "ID_SUMA"}) {
      cells.append(step.Companies().GetCellText(row, QLatin1String(column)));
    }
    return cells;
  }
  static QString Stored() {
    return Value(
        "SELECT GROUP_CONCAT(CONCAT_WS('/', `index`, cf, luna, fond_de_salarii, datorat, "
        "virat) ORDER BY `index`) AS v FROM asigurati.sume_societati");
  }
};

TEST_F(EmployerAmountsTest, FirstSaveInsertsAndEverySaveAfterUpdatesThatRow) {
  AddCompany(kCui, "ALFA SRL");
  AddCompany(kOtherCui, "BETA SRL");
  Run(QStringLiteral("INSERT INTO asigurati.sume_societati (cf, luna, fond_de_salarii, datorat, "
                     "virat) VALUES (%1, 200906, 5000, 260, 200), (%1, 200905, 1, 1, 1)")
          .arg(Q(kOtherCui)));
  auto step = Open();
  EXPECT_EQ(Row(*step, 0), QStringList({"ALFA SRL", "", "", "", ""}));
  EXPECT_EQ(Row(*step, 1), QStringList({"BETA SRL", "5000", "260", "200", "1"}));

  QTest::keyClick(step.get(), Qt::Key_F4);
  EXPECT_EQ(prompter().LastText(),
            QStringLiteral("Trebuie sa selectezi o societate pentru a-i modifica sumele!"));
  step->Companies().SelectRow(0);
  Then([&](QDialog& form) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Sume datorate de catre angajator"));
    Retype(form, "fond_de_salarii", "1000");
    EXPECT_EQ(FieldText(form, "datorat"), QStringLiteral("52"));
    EXPECT_EQ(FieldText(form, "virat"), QStringLiteral("52"));
    Retype(form, "fond_de_salarii", "1000x");
    Press(form, Qt::Key_F4);
    EXPECT_EQ(prompter().LastText(), QStringLiteral("Fondul de salarii introdus este incorect!"));
    EXPECT_TRUE(form.isVisible());
    Retype(form, "fond_de_salarii", "1000,5");
    Retype(form, "virat", "40");
    Press(form, Qt::Key_Return);
  });
  QTest::keyClick(step.get(), Qt::Key_F4);
  const QString inserted = Value("SELECT MAX(`index`) AS v FROM asigurati.sume_societati");
  EXPECT_EQ(Row(*step, 0), QStringList({"ALFA SRL", "1000.5", "52", "40", inserted}));

  // Reopened, the form keeps what was typed over; saved again, the same row changes.
  Then([&](QDialog& form) {
    EXPECT_EQ(FieldText(form, "virat"), QStringLiteral("40"));
    Retype(form, "datorat", "");
    Press(form, Qt::Key_F4);
  });
  DoubleClickRow(step->Companies(), 0);
  EXPECT_EQ(Stored(), QStringLiteral("1/%1/200906/5000/260/200,2/%1/200905/1/1/1,%2/%3/200906/"
                                     "1000.5/0/40")
                          .arg(kOtherCui, inserted, kCui));
  EXPECT_EQ(Value("SELECT GROUP_CONCAT(CONCAT_WS('/', `index`, datorat, znew_op)) AS v FROM "
                  "asigurati.zlog_sume_societati"),
            inserted + QStringLiteral("/52/M"));
  EXPECT_TRUE(ScriptDone());
}

// The step says which month it edits, and the fund of a company that has none yet offers the
// fund of salaries the step before adds up for the same month (employees present only).
TEST_F(EmployerAmountsTest, ShowsItsMonthAndOffersTheFundOfTheEmployeesStep) {
  AddCompany(kCui, "ALFA SRL");
  AddAmounts(AddEmployee(kCui, "POP", kCnp, 20090101), kCui, kJune, 1234.5, 64);
  AddAmounts(AddEmployee(kCui, "RUS", kOtherCnp, 20090610), kCui, kJune, 800.25, 42);
  AddAmounts(AddEmployee(kCui, "VECHI", kCnp, 20080101, 20090531), kCui, kJune, 999, 52);
  CEmployeeAmountsDialog employees(nullptr, client(), prompter(), kJune);
  employees.Companies().SelectRow(0);
  const QString employeesFund = Label(employees, "fund");
  ASSERT_EQ(employeesFund, QStringLiteral("2034.75"));

  auto step = Open();
  EXPECT_EQ(Label(*step, "month"), QStringLiteral("Luna curenta: 6 2009"));
  step->Companies().SelectRow(0);
  Then([&](QDialog& form) {
    EXPECT_EQ(Label(form, "luna"), QStringLiteral("6 2009"));
    auto* fund = form.findChild<QLineEdit*>(QStringLiteral("fond_de_salarii"));
    ASSERT_NE(fund, nullptr);
    EXPECT_EQ(fund->text(), QString());
    EXPECT_EQ(fund->placeholderText(), employeesFund);
  });
  QTest::keyClick(step.get(), Qt::Key_F4);
  EXPECT_TRUE(ScriptDone());
}

}  // namespace
