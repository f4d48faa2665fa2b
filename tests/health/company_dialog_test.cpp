#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include "health/c_company_dialog.h"
#include "health_fixture.h"

namespace {

class CompanyDialogTest : public HealthTest {
 protected:
  std::unique_ptr<CCompanyDialog> Open(CCompanyDialog::Mode mode, int index = 0) {
    auto form = std::make_unique<CCompanyDialog>(nullptr, client(), prompter(), mode, index);
    form->show();
    return form;
  }
  // The fields a company needs to pass the checks, typed in; Bucharest, sector 2.
  static void FillValid(CCompanyDialog& form, const QString& cf) {
    Retype(form, "cf", cf);
    Retype(form, "denumire", QStringLiteral("Alfa Construct SRL"));
    Retype(form, "ziua_lic", QStringLiteral("15"));
    Retype(form, "sect", QStringLiteral("2"));
  }
  // Confirms with the form's key, pressed where the user is typing.
  static void PressKey(CCompanyDialog& form, Qt::Key key) {
    QWidget* focus = form.focusWidget();
    QTest::keyClick(focus != nullptr ? focus : &form, key);
  }
  static QString Column(int index, const char* column) {
    return Value(QStringLiteral("SELECT `") + QLatin1String(column) +
                 QStringLiteral("` AS v FROM asigurati.societati WHERE `index`=") +
                 QString::number(index));
  }
};

TEST_F(CompanyDialogTest, AddModeStoresEveryFieldAsTyped) {
  auto form = Open(CCompanyDialog::Mode::kAdd);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Adauga societate"));
  EXPECT_EQ(form->findChild<QPushButton*>(QStringLiteral("ok"))->text(),
            QStringLiteral("[F5]   Adauga"));
  EXPECT_EQ(form->findChild<QPushButton*>(QStringLiteral("cancel"))->text(),
            QStringLiteral("[ESC]   Renunta"));
  auto* county = form->findChild<QComboBox*>(QStringLiteral("jud"));
  EXPECT_EQ(county->count(), 42);
  EXPECT_EQ(county->currentText(), QStringLiteral("BUCURESTI"));
  EXPECT_TRUE(form->findChild<QRadioButton*>(QStringLiteral("luna_lic_0"))->isChecked());

  const std::pair<const char*, QString> typed[] = {
      {"cf", kCui},
      {"denumire", QStringLiteral("Alfa Construct SRL")},
      {"reg_com", QStringLiteral("j40/1234/2003")},
      {"repr", QStringLiteral("Popescu Ion")},
      {"ziua_lic", QStringLiteral("05")},
      {"str", QStringLiteral("Lalelelor")},
      {"nr", QStringLiteral("12A")},
      {"bl", QStringLiteral("B4")},
      {"sc", QStringLiteral("2")},
      {"et", QStringLiteral("3")},
      {"ap", QStringLiteral("17")},
      {"loc", QStringLiteral("Cluj-Napoca")},
      {"email", QStringLiteral("Office@Alfa.RO")},
      {"tel", QStringLiteral("0264 123 456")},
      {"b1", QStringLiteral("Banca Transilvania")},
      {"f1", QStringLiteral("Cluj")},
      {"c1", QStringLiteral("RO49AAAA1B31007593840000")}};
  for (const auto& [field, text] : typed) Retype(*form, field, text);
  Retype(*form, "sect", QStringLiteral("4"));  // ignored: the county chosen next has no sectors
  QTest::mouseClick(form->findChild<QRadioButton*>(QStringLiteral("luna_lic_1")), Qt::LeftButton);
  ChooseCounty(*form, 13);  // CLUJ
  PressKey(*form, Qt::Key_F5);

  EXPECT_EQ(form->result(), QDialog::Accepted);
  EXPECT_TRUE(prompter().Messages().empty()) << prompter().LastText().toStdString();
  ASSERT_GT(form->Index(), 0);
  EXPECT_EQ(form->Cf(), kCui);
  EXPECT_EQ(form->Denumire(), QStringLiteral("ALFA CONSTRUCT SRL"));
  const std::pair<const char*, QString> stored[] = {
      {"CF", kCui},
      {"DENUMIRE", QStringLiteral("ALFA CONSTRUCT SRL")},
      {"REG_COM", QStringLiteral("J40/1234/2003")},
      {"REPR", QStringLiteral("POPESCU ION")},
      {"ZIUA_LIC", QStringLiteral("5")},
      {"LUNA_LIC", QStringLiteral("1")},
      {"STR", QStringLiteral("Lalelelor")},
      {"NR", QStringLiteral("12A")},
      {"BL", QStringLiteral("B4")},
      {"SC", QStringLiteral("2")},
      {"ET", QStringLiteral("3")},
      {"AP", QStringLiteral("17")},
      {"LOC", QStringLiteral("Cluj-Napoca")},
      {"JUD", QStringLiteral("CJ")},
      {"SECT", QStringLiteral("0")},
      {"EMAIL", QStringLiteral("office@alfa.ro")},
      {"TEL", QStringLiteral("0264 123 456")},
      {"B1", QStringLiteral("Banca Transilvania")},
      {"F1", QStringLiteral("Cluj")},
      {"C1", QStringLiteral("RO49AAAA1B31007593840000")},
      {"ZZ_CONT", QString()}};
  for (const auto& [column, value] : stored) {
    EXPECT_EQ(Column(form->Index(), column), value) << column;
  }
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM asigurati.societati"), QStringLiteral("1"));
}

TEST_F(CompanyDialogTest, FieldsKeepToTheirLengthCaseAndDigits) {
  auto form = Open(CCompanyDialog::Mode::kAdd);
  struct Case {
    const char* field;
    QString typed;
    QString shown;
  };
  const Case cases[] = {
      {"cf", QStringLiteral("RO12a345674"), QStringLiteral("12345674")},
      {"cf", QStringLiteral("12345678901234"), QStringLiteral("1234567890123")},
      {"denumire", QStringLiteral("ştiinţa și arta"), QStringLiteral("ŞTIINŢA ȘI ARTA")},
      {"ziua_lic", QStringLiteral("3x15"), QStringLiteral("31")},
      {"sect", QStringLiteral("a12"), QStringLiteral("1")},
      {"email", QStringLiteral("Ana.POP@Firma.RO"), QStringLiteral("ana.pop@firma.ro")},
      {"nr", QStringLiteral("12345678901"), QStringLiteral("1234567890")},
      {"bl", QStringLiteral("ABCDEFGHIJK"), QStringLiteral("ABCDEFGHIJ")},
      {"sc", QStringLiteral("sc-123456789"), QStringLiteral("sc-1234567")},
      {"et", QStringLiteral("mansarda 123"), QStringLiteral("mansarda 1")},
      {"ap", QStringLiteral("123456789012"), QStringLiteral("1234567890")},
      {"c1", QStringLiteral("RO49AAAA1B31007593840000XX"),
       QStringLiteral("RO49AAAA1B31007593840000")},
      {"tel", QStringLiteral("Interior 12"), QStringLiteral("Interior 12")},
  };
  for (const Case& c : cases) {
    Retype(*form, c.field, c.typed);
    EXPECT_EQ(FieldText(*form, c.field), c.shown) << c.field << " " << c.typed.toStdString();
  }
}

TEST_F(CompanyDialogTest, SectorIsOpenOnlyForBucharest) {
  auto form = Open(CCompanyDialog::Mode::kAdd);
  auto* sector = form->findChild<QLineEdit*>(QStringLiteral("sect"));
  EXPECT_TRUE(sector->isEnabled());
  ChooseCounty(*form, 10);
  EXPECT_FALSE(sector->isEnabled());
  ChooseCounty(*form, 9);
  EXPECT_TRUE(sector->isEnabled());
}

TEST_F(CompanyDialogTest, RefusalsKeepTheFormOpenAndStoreNothing) {
  AddCompany(kOtherCui, QStringLiteral("BETA SRL"));
  struct Case {
    const char* field;
    QString typed;
    QString message;
  };
  const Case cases[] = {
      {"cf", QStringLiteral("12345678"), QStringLiteral("CUI-ul introdus este incorect!")},
      {"cf", QStringLiteral("1800101221143"), QStringLiteral("CNP-ul introdus este incorect!")},
      {"ziua_lic", QStringLiteral("32"),
       QStringLiteral("Ziua lichidarii drepturilor salariale este incorecta!\n\nTrebuie sa fie "
                      "intre 1 si 31.")},
      {"ziua_lic", QString(),
       QStringLiteral("Ziua lichidarii drepturilor salariale este incorecta!\n\nTrebuie sa fie "
                      "intre 1 si 31.")},
      {"c1", QStringLiteral("RO49AAAA1B31007593840001"),
       QStringLiteral("Contul bancar introdus este incorect!")},
      {"sect", QStringLiteral("7"), QStringLiteral("Sectorul introdus este incorect!")},
      {"cf", kOtherCui,
       QStringLiteral("CUI-ul/CNP-ul introdus exista deja inregistrat un baza de date!")},
      // The same fiscal code written with leading zeros is no other company.
      {"cf", QStringLiteral("0013548146"),
       QStringLiteral("CUI-ul/CNP-ul introdus exista deja inregistrat un baza de date!")},
  };
  for (const Case& c : cases) {
    auto form = Open(CCompanyDialog::Mode::kAdd);
    FillValid(*form, kCui);
    Retype(*form, c.field, c.typed);
    prompter().Clear();
    PressKey(*form, Qt::Key_F5);
    EXPECT_EQ(prompter().Texts(), QStringList{c.message}) << c.field << c.typed.toStdString();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(FieldText(*form, c.field), c.typed);  // the typed value stays to be corrected
  }
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM asigurati.societati"), QStringLiteral("1"));
}

TEST_F(CompanyDialogTest, EscapeAndTheOtherModesKeyStoreNothing) {
  auto form = Open(CCompanyDialog::Mode::kAdd);
  FillValid(*form, kCui);
  PressKey(*form, Qt::Key_F6);  // the modify key does not confirm an addition
  PressKey(*form, Qt::Key_Return);
  EXPECT_TRUE(form->isVisible());
  PressKey(*form, Qt::Key_Escape);
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(form->result(), QDialog::Rejected);
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM asigurati.societati"), QStringLiteral("0"));
  EXPECT_TRUE(prompter().Messages().empty());
}

TEST_F(CompanyDialogTest, ModifyModeLoadsTheCompanyAndKeepsItsOwnFiscalCode) {
  const int index = AddCompany(kCui, QStringLiteral("ALFA SRL"), QStringLiteral("MB"), 4);
  server().Run(QStringLiteral("UPDATE asigurati.societati SET luna_lic=1, email='a@b.ro', "
                              "nr='7' WHERE `index`=") +
               QString::number(index));
  AddCompany(kOtherCui, QStringLiteral("BETA SRL"), QStringLiteral("AB"), 0);
  auto form = Open(CCompanyDialog::Mode::kModify, index);
  ASSERT_TRUE(form->IsLoaded());
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Modifica societate"));
  EXPECT_EQ(form->findChild<QPushButton*>(QStringLiteral("ok"))->text(),
            QStringLiteral("[F6]   Modifica"));
  EXPECT_EQ(FieldText(*form, "cf"), kCui);
  EXPECT_EQ(FieldText(*form, "denumire"), QStringLiteral("ALFA SRL"));
  EXPECT_EQ(FieldText(*form, "ziua_lic"), QStringLiteral("10"));
  EXPECT_EQ(FieldText(*form, "sect"), QStringLiteral("4"));
  EXPECT_EQ(FieldText(*form, "nr"), QStringLiteral("7"));
  EXPECT_EQ(FieldText(*form, "email"), QStringLiteral("a@b.ro"));
  EXPECT_TRUE(form->findChild<QRadioButton*>(QStringLiteral("luna_lic_1"))->isChecked());

  Retype(*form, "repr", QStringLiteral("Ionescu Maria"));
  PressKey(*form, Qt::Key_F5);  // the add key does not confirm a change
  EXPECT_TRUE(form->isVisible());
  PressKey(*form, Qt::Key_F6);
  EXPECT_EQ(form->result(), QDialog::Accepted);
  EXPECT_TRUE(prompter().Messages().empty()) << prompter().LastText().toStdString();
  EXPECT_EQ(form->Index(), index);
  EXPECT_EQ(Column(index, "REPR"), QStringLiteral("IONESCU MARIA"));
  EXPECT_EQ(Column(index, "SECT"), QStringLiteral("4"));
  // The version before the change went to the audit table.
  EXPECT_EQ(Value(QStringLiteral("SELECT CONCAT(`index`, '|', repr, '|', znew_op) AS v FROM "
                                 "asigurati.zlog_societati")),
            QString::number(index) + QStringLiteral("||M"));
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM asigurati.societati"), QStringLiteral("2"));
}

TEST_F(CompanyDialogTest, ModifyOutsideBucharestLeavesTheSectorEmptyAndDisabled) {
  const int index = AddCompany(kCui, QStringLiteral("ALFA SRL"), QStringLiteral("AB"), 3);
  auto form = Open(CCompanyDialog::Mode::kModify, index);
  EXPECT_EQ(form->findChild<QComboBox*>(QStringLiteral("jud"))->currentText(),
            QStringLiteral("ALBA"));
  EXPECT_EQ(FieldText(*form, "sect"), QString());
  EXPECT_FALSE(form->findChild<QLineEdit*>(QStringLiteral("sect"))->isEnabled());
}

TEST_F(CompanyDialogTest, ChangedFiscalCodeMovesEveryRowOfTheCompany) {
  const int index = AddCompany(kCui, QStringLiteral("ALFA SRL"));
  AddRegisterRows(kCui);
  AddCompany(kThirdCui, QStringLiteral("GAMA SRL"));
  AddRegisterRows(kThirdCui);
  auto form = Open(CCompanyDialog::Mode::kModify, index);
  Retype(*form, "cf", kOtherCui);
  PressKey(*form, Qt::Key_F6);
  EXPECT_EQ(form->result(), QDialog::Accepted);
  EXPECT_EQ(form->Cf(), kOtherCui);
  EXPECT_EQ(RowsOf(kOtherCui), std::vector<int>({1, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(RowsOf(kCui), std::vector<int>({0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(RowsOf(kThirdCui), std::vector<int>({1, 1, 1, 1, 1, 1, 1}));
}

TEST_F(CompanyDialogTest, AFiscalCodeWithAQuoteCannotReachTheStatements) {
  // Only digits can be typed; a code that arrives some other way (an import) stays a value.
  const QString crafted = QStringLiteral("1' OR '1'='1");
  const int index = AddCompany(crafted, QStringLiteral("ALFA SRL"));
  AddRegisterRows(crafted);
  AddCompany(kThirdCui, QStringLiteral("GAMA SRL"));
  AddRegisterRows(kThirdCui);
  auto form = Open(CCompanyDialog::Mode::kModify, index);
  Retype(*form, "cf", kOtherCui);
  PressKey(*form, Qt::Key_F6);
  EXPECT_EQ(form->result(), QDialog::Accepted);
  EXPECT_EQ(RowsOf(kOtherCui), std::vector<int>({1, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(RowsOf(kThirdCui), std::vector<int>({1, 1, 1, 1, 1, 1, 1}));
}

TEST_F(CompanyDialogTest, ACompanyNoLongerThereIsNotOpened) {
  const int index = AddCompany(kCui, QStringLiteral("ALFA SRL"));
  server().Run(QStringLiteral("DELETE FROM asigurati.societati"));
  CCompanyDialog form(nullptr, client(), prompter(), CCompanyDialog::Mode::kModify, index);
  EXPECT_FALSE(form.IsLoaded());
}

}  // namespace
