#include <QComboBox>
#include <QLabel>

#include "insured_fixture.h"
#include "screens/health/c_coinsured_dialog.h"
#include "screens/health/c_health_dialog.h"
#include "ui/c_edit_ex.h"
#include "ui/c_list_view_ex.h"

namespace {

const QString kInsured = QStringLiteral("1800101221152");
const QString kDependant = QStringLiteral("2800101221170");
const QString kNotHere =
    QStringLiteral("Trebuie sa introduci un asigurat care exista in societatea curenta!");
const QString kBadCnp = QStringLiteral("CNP-ul coasiguratului este incorect!");
const QString kNames = QStringLiteral("Trebuie sa introduci numele si prenumele coasiguratului!");

class CoinsuredDialogTest : public InsuredTest {
 protected:
  static int AddPerson(const QString& cf, const QString& cnp, const QString& nume,
                       const QString& prenume, int iesire = 0) {
    const int index = AddRecord(cf, cnp, 20090101, iesire, "CASAB", "SCS");
    Run(QStringLiteral("UPDATE asigurati.asigurati SET nume=%1, prenume=%2 WHERE `index`=%3")
            .arg(Q(nume), Q(prenume))
            .arg(index));
    return index;
  }
  static InsuredRecord Person(const QString& cnp, const QString& nume = "POP") {
    InsuredRecord record;
    record.cf = kCui;
    record.cnp = cnp;
    record.nume = nume;
    record.prenume = "ION";
    record.intrare = "20090101";
    record.forma = "SCS";
    return record;
  }
  static std::unique_ptr<CCoinsuredDialog> Open(const std::optional<InsuredRecord>& insured,
                                                CRecordForm::Mode mode = CRecordForm::Mode::kAdd,
                                                const DependantRecord& dependant = {}) {
    auto form = std::make_unique<CCoinsuredDialog>(
        nullptr, client(), prompter(), mode, QStringLiteral("ALFA SRL"), kCui, insured, dependant);
    form->show();
    return form;
  }
  static void FillDependant(QWidget& form, const QString& cnp, const QString& nume,
                            const QString& prenume) {
    Retype(form, "cnp", cnp);
    Retype(form, "nume", nume);
    Retype(form, "prenume", prenume);
  }
  // Every dependant as "cf|cnp_asig|cnp|nume|prenume|tip", by INDEX.
  static QStringList Dependants() {
    return Value(QStringLiteral("SELECT GROUP_CONCAT(CONCAT_WS('|', cf, cnp_asig, cnp, nume, "
                                "prenume, tip) ORDER BY `index` SEPARATOR '\\n') AS v FROM "
                                "asigurati.coasigurati"))
        .split(u'\n', Qt::SkipEmptyParts);
  }
  static int SelectsSent() {
    EXPECT_EQ(client().Execute(QStringLiteral("SHOW SESSION STATUS LIKE 'Com_select'"), 1), 0);
    return client().GetField(0, QStringLiteral("VALUE")).toInt();
  }
  // The insured person's fields as the form shows them.
  static QStringList Shown(QWidget& form) {
    return {FieldText(form, "asigurat_cnp"), FieldText(form, "asigurat_nume"),
            FieldText(form, "asigurat_prenume"), FieldText(form, "asigurat_intrare_an"),
            FieldText(form, "asigurat_forma")};
  }
};

TEST_F(CoinsuredDialogTest, TheChecksRefuseInTheirOrder) {
  const struct {
    const char* what;
    QString insured;  // the insured CNP typed or given
    QString cnp;
    QString nume;
    QString prenume;
    QString message;
  } cases[] = {
      {"insured not active here", "1900101221183", "bad", "", "", kNotHere},
      {"bad control digit", kInsured, "2800101221171", "", "", kBadCnp},
      {"twelve digits", kInsured, "280010122117", "POP", "ANA", kBadCnp},
      {"no surname", kInsured, kDependant, "", "ANA", kNames},
      {"no given names", kInsured, kDependant, "POP", "", kNames},
      {"already a dependant of an active person", kInsured, "1606061221103", "POP", "ANA",
       "CNP-ul coasiguratului introdus figureaza deja ca si coasigurat al asiguratului:\nVLAD "
       "DAN\nla societatea:\nBETA SRL"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    InsuredTest::SetUp();
    AddCompany(kCui, "ALFA SRL");
    AddCompany(kOtherCui, "BETA SRL");
    AddPerson(kCui, kInsured, "POP", "ION");
    AddPerson(kCui, "1900101221183", "GONE", "X", 20090301);  // liquidated here
    AddPerson(kOtherCui, "2505051221196", "VLAD", "DAN");
    AddDependant(kOtherCui, "1606061221103", "2505051221196");
    const QStringList before = Dependants();
    auto form = Open(Person(c.insured));
    FillDependant(*form, c.cnp, c.nume, c.prenume);
    Press(*form, Qt::Key_F5);
    EXPECT_EQ(prompter().Texts(), QStringList{c.message});
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Dependants(), before);
  }
}

TEST_F(CoinsuredDialogTest, AnInsuredPersonBecomesADependantOnlyAfterYes) {
  AddCompany(kCui, "ALFA SRL");
  AddCompany(kOtherCui, "BETA SRL");
  AddPerson(kCui, kInsured, "POP", "ION");
  AddPerson(kOtherCui, kDependant, "POP", "ANA");  // the spouse is insured at BETA
  auto form = Open(Person(kInsured));
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Adauga un coasigurat"));
  EXPECT_EQ(form->findChild<QLabel*>("footnote")->text(), CCoinsuredDialog::Footnote());
  FillDependant(*form, kDependant, "POP", "ANA");
  ChooseEntry(*form, "tip", 1);
  const QString question =
      "CNP-ul coasiguratului introdus figureaza ca asigurat la societatea: BETA SRL\n\nVrei sa "
      "continui?";
  Press(*form, Qt::Key_F5);  // no queued answer: "Nu"
  EXPECT_EQ(prompter().Texts(), QStringList{question});
  EXPECT_TRUE(Dependants().isEmpty());
  prompter().QueueAnswers({true});
  Press(*form, Qt::Key_F5);
  ASSERT_TRUE(form->Saved().has_value());
  EXPECT_EQ(Dependants(), QStringList{"12345674|1800101221152|2800101221170|POP|ANA|P"});
  EXPECT_EQ(form->Saved()->index,
            Value("SELECT MAX(`index`) AS v FROM asigurati.coasigurati").toInt());
}

TEST_F(CoinsuredDialogTest, AModifyKeepingTheCnpPassesTheDependantCheck) {
  AddCompany(kCui, "ALFA SRL");
  AddPerson(kCui, kInsured, "POP", "ION");
  AddDependant(kCui, kDependant, kInsured);
  const int index = Value("SELECT MAX(`index`) AS v FROM asigurati.coasigurati").toInt();
  auto form = Open(Person(kInsured), CRecordForm::Mode::kModify,
                   {index, kCui, kInsured, kDependant, "POP", "ANA", "P"});
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Modifica un asigurat"));
  EXPECT_EQ(form->findChild<QComboBox*>("tip")->currentIndex(), 1);
  EXPECT_EQ(FieldText(*form, "cnp"), kDependant);
  Retype(*form, "prenume", "MARIA");
  Press(*form, Qt::Key_F6);
  EXPECT_TRUE(prompter().Texts().isEmpty()) << prompter().LastText().toStdString();
  ASSERT_TRUE(form->Saved().has_value());
  EXPECT_EQ(Dependants(), QStringList{"12345674|1800101221152|2800101221170|POP|MARIA|P"});
}

TEST_F(CoinsuredDialogTest, AGivenPersonIsFixedAndTheDependantCnpTakesTheFocus) {
  AddCompany(kCui, "ALFA SRL");
  AddPerson(kCui, kInsured, "POP", "ION");
  auto form = Open(Person(kInsured));
  EXPECT_EQ(Shown(*form), QStringList({kInsured, "POP", "ION", "2009",
                                       "SCS - salariat  cu domiciliu in strainatate"}));
  EXPECT_TRUE(form->findChild<QLineEdit*>("asigurat_cnp")->isReadOnly());
  // The focus moves a moment after opening; a busy machine may take longer than that moment.
  auto* cnp = form->findChild<QLineEdit*>("cnp");
  EXPECT_TRUE(QTest::qWaitFor([&] { return form->focusWidget() == cnp; }, 5000));
}

TEST_F(CoinsuredDialogTest, TypingFindsTheInsuredPersonByCnpOrNames) {
  AddCompany(kCui, "ALFA SRL");
  AddPerson(kCui, "1800101221144", "POPESCU", "ION");
  AddPerson(kCui, "2800101221170", "POPESCU", "MARIA");
  AddPerson(kCui, "1900101221183", "O'NEIL", "ANA");
  AddPerson(kCui, "2505051221196", "X%Y_Z", "DAN");
  AddPerson(kCui, "1606061221103", "XAYBZ", "DAN");  // what % and _ as wildcards would find
  AddPerson(kCui, "2707071221116", "ZETA", "ION", 20090301);  // liquidated: never found
  auto form = Open(std::nullopt);
  const QStringList popescuIon = {"1800101221144", "POPESCU", "ION", "2009",
                                  "SCS - salariat  cu domiciliu in strainatate"};
  const QStringList popescuMaria = {"2800101221170", "POPESCU", "MARIA", "2009",
                                    "SCS - salariat  cu domiciliu in strainatate"};
  const QStringList nobody = {"", "", "", "", ""};
  const struct {
    const char* field;
    QString typed;
    QStringList shown;
  } cases[] = {
      {"asigurat_cnp", "28", popescuMaria},
      {"asigurat_cnp", "18", popescuIon},
      {"asigurat_nume", "POP", popescuIon},
      {"asigurat_prenume", "M", popescuMaria},  // the surname stays: POPESCU MARIA
      {"asigurat_nume", "O'N", {"1900101221183", "O'NEIL", "ANA", "2009", popescuIon.last()}},
      {"asigurat_nume", "X%Y_", {"2505051221196", "X%Y_Z", "DAN", "2009", popescuIon.last()}},
      {"asigurat_nume", "XA%", {"", "XA%", "", "", ""}},
      {"asigurat_nume", "ZETA", {"", "ZETA", "", "", ""}},
      {"asigurat_cnp", "3", {"3", "", "", "", ""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE((QLatin1String(c.field) + " " + c.typed).toStdString());
    Retype(*form, c.field, c.typed);
    EXPECT_EQ(Shown(*form), c.shown);
    auto* edit = form->findChild<QLineEdit*>(QLatin1String(c.field));
    if (c.shown != nobody && edit->text() != c.typed) {
      EXPECT_EQ(edit->selectedText(), edit->text().mid(c.typed.size()));
    }
  }
  EXPECT_TRUE(prompter().Texts().isEmpty()) << prompter().LastText().toStdString();
  // Backspace takes the completion away without a query.
  Retype(*form, "asigurat_cnp", "18");
  auto& cnp = *form->findChild<CEditEx*>("asigurat_cnp");
  const int before = SelectsSent();
  const int statusQuery = SelectsSent() - before;
  QTest::keyClick(&cnp, Qt::Key_Backspace);
  QTest::keyClick(&cnp, Qt::Key_Backspace);
  EXPECT_EQ(SelectsSent() - before, 2 * statusQuery);
  EXPECT_EQ(Shown(*form), QStringList({"1", "", "", "", ""}));
}

TEST_F(CoinsuredDialogTest, ThePanelAddsADependantToAPersonFoundByTyping) {
  AddCompany(kCui, "ALFA SRL");
  AddPerson(kCui, kInsured, "POPESCU", "ION");
  CHealthDialog panel(nullptr, &client(), &prompter());
  panel.show();
  panel.CompaniesView().SelectRow(0);
  SetModalDriver([](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Adauga un coasigurat"));
    Retype(dialog, "asigurat_nume", "POPE");
    FillDependant(dialog, kDependant, "POPESCU", "ANA");
    Press(dialog, Qt::Key_F5);
  });
  QTest::keyClick(&panel, Qt::Key_F5, Qt::ControlModifier);
  EXPECT_TRUE(prompter().Texts().isEmpty()) << prompter().LastText().toStdString();
  EXPECT_EQ(Dependants(), QStringList{"12345674|1800101221152|2800101221170|POPESCU|ANA|S"});
}

}  // namespace
