#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "screens/companies/c_company_dialog.h"
#include "support/register_fixture.h"

namespace {

const QString kDuplicate =
    QStringLiteral("CUI-ul/CNP-ul introdus exista deja inregistrat un baza de date!");

class CompanyDialogTest : public RegisterTest {
 protected:
  std::unique_ptr<CCompanyDialog> Open(CCompanyDialog::Mode mode, int index = 0) {
    auto form = std::make_unique<CCompanyDialog>(nullptr, client(), prompter(), mode, index);
    form->show();
    return form;
  }
  // The fields a company in Bucharest needs to pass the checks.
  static void FillValid(QWidget& form, const QString& cf) {
    Retype(form, "cf", cf);
    Retype(form, "denumire", QStringLiteral("Alfa SRL"));
    Retype(form, "ziua_lic", QStringLiteral("15"));
    Retype(form, "sect", QStringLiteral("2"));
  }
  static QString Column(int index, const QString& column) {
    return Value(QStringLiteral("SELECT `%1` AS v FROM asigurati.societati WHERE `index`=%2")
                     .arg(column)
                     .arg(index));
  }
};

TEST_F(CompanyDialogTest, AddModeStoresEveryFieldByItsCaseRule) {
  auto form = Open(CCompanyDialog::Mode::kAdd);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Adauga societate"));
  EXPECT_EQ(form->findChild<QPushButton*>(QStringLiteral("ok"))->text(),
            QStringLiteral("[F5]   Adauga"));
  EXPECT_EQ(form->findChild<QComboBox*>(QStringLiteral("jud"))->currentText(),
            QStringLiteral("BUCURESTI"));
  struct Field {
    const char* name;
    QString typed;
    QString stored;
  };
  const Field fields[] = {
      {"cf", kCui, kCui},
      {"denumire", "Alfa Construct SRL", "ALFA CONSTRUCT SRL"},
      {"reg_com", "j40/1234/2003", "J40/1234/2003"},
      {"repr", "Popescu Ion", "POPESCU ION"},
      {"ziua_lic", "05", "5"},
      {"str", "Lalelelor", "Lalelelor"},
      {"nr", "12A", "12A"},
      {"bl", "B4", "B4"},
      {"sc", "2", "2"},
      {"et", "3", "3"},
      {"ap", "17", "17"},
      {"loc", "Cluj-Napoca", "Cluj-Napoca"},
      {"sect", "4", "0"},  // outside Bucharest whatever the disabled field holds
      {"email", "Office@Alfa.RO", "office@alfa.ro"},
      {"tel", "0264 123 456", "0264 123 456"},
      {"b1", "Banca Transilvania", "Banca Transilvania"},
      {"f1", "Cluj", "Cluj"},
      {"c1", "RO49AAAA1B31007593840000", "RO49AAAA1B31007593840000"}};
  for (const Field& field : fields) Retype(*form, field.name, field.typed);
  auto* nextMonth = form->findChild<QRadioButton*>(QStringLiteral("luna_lic_1"));
  QTest::mouseClick(nextMonth, Qt::LeftButton, {}, QPoint(6, nextMonth->height() / 2));
  ChooseEntry(*form, "jud", 13);  // CLUJ
  Press(*form, Qt::Key_F5);

  EXPECT_EQ(form->result(), QDialog::Accepted);
  EXPECT_TRUE(prompter().Messages().empty()) << prompter().LastText().toStdString();
  EXPECT_EQ(form->Saved()->cf, kCui);
  EXPECT_EQ(form->Saved()->denumire, QStringLiteral("ALFA CONSTRUCT SRL"));
  for (const Field& field : fields) {
    EXPECT_EQ(Column(form->Saved()->index, QLatin1String(field.name)), field.stored) << field.name;
  }
  EXPECT_EQ(Column(form->Saved()->index, "luna_lic"), QStringLiteral("1"));
  EXPECT_EQ(Column(form->Saved()->index, "jud"), QStringLiteral("CJ"));
  EXPECT_EQ(Companies(), QStringLiteral("1"));
}

TEST_F(CompanyDialogTest, FieldsKeepToTheirLengthCaseAndDigits) {
  auto form = Open(CCompanyDialog::Mode::kAdd);
  const std::tuple<const char*, QString, QString> cases[] = {
      {"cf", "RO12a345674", "12345674"},
      {"cf", "12345678901234", "1234567890123"},
      {"denumire", "ştiinţa și arta", "ŞTIINŢA ȘI ARTA"},
      {"ziua_lic", "3x15", "31"},
      {"sect", "a12", "1"},
      {"email", "Ana.POP@Firma.RO", "ana.pop@firma.ro"},
      // Street number, building, entrance and floor: the 10 characters of their columns.
      {"nr", "12345678901", "1234567890"},
      {"bl", "ABCDEFGHIJK", "ABCDEFGHIJ"},
      {"sc", "sc-123456789", "sc-1234567"},
      {"et", "mansarda 123", "mansarda 1"},
      {"c1", "RO49AAAA1B31007593840000XX", "RO49AAAA1B31007593840000"},
  };
  for (const auto& [field, typed, shown] : cases) {
    Retype(*form, field, typed);
    EXPECT_EQ(FieldText(*form, field), shown) << field;
  }
  auto* sector = form->findChild<QLineEdit*>(QStringLiteral("sect"));
  ChooseEntry(*form, "jud", 10);
  EXPECT_FALSE(sector->isEnabled());
  ChooseEntry(*form, "jud", 9);
  EXPECT_TRUE(sector->isEnabled());
}

// Tab goes down the screen as it is drawn: the pay day's month under the pay day, the county
// and the sector at the end of the address, the buttons last, and round again.
TEST_F(CompanyDialogTest, TabFollowsTheScreenTopToBottom) {
  const QStringList screen = {"cf",  "denumire", "reg_com", "repr",   "ziua_lic", "luna_lic_0",
                              "str", "nr",       "bl",      "sc",     "et",       "ap",
                              "loc", "jud",      "sect",    "email",  "tel",      "b1",
                              "f1",  "c1",       "ok",      "cancel", "cf"};
  auto form = Open(CCompanyDialog::Mode::kAdd);
  QApplication::setActiveWindow(form.get());
  form->findChild<QWidget*>(QStringLiteral("cf"))->setFocus();
  QStringList visited = {QApplication::focusWidget()->objectName()};
  for (int step = 1; step < screen.size(); ++step) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.append(QApplication::focusWidget()->objectName());
  }
  EXPECT_EQ(visited.join(u' ').toStdString(), screen.join(u' ').toStdString());
}

