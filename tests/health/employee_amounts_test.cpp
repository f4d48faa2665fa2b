#include <QComboBox>
#include <QLineEdit>

#include "screens/health/c_employee_amounts_dialog.h"
#include "ui/c_list_view_ex.h"

#include "amounts_fixture.h"

namespace {

constexpr int kJune = 200906;
const QString kCopyQuestion = QStringLiteral(
    "ATENTIE:\nLa toti salariatii care nu au inca sume introduse, se vor completa automat sumele "
    "din ultima luna anterioara.\nCotele de contributie vor fi actualizate automat.\n\nVrei sa "
    "continui?");

class EmployeeAmountsTest : public AmountsTest {
 protected:
  std::unique_ptr<CEmployeeAmountsDialog> Open(int month = kJune) {
    auto step = std::make_unique<CEmployeeAmountsDialog>(nullptr, client(), prompter(), month);
    step->show();
    return step;
  }
  static void SelectCompany(CEmployeeAmountsDialog& step, int row) {
    step.Companies().SelectRow(row);
  }
  static QStringList Column(CEmployeeAmountsDialog& step, const char* column) {
    QStringList cells;
    for (int row = 0; row < step.Employees().RowCount(); ++row) {
      cells.append(step.Employees().GetCellText(row, QLatin1String(column)));
    }
    return cells;
  }
  static QStringList Totals(QWidget& step) {
    return {Label(step, "fund"), Label(step, "employerOwed"), Label(step, "employeesOwed"),
            Label(step, "employeesPaid")};
  }
  // The F6 form of the employee on `row`: types the salary (and owed, when given), saves.
  void ModifyRow(CEmployeeAmountsDialog& step, int row, const QString& salary,
                 const QString& owed = {}) {
    step.Employees().SelectRow(row);
    Then([=](QDialog& form) {
      Retype(form, "salariu", salary);
      if (!owed.isEmpty()) Retype(form, "asig_datorat", owed);
      Press(form, Qt::Key_F6);
    });
    QTest::keyClick(&step, Qt::Key_F6);
  }
};

TEST_F(EmployeeAmountsTest, TheMonthsEdgesDecideWhoIsListedAndInWhichColour) {
  AddCompany(kCui, "ALFA SRL");
  AddCompany(kOtherCui, "BETA SRL");
  const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 127, 0);
  struct Case {
    const char* nume;
    int hired;
    int liquidated;
    std::optional<std::optional<QRgb>> listed;  // nothing: absent; then its colour
  };
  const Case cases[] = {
      {"A_ACTIVE", 20050101, 0, std::optional<QRgb>()},
      {"B_LIQUIDATED_15TH", 20050101, 20090615, red},
      {"C_LIQUIDATED_BEFORE", 20050101, 20090531, std::nullopt},
      {"D_HIRED_LAST_DAY", 20090630, 0, green},
      {"E_HIRED_AND_LIQUIDATED", 20090603, 20090620, green},
      {"F_HIRED_NEXT_MONTH", 20090701, 0, std::nullopt},
      {"G_LIQUIDATED_FIRST_DAY", 20050101, 20090601, red},
  };
  QStringList expected;
  for (const Case& c : cases) {
    AddEmployee(kCui, c.nume, kCnp, c.hired, c.liquidated);
    if (c.listed) expected.append(QLatin1String(c.nume));
  }
  AddEmployee(kOtherCui, "OTHER_COMPANY", kOtherCnp, 20050101);
  auto step = Open();
  EXPECT_EQ(Label(*step, "employeesCaption"), QStringLiteral("Angajati existenti:"));
  SelectCompany(*step, 0);
  ASSERT_EQ(Column(*step, "NUME"), expected);
  EXPECT_EQ(Label(*step, "employeesCaption"), QStringLiteral("Angajati existenti: 5"));
  int row = 0;
  for (const Case& c : cases) {
    if (!c.listed) continue;
    EXPECT_EQ(step->Employees().Model().RowColor(row++), *c.listed) << c.nume;
  }
  EXPECT_TRUE(prompter().Messages().empty()) << prompter().LastText().toStdString();
}

