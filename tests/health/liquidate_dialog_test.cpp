#include <QComboBox>
#include <QLineEdit>

#include "insured_fixture.h"
#include "insured_messages.h"
#include "screens/health/c_liquidate_dialog.h"
#include "ui/c_edit_ex.h"

namespace {

const QString kNotHere = QStringLiteral("CNP-ul introdus nu exista la societatea curenta!");

class LiquidateDialogTest : public InsuredTest {
 protected:
  static std::unique_ptr<CLiquidateDialog> Open(
      const std::optional<ChosenPerson>& chosen = std::nullopt) {
    auto form = std::make_unique<CLiquidateDialog>(nullptr, client(), prompter(),
                                                   QStringLiteral("ALFA SRL"), kCui, chosen);
    form->show();
    return form;
  }
  static CEditEx& CnpField(QWidget& form) {
    return *form.findChild<CEditEx*>(QStringLiteral("cnp"));
  }
  // Digits typed at the cursor, one key at a time.
  static void Type(QWidget& form, const QString& digits) {
    for (const QChar digit : digits) {
      QTest::keyClick(&CnpField(form), static_cast<char>(digit.unicode()));
    }
  }
  // The person's fields as the form shows them.
  static QStringList Person(QWidget& form) {
    return {FieldText(form, "nume"), FieldText(form, "prenume"), FieldText(form, "forma"),
            FieldText(form, "intrare_zi") + "-" + FieldText(form, "intrare_luna") + "-" +
                FieldText(form, "intrare_an"),
            form.findChild<QComboBox*>(QStringLiteral("cas"))->currentText()};
  }
  // Statements of the SELECT kind the session has sent so far.
  static int SelectsSent() {
    EXPECT_EQ(client().Execute(QStringLiteral("SHOW SESSION STATUS LIKE 'Com_select'"), 1), 0);
    return client().GetField(0, QStringLiteral("VALUE")).toInt();
  }
};

TEST_F(LiquidateDialogTest, FirstDigitsCompleteToAnActivePersonOfTheCompany) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  AddRecord(kCui, QStringLiteral("1700101221148"), 20090101, 20091231);  // liquidated
  AddRecord(kOtherCui, QStringLiteral("1800101221144"), 20090101);       // another company's
  AddRecord(kCui, QStringLiteral("1800101221152"), 20090515, 0, "CASHR", "SCS");
  auto form = Open();
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Lichideaza un asigurat"));
  const QStringList nobody = {"", "", "", "--", ""};
  EXPECT_EQ(Person(*form), nobody);
  CEditEx& cnp = CnpField(*form);
  cnp.setFocus();
  Type(*form, "1");
  EXPECT_EQ(cnp.text(), QStringLiteral("1800101221152"));
  EXPECT_EQ(cnp.selectedText(), QStringLiteral("800101221152"));
  EXPECT_EQ(Person(*form), QStringList({"POP", "ION", "SCS - salariat  cu domiciliu in strainatate",
                                        "15-05-2009", "HG - Harghita"}));
  // Typing on replaces the completed digits and completes again.
  Type(*form, "80");
  EXPECT_EQ(cnp.text(), QStringLiteral("1800101221152"));
  EXPECT_EQ(cnp.selectedText(), QStringLiteral("0101221152"));
  // Backspace removes the completion without a search, and the person goes.
  const int before = SelectsSent();
  const int statusQuery = SelectsSent() - before;  // what asking costs, if anything
  QTest::keyClick(&cnp, Qt::Key_Backspace);
  QTest::keyClick(&cnp, Qt::Key_Backspace);
  EXPECT_EQ(cnp.text(), QStringLiteral("18"));
  EXPECT_EQ(SelectsSent() - before, 2 * statusQuery);
  EXPECT_EQ(Person(*form), nobody);
  // Digits nobody active here has: nothing is completed.
  Type(*form, "7");
  EXPECT_EQ(cnp.text(), QStringLiteral("187"));
  EXPECT_EQ(Person(*form), nobody);
  // Every digit typed out, the last ones over their own completion: the person stays.
  Retype(*form, "cnp", QStringLiteral("1800101221152"));
  EXPECT_EQ(Person(*form).first(), QStringLiteral("POP"));
  EXPECT_TRUE(prompter().Texts().isEmpty());
}