TEST_F(CompanyDialogTest, RefusalsKeepTheFormOpenWithWhatWasTyped) {
  AddCompany(kOtherCui, QStringLiteral("BETA SRL"));
  const std::tuple<const char*, QString, QString> cases[] = {
      {"cf", "12345678", "CUI-ul introdus este incorect!"},
      {"ziua_lic", "",
       "Ziua lichidarii drepturilor salariale este incorecta!\n\nTrebuie sa fie "
       "intre 1 si 31."},
      {"sect", "7", "Sectorul introdus este incorect!"},
      {"cf", kOtherCui, kDuplicate},
      {"cf", "0013548146", kDuplicate},  // the same code with leading zeros
  };
  for (const auto& [field, typed, message] : cases) {
    auto form = Open(CCompanyDialog::Mode::kAdd);
    FillValid(*form, kCui);
    Retype(*form, field, typed);
    prompter().Clear();
    Press(*form, Qt::Key_F5);
    EXPECT_EQ(prompter().Texts(), QStringList{message}) << field;
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(FieldText(*form, field), typed);
  }
  // Enter and the other mode's key do not confirm; Esc leaves without storing.
  auto form = Open(CCompanyDialog::Mode::kAdd);
  FillValid(*form, kCui);
  prompter().Clear();
  for (const Qt::Key key : {Qt::Key_F6, Qt::Key_Return}) Press(*form, key);
  EXPECT_TRUE(form->isVisible());
  Press(*form, Qt::Key_Escape);
  EXPECT_EQ(form->result(), QDialog::Rejected);
  EXPECT_TRUE(prompter().Messages().empty());
  EXPECT_EQ(Companies(), QStringLiteral("1"));
}