TEST_F(EmployeeAmountsTest, ModifyStoresTheSalaryWithAPointAndKeepsAmountsTypedOver) {
  AddCompany(kCui, "ALFA SRL");
  const int ion = AddEmployee(kCui, "ION", kCnp, 20050101);
  const int ana = AddEmployee(kCui, "ANA", kOtherCnp, 20050101, 0, "SCS", "CASHR");
  auto step = Open();
  EXPECT_EQ(Label(*step, "totalCaption1"), QStringLiteral("Datorat de catre angajator (5.2%):"));
  EXPECT_EQ(Label(*step, "totalCaption2"), QStringLiteral("Datorat de catre salariati (5.5%):"));
  EXPECT_EQ(Totals(*step), QStringList({"0.00", "0", "0", "0"}));
  SelectCompany(*step, 0);  // ANA, then ION

  // The form opens on the row; owed and paid follow the salary as it is typed.
  Then([&](QDialog& form) {
    EXPECT_EQ(FieldText(form, "forma"),
              QStringLiteral("SCS - salariat  cu domiciliu in strainatate"));
    EXPECT_EQ(form.findChild<QComboBox*>("cas")->currentText(), QStringLiteral("HG - Harghita"));
    EXPECT_EQ(FieldText(form, "asig_datorat"), QStringLiteral("0"));
    Retype(form, "salariu", "1000");
    EXPECT_EQ(FieldText(form, "asig_datorat"), QStringLiteral("55"));
    EXPECT_EQ(FieldText(form, "asig_virat"), QStringLiteral("55"));
    // Not a number: refused before any write, with what was typed kept.
    Retype(form, "salariu", "1.234,50");
    Press(form, Qt::Key_F6);
    EXPECT_EQ(prompter().LastText(), QStringLiteral("Salariul realizat introdus este incorect!"));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(FieldText(form, "salariu"), QStringLiteral("1.234,50"));
    EXPECT_TRUE(Amounts(ana, kJune).isEmpty());
    Retype(form, "salariu", "1234,50");
    EXPECT_EQ(FieldText(form, "asig_datorat"), QStringLiteral("68"));
    Press(form, Qt::Key_Return);
  });
  DoubleClickRow(step->Employees(), 0);
  EXPECT_EQ(Amounts(ana, kJune), QStringList({"1234.5/68/68"}));
  EXPECT_EQ(Column(*step, "SALARIU").first(), QStringLiteral("1234.5"));
  EXPECT_EQ(Column(*step, "LA_LUNA").first(), QStringLiteral("200906"));
  EXPECT_EQ(Totals(*step), QStringList({"1234.50", "64", "68", "68"}));

  // An owed amount typed over is stored, shown again on reopening, and a second save
  // updates the same row.
  ModifyRow(*step, 1, "1000", "70");
  EXPECT_EQ(Amounts(ion, kJune), QStringList({"1000/70/55"}));
  Then([&](QDialog& form) {
    EXPECT_EQ(FieldText(form, "salariu"), QStringLiteral("1000"));
    EXPECT_EQ(FieldText(form, "asig_datorat"), QStringLiteral("70"));
    Retype(form, "asig_virat", "");  // empty counts as 0
    Press(form, Qt::Key_F6);
  });
  QTest::keyClick(step.get(), Qt::Key_F6);
  EXPECT_EQ(Amounts(ion, kJune), QStringList({"1000/70/0"}));
  EXPECT_EQ(Totals(*step), QStringList({"2234.50", "116", "138", "68"}));
  // The correction of a month already recorded keeps the amounts it replaced.
  EXPECT_EQ(Value("SELECT GROUP_CONCAT(CONCAT(znew_op, '/', salariu, '/', asig_datorat, '/', "
                  "asig_virat) ORDER BY znew_index) AS v FROM asigurati.zlog_sume"),
            QStringLiteral("M/1000/70/55"));
  EXPECT_TRUE(ScriptDone());
}

TEST_F(EmployeeAmountsTest, RatesOfTheMonthNameTheTotals) {
  for (const auto& [month, employer, employees] :
       {std::tuple{200811, "5.5", "5.5"}, {200812, "5.2", "5.5"}, {200806, "5.5", "6.5"}}) {
    auto step = Open(month);
    EXPECT_EQ(Label(*step, "totalCaption1"),
              QStringLiteral("Datorat de catre angajator (%1%):").arg(employer));
    EXPECT_EQ(Label(*step, "totalCaption2"),
              QStringLiteral("Datorat de catre salariati (%1%):").arg(employees));
  }
}