TEST_F(LiquidateDialogTest, TheEmploymentEndsAfterItsStoredHiringDay) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  AddRecord(kCui, kCnp, 20090515);
  AddRecord(kCui, kCnp, 20090101);  // an older active record of the same person (old data)
  AddRecord(kOtherCui, kCnp, 20090101);
  auto form = Open();
  Retype(*form, "cnp", QStringLiteral("1800101221143"));
  Press(*form, Qt::Key_F6);
  EXPECT_EQ(prompter().Texts(), QStringList{"CNP-ul introdus este incorect!"});
  prompter().Clear();
  Retype(*form, "cnp", kOtherCnp);
  Press(*form, Qt::Key_F6);
  EXPECT_EQ(prompter().Texts(), QStringList{kNotHere});
  const std::pair<QStringList, QString> refused[] = {
      {{"", "05", "2009"}, "Data lichidarii introdusa este incorecta!"},
      {{"31", "04", "2009"}, "Data lichidarii introdusa este incorecta!"},
      {{"15", "05", "2009"}, kOrder},  // the latest hiring day
      {{"14", "05", "2009"}, kOrder}};
  Retype(*form, "cnp", kCnp);
  for (const auto& [date, message] : refused) {
    prompter().Clear();
    RetypeDate(*form, "iesire", date[0], date[1], date[2]);
    Press(*form, Qt::Key_F6);
    EXPECT_EQ(prompter().Texts(), QStringList{message}) << date.join('-').toStdString();
    EXPECT_TRUE(form->isVisible());
  }
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM asigurati.asigurati WHERE iesire>0"), "0");
  prompter().Clear();
  RetypeDate(*form, "iesire", "16", "5", "2009");
  Press(*form, Qt::Key_F6);
  EXPECT_TRUE(prompter().Texts().isEmpty()) << prompter().LastText().toStdString();
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(form->Saved(), 20090516);
  EXPECT_EQ(Records(), QStringList({kCui + "|CASAB|POP|ION|" + kCnp + "|20090515|20090516|S",
                                    kCui + "|CASAB|POP|ION|" + kCnp + "|20090101|20090516|S",
                                    kOtherCui + "|CASAB|POP|ION|" + kCnp + "|20090101|0|S"}));
  // A liquidation is a plain update of both active records, each copied as it was first.
  EXPECT_EQ(Value("SELECT GROUP_CONCAT(CONCAT(znew_op, '/', intrare, '/', iesire) ORDER BY "
                  "intrare) AS v FROM asigurati.zlog_asigurati"),
            QStringLiteral("M/20090101/0,M/20090515/0"));
}

TEST_F(LiquidateDialogTest, AChosenPersonIsFixedAndComparedWithTheStoredHiringDay) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  AddRecord(kCui, kCnp, 20090515, 0, "CASCJ");
  // The list shows an earlier hiring day than the register holds.
  const ChosenPerson chosen{kCnp, "POP", "ION", "S - salariat", 20090101, "CASCJ"};
  auto form = Open(chosen);
  EXPECT_EQ(Person(*form), QStringList({"POP", "ION", "S - salariat", "01-01-2009", "CJ - Cluj"}));
  CEditEx& cnp = CnpField(*form);
  EXPECT_TRUE(QTest::qWaitFor([&] { return cnp.isReadOnly(); }, 1000));
  EXPECT_EQ(form->focusWidget(), form->findChild<QLineEdit*>(QStringLiteral("iesire_zi")));
  RetypeDate(*form, "iesire", "15", "05", "2009");
  Press(*form, Qt::Key_F6);
  EXPECT_EQ(prompter().Texts(), QStringList{kOrder});
  prompter().Clear();
  RetypeDate(*form, "iesire", "16", "05", "2009");
  Press(*form, Qt::Key_F6);
  EXPECT_FALSE(form->isVisible()) << prompter().LastText().toStdString();
  EXPECT_EQ(Records(), QStringList{kCui + "|CASCJ|POP|ION|" + kCnp + "|20090515|20090516|S"});
}

}  // namespace