TEST_F(CompanyDialogTest, ModifyModeLoadsTheCompanyAndPassesItsOwnFiscalCode) {
  const int index = AddCompany(kCui, QStringLiteral("ALFA SRL"), QStringLiteral("MB"), 4);
  Run(QStringLiteral("UPDATE asigurati.societati SET luna_lic=1, email='a@b.ro'"));
  const int other = AddCompany(kOtherCui, QStringLiteral("BETA SRL"), QStringLiteral("AB"), 3);
  auto form = Open(CCompanyDialog::Mode::kModify, index);
  ASSERT_TRUE(form->IsLoaded());
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Modifica societate"));
  EXPECT_EQ(form->findChild<QPushButton*>(QStringLiteral("ok"))->text(),
            QStringLiteral("[F6]   Modifica"));
  const QStringList shown = {FieldText(*form, "cf"), FieldText(*form, "denumire"),
                             FieldText(*form, "ziua_lic"), FieldText(*form, "sect"),
                             FieldText(*form, "email")};
  EXPECT_EQ(shown, QStringList({kCui, "ALFA SRL", "10", "4", "a@b.ro"}));
  EXPECT_TRUE(form->findChild<QRadioButton*>(QStringLiteral("luna_lic_1"))->isChecked());

  Retype(*form, "repr", QStringLiteral("Ionescu Maria"));
  Press(*form, Qt::Key_F5);  // the add key does not confirm a change
  EXPECT_TRUE(form->isVisible());
  Press(*form, Qt::Key_F6);
  EXPECT_EQ(form->result(), QDialog::Accepted);
  EXPECT_TRUE(prompter().Messages().empty()) << prompter().LastText().toStdString();
  EXPECT_EQ(Column(index, "REPR"), QStringLiteral("IONESCU MARIA"));
  // The version before the change went to the audit table.
  EXPECT_EQ(Value("SELECT CONCAT(`index`, '|', repr, '|', znew_op) AS v FROM "
                  "asigurati.zlog_societati"),
            QStringLiteral("%1||M").arg(index));

  // Outside Bucharest the sector is neither shown nor open.
  auto beta = Open(CCompanyDialog::Mode::kModify, other);
  EXPECT_EQ(beta->findChild<QComboBox*>(QStringLiteral("jud"))->currentText(), "ALBA");
  EXPECT_EQ(FieldText(*beta, "sect"), QString());
  EXPECT_FALSE(beta->findChild<QLineEdit*>(QStringLiteral("sect"))->isEnabled());
  // A company deleted meanwhile is not opened.
  Run(QStringLiteral("DELETE FROM asigurati.societati"));
  EXPECT_FALSE(CCompanyDialog(nullptr, client(), prompter(), CCompanyDialog::Mode::kModify, index)
                   .IsLoaded());
}

TEST_F(CompanyDialogTest, ChangedFiscalCodeMovesEveryRowOfTheCompanyAndNoOther) {
  // A code with quotes (from an import) must stay a value in the move's statements.
  const QString crafted = QStringLiteral("1' OR '1'='1");
  for (const QString& old : {kCui, crafted}) {
    SetUp();
    const int index = AddCompany(old, QStringLiteral("ALFA SRL"));
    AddRegisterRows(old);
    AddCompany(kThirdCui, QStringLiteral("GAMA SRL"));
    AddRegisterRows(kThirdCui);
    auto form = Open(CCompanyDialog::Mode::kModify, index);
    Retype(*form, "cf", kOtherCui);
    Press(*form, Qt::Key_F6);
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(form->Saved()->cf, kOtherCui);
    EXPECT_EQ(RowsOf(kOtherCui), std::vector<int>(7, 1)) << old.toStdString();
    EXPECT_EQ(RowsOf(old), std::vector<int>(7, 0)) << old.toStdString();
    EXPECT_EQ(RowsOf(kThirdCui), std::vector<int>(7, 1)) << old.toStdString();
  }
}

}  // namespace