TEST_F(EmployeeAmountsTest, CopyFillsOnlyRowsWithoutAmountsFromAnEarlierMonth) {
  AddCompany(kCui, "ALFA SRL");
  const int earlier = AddEmployee(kCui, "A_EARLIER", "1800101221144", 20050101);
  const int none = AddEmployee(kCui, "B_NONE", "1800101221145", 20050101);
  const int later = AddEmployee(kCui, "C_LATER_ONLY", "1800101221146", 20050101);
  const int done = AddEmployee(kCui, "D_DONE", "1800101221147", 20050101);
  AddAmounts(earlier, kCui, 200901, 900, 59);
  AddAmounts(earlier, kCui, 200903, 1000, 70);  // three months back, at another rate
  AddAmounts(later, kCui, 200908, 5000, 275);
  AddAmounts(done, kCui, kJune, 2000, 111);
  auto step = Open();
  SelectCompany(*step, 0);

  prompter().QueueAnswers({false});
  QTest::keyClick(step.get(), Qt::Key_F8);
  EXPECT_EQ(prompter().LastText(), kCopyQuestion);
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM asigurati.sume WHERE luna=200906"), "1");

  prompter().QueueAnswers({true});
  QTest::keyClick(step.get(), Qt::Key_F8);
  EXPECT_EQ(Amounts(earlier, kJune), QStringList({"1000/55/55"}));
  EXPECT_EQ(Amounts(none, kJune), QStringList({"0/0/0"}));
  EXPECT_EQ(Amounts(later, kJune), QStringList({"0/0/0"}));
  EXPECT_EQ(Amounts(done, kJune), QStringList({"2000/111/111"}));
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM asigurati.sume WHERE luna=200906"), "4");
  EXPECT_EQ(Column(*step, "SALARIU"), QStringList({"1000", "0", "0", "2000"}));
  EXPECT_EQ(Column(*step, "LA_LUNA"), QStringList(4, "200906"));
  EXPECT_EQ(Totals(*step), QStringList({"3000.00", "156", "166", "166"}));
}

TEST_F(EmployeeAmountsTest, CopyStopsAtTheFirstRefusedInsertAndTotalsFollowTheRowsDone) {
  AddCompany(kCui, "ALFA SRL");
  const int first = AddEmployee(kCui, "A", "1800101221144", 20050101);
  const int refused = AddEmployee(kCui, "B", "1800101221145", 20050101);
  const int after = AddEmployee(kCui, "C", "1800101221146", 20050101);
  for (int index : {first, refused, after}) AddAmounts(index, kCui, 200905, 1000, 55);
  Run("CREATE TRIGGER asigurati.refuse_one BEFORE INSERT ON asigurati.sume FOR EACH ROW "
      "IF NEW.cnp='1800101221145' THEN SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='refused'; "
      "END IF");
  auto step = Open();
  SelectCompany(*step, 0);
  prompter().QueueAnswers({true});
  QTest::keyClick(step.get(), Qt::Key_F8);
  Quietly("DROP TRIGGER asigurati.refuse_one");
  EXPECT_EQ(prompter().LastText(), QStringLiteral("EROARE Mysql:\n\nrefused"));
  EXPECT_EQ(Amounts(first, kJune), QStringList({"1000/55/55"}));
  EXPECT_TRUE(Amounts(refused, kJune).isEmpty());
  EXPECT_TRUE(Amounts(after, kJune).isEmpty());
  EXPECT_EQ(Column(*step, "LA_LUNA"), QStringList({"200906", "", ""}));
  EXPECT_EQ(Totals(*step), QStringList({"1000.00", "52", "55", "55"}));
}

TEST_F(EmployeeAmountsTest, WithoutACompanyOrEmployeeNothingIsWritten) {
  AddCompany(kCui, "ALFA SRL");
  AddCompany(kOtherCui, "BETA SRL");
  AddEmployee(kOtherCui, "ION", kCnp, 20050101);
  auto step = Open();
  QTest::keyClick(step.get(), Qt::Key_F8);
  QTest::keyClick(step.get(), Qt::Key_F6);
  EXPECT_EQ(prompter().Texts(),
            QStringList({"Trebuie sa selectezi o societate pentru a prelua sumele!",
                         "Trebuie sa selectezi un angajat pentru a-i modifica sumele!"}));
  EXPECT_EQ(Totals(*step), QStringList({"0.00", "0", "0", "0"}));

  // A company whose employees cannot be read shows none, and F8 does not write the rows
  // of the company shown before under it.
  SelectCompany(*step, 1);
  ASSERT_EQ(step->Employees().RowCount(), 1);
  Run("RENAME TABLE asigurati.sume TO asigurati.sume_away");
  SelectCompany(*step, 0);
  Quietly("RENAME TABLE asigurati.sume_away TO asigurati.sume");
  EXPECT_TRUE(prompter().LastText().startsWith("EROARE Mysql:"));
  EXPECT_EQ(step->Employees().RowCount(), 0);
  EXPECT_EQ(Label(*step, "employeesCaption"), QStringLiteral("Angajati existenti:"));
  QTest::keyClick(step.get(), Qt::Key_F8);
  EXPECT_EQ(prompter().LastText(),
            QStringLiteral("Trebuie sa selectezi o societate pentru a prelua sumele!"));
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM asigurati.sume"), "0");
  // Selected again, the company is read afresh.
  SelectCompany(*step, 1);
  SelectCompany(*step, 0);
  EXPECT_EQ(Label(*step, "employeesCaption"), QStringLiteral("Angajati existenti: 0"));
}

}  // namespace
