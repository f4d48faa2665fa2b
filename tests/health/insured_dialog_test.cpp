#include <QComboBox>
#include <QLabel>
#include <vector>

#include "insured_fixture.h"
#include "insured_messages.h"
#include "screens/health/c_insured_dialog.h"

namespace {

using Mode = CRecordForm::Mode;

class InsuredDialogTest : public InsuredTest {
 protected:
  static std::unique_ptr<CInsuredDialog> Open(Mode mode, int index = 0) {
    auto form = std::make_unique<CInsuredDialog>(nullptr, client(), prompter(), mode,
                                                 QStringLiteral("ALFA SRL"), kCui, index);
    if (form->IsLoaded()) form->show();
    return form;
  }
  // The fields of a person the register accepts, hired on 15-05-2009.
  static void FillValid(QWidget& form, const QString& cnp = kCnp) {
    Retype(form, "nume", QStringLiteral("Popescu"));
    Retype(form, "prenume", QStringLiteral("Ion"));
    Retype(form, "cnp", cnp);
    RetypeDate(form, "intrare", "15", "05", "2009");
  }
  static QComboBox& Choice(QWidget& form, const char* name) {
    return *form.findChild<QComboBox*>(QLatin1String(name));
  }
};

TEST_F(InsuredDialogTest, AddModeRefusesInTheFormsOrderAndWritesNothing) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  AddRecord(kCui, kOtherCnp, 20080101);                                  // active here
  AddRecord(kCui, QStringLiteral("1800101221152"), 20080101, 20090515);  // left on the hiring day
  struct Case {
    const char* field;  // retyped after a valid fill; a date as "dd-mm-yyyy"
    QString typed;
    QString message;
  };
  const Case cases[] = {
      {"nume", "", kNume},
      {"prenume", "", kPrenume},
      {"cnp", "180010122114", kCnpBad},
      {"cnp", "1800101221143", kCnpBad},
      {"intrare", "31-04-2009", kHiring},
      {"intrare", "29-02-2009", kHiring},
      {"intrare", "01-01-1899", kHiring},
      {"intrare", "--", kHiring},
      {"intrare", "-05-2009", kHiring},
      {"cnp", kOtherCnp, kActiveHere},
      {"cnp", "1800101221152",
       "CNP-ul introdus a fost lichidat ultima oara de la aceasta firma la data de: "
       "15.05.2009\n\nNu poate fi re-angajat la o data anterioara!"},
  };
  auto form = Open(Mode::kAdd);
  for (const Case& c : cases) {
    prompter().Clear();
    FillValid(*form);
    const QString field = QLatin1String(c.field);
    if (field == "intrare") {
      const QStringList parts = c.typed.split(u'-');
      RetypeDate(*form, c.field, parts[0], parts[1], parts[2]);
    } else {
      Retype(*form, c.field, c.typed);
    }
    Press(*form, Qt::Key_F6);  // the key of the other mode does nothing
    EXPECT_TRUE(prompter().Texts().isEmpty());
    Press(*form, Qt::Key_F5);
    EXPECT_EQ(prompter().Texts(), QStringList{c.message})
        << c.field << " " << c.typed.toStdString();
    EXPECT_TRUE(form->isVisible()) << c.field;
    EXPECT_EQ(FieldText(*form, "prenume"), field == "prenume" ? "" : "ION");
    if (field == "cnp") {
      EXPECT_EQ(FieldText(*form, "cnp"), c.typed);
    }
  }
  EXPECT_EQ(Records().size(), 2);
  EXPECT_EQ(AuditRows(), 0);
}

TEST_F(InsuredDialogTest, AddedPersonIsStoredAsTypedInUpperCaseAndReturned) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  auto form = Open(Mode::kAdd);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Adauga un asigurat"));
  EXPECT_EQ(Choice(*form, "cas").itemText(23), QStringLiteral("HR - Harghita"));
  EXPECT_EQ(Choice(*form, "forma").itemText(6),
            QStringLiteral("SCS - salariat  cu domiciliu in strainatate"));
  Retype(*form, "nume", QStringLiteral("Ştefănescu"));
  Retype(*form, "prenume", QStringLiteral("d'Ana \\ Maria"));
  Retype(*form, "cnp", QStringLiteral("18001a01221144"));  // letters cannot be typed
  EXPECT_EQ(FieldText(*form, "cnp"), kCnp);
  RetypeDate(*form, "intrare", "1", "6", "2009");
  ChooseEntry(*form, "cas", 23);
  ChooseEntry(*form, "forma", 6);
  Press(*form, Qt::Key_F5);
  EXPECT_TRUE(prompter().Texts().isEmpty()) << prompter().LastText().toStdString();
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(Records(),
            QStringList{kCui + "|CASHR|ŞTEFĂNESCU|D'ANA \\ MARIA|" + kCnp + "|20090601|0|SCS"});
  const std::optional<InsuredRecord>& saved = form->Saved();
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(saved->index, Value("SELECT `index` AS v FROM asigurati.asigurati").toInt());
  EXPECT_EQ(QStringList(
                {saved->cas, saved->nume, saved->cnp, saved->intrare, saved->iesire, saved->forma}),
            QStringList({"CASHR", "ŞTEFĂNESCU", kCnp, "20090601", "0", "SCS"}));
}

TEST_F(InsuredDialogTest, ARehireMustFollowTheLastLiquidationDay) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  AddRecord(kCui, kCnp, 20070101, 20080101);
  AddRecord(kCui, kCnp, 20080301, 20090514);       // the last liquidation
  AddRecord(kOtherCui, kCnp, 20100101, 20110101);  // another company's does not count
  auto form = Open(Mode::kAdd);
  FillValid(*form);
  RetypeDate(*form, "intrare", "14", "05", "2009");
  Press(*form, Qt::Key_F5);
  EXPECT_EQ(prompter().LastText(),
            "CNP-ul introdus a fost lichidat ultima oara de la aceasta firma la data de: "
            "14.05.2009\n\nNu poate fi re-angajat la o data anterioara!");
  EXPECT_TRUE(form->isVisible());
  RetypeDate(*form, "intrare", "15", "05", "2009");
  Press(*form, Qt::Key_F5);
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(Records().size(), 4);
}

TEST_F(InsuredDialogTest, APersonActiveElsewhereOrADependantIsHiredOnlyAfterDa) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  AddCompany(kOtherCui, QStringLiteral("BETA SRL"));
  AddCompany(kThirdCui, QStringLiteral("GAMA SRL"));
  AddRecord(kOtherCui, kCnp, 20080101, 0, "CASAB", "CM");
  const QString insured = QStringLiteral("1800101221152");
  Run(QStringLiteral("INSERT INTO asigurati.asigurati (cf, nume, prenume, cnp) VALUES (%1, "
                     "'IONESCU', 'VASILE', %2)")
          .arg(Q(kThirdCui), Q(insured)));
  AddDependant(kThirdCui, kCnp, insured);
  const QString elsewhere = QStringLiteral(
      "CNP-ul introdus exista deja la societatea:\nBETA SRL\ncu forma de angajare: "
      "CM\n\nVrei sa continui?");
  const QString dependant = QStringLiteral(
      "CNP-ul introdus exista figureaza deja ca si coasigurat al asiguratului:\nIONESCU "
      "VASILE\nla societatea:\nGAMA SRL\n\nVrei sa continui?");
  auto form = Open(Mode::kAdd);
  FillValid(*form);
  // Vectors, not initializer lists: a list's array would end with its full-expression.
  const std::pair<std::vector<bool>, QStringList> attempts[] = {
      {{false}, {elsewhere}}, {{true, false}, {elsewhere, dependant}}};
  for (const auto& [answers, asked] : attempts) {
    prompter().Clear();
    for (const bool answer : answers) prompter().QueueAnswers({answer});
    Press(*form, Qt::Key_F5);
    EXPECT_EQ(prompter().Texts(), asked);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Records().size(), 2);
  }
  prompter().Clear();
  prompter().QueueAnswers({true, true});
  Press(*form, Qt::Key_F5);
  EXPECT_EQ(prompter().Texts(), QStringList({elsewhere, dependant}));
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(Records().size(), 3);
}

TEST_F(InsuredDialogTest, ModifyShowsTheLiquidationOnlyForALiquidatedRecord) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  const int active = AddRecord(kCui, kCnp, 20090515, 0, "CASHR", "AM");
  const int left = AddRecord(kCui, kOtherCnp, 20090515, 20100630);
  auto form = Open(Mode::kModify, active);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Modifica un asigurat"));
  EXPECT_EQ(
      QStringList({FieldText(*form, "nume"), FieldText(*form, "cnp"),
                   FieldText(*form, "intrare_zi"), FieldText(*form, "intrare_luna"),
                   FieldText(*form, "intrare_an"), Choice(*form, "cas").currentText(),
                   Choice(*form, "forma").currentText()}),
      QStringList({"POP", kCnp, "15", "05", "2009", "HR - Harghita", "AM - accident de munca"}));
  EXPECT_EQ(FieldText(*form, "iesire_zi"), QStringLiteral("<no field>"));
  EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("liquidationHint")), nullptr);
  form = Open(Mode::kModify, left);
  EXPECT_EQ(QStringList({FieldText(*form, "iesire_zi"), FieldText(*form, "iesire_luna"),
                         FieldText(*form, "iesire_an")}),
            QStringList({"30", "06", "2010"}));
  auto* hint = form->findChild<QLabel*>(QStringLiteral("liquidationHint"));
  ASSERT_NE(hint, nullptr);
  EXPECT_EQ(hint->text(), QStringLiteral("Daca doresti sa anulezi lichidarea, sterge campurile de "
                                         "la <Data lichidarii>"));
  // A record that is no longer there is never shown.
  form = Open(Mode::kModify, left + 10);
  EXPECT_FALSE(form->IsLoaded());
  EXPECT_EQ(prompter().Texts(), QStringList{"A survenit o eroare!"});
  EXPECT_EQ(form->Run(), std::nullopt);
}

TEST_F(InsuredDialogTest, ModifiedLiquidationIsCheckedThenCorrectedOrCancelled) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  const int left = AddRecord(kCui, kCnp, 20090515, 20100630);
  auto form = Open(Mode::kModify, left);
  const std::pair<QStringList, QString> refused[] = {
      {{"", "06", "2010"}, kExit},  // only its day emptied: not a cancellation
      {{"00", "00", "0000"}, kExit},
      {{"31", "06", "2010"}, kExit},
      {{"14", "05", "2009"}, kOrder}};
  for (const auto& [date, message] : refused) {
    prompter().Clear();
    RetypeDate(*form, "iesire", date[0], date[1], date[2]);
    Press(*form, Qt::Key_F6);
    EXPECT_EQ(prompter().Texts(), QStringList{message}) << date.join('-').toStdString();
    EXPECT_EQ(FieldText(*form, "iesire_luna"), date[1]);
  }
  EXPECT_EQ(AuditRows(), 0);
  prompter().Clear();
  RetypeDate(*form, "iesire", "15", "05", "2009");  // the hiring day: a change of form leaves it
  Press(*form, Qt::Key_F6);
  EXPECT_TRUE(prompter().Texts().isEmpty()) << prompter().LastText().toStdString();
  EXPECT_EQ(Records(), QStringList{kCui + "|CASAB|POP|ION|" + kCnp + "|20090515|20090515|S"});
  EXPECT_EQ(form->Saved()->iesire, QStringLiteral("20090515"));
  EXPECT_EQ(AuditRows(), 1);  // the version before the correction
  form = Open(Mode::kModify, left);
  RetypeDate(*form, "iesire", "", "", "");
  Press(*form, Qt::Key_F6);
  EXPECT_EQ(Records(), QStringList{kCui + "|CASAB|POP|ION|" + kCnp + "|20090515|0|S"});
  EXPECT_EQ(form->Saved()->iesire, QStringLiteral("0"));
}

TEST_F(InsuredDialogTest, ModifyConflictsOnlyBetweenRecordsThatStayActive) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  const int old = AddRecord(kCui, kCnp, 20080101, 20081231);
  const int current = AddRecord(kCui, kCnp, 20090101);
  const int other = AddRecord(kCui, kOtherCnp, 20090101);
  // The old record of a person re-hired since stays correctable ...
  auto form = Open(Mode::kModify, old);
  Retype(*form, "prenume", QStringLiteral("Ionel"));
  Press(*form, Qt::Key_F6);
  EXPECT_TRUE(prompter().Texts().isEmpty()) << prompter().LastText().toStdString();
  EXPECT_FALSE(form->isVisible());
  // ... but its liquidation cannot be cancelled while the newer record is active.
  form = Open(Mode::kModify, old);
  RetypeDate(*form, "iesire", "", "", "");
  Press(*form, Qt::Key_F6);
  EXPECT_EQ(prompter().Texts(), QStringList{kActiveHere});
  // The active record itself passes; another person's active record cannot take its CNP.
  prompter().Clear();
  form = Open(Mode::kModify, current);
  Press(*form, Qt::Key_F6);
  EXPECT_FALSE(form->isVisible());
  form = Open(Mode::kModify, other);
  Retype(*form, "cnp", kCnp);
  Press(*form, Qt::Key_F6);
  EXPECT_EQ(prompter().Texts(), QStringList{kActiveHere});
  EXPECT_EQ(Records(), QStringList({kCui + "|CASAB|POP|IONEL|" + kCnp + "|20080101|20081231|S",
                                    kCui + "|CASAB|POP|ION|" + kCnp + "|20090101|0|S",
                                    kCui + "|CASAB|POP|ION|" + kOtherCnp + "|20090101|0|S"}));
}

TEST_F(InsuredDialogTest, AStoredHouseOutsideTheListMustBeChosenAgain) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  const int index = AddRecord(kCui, kCnp, 20090101, 0, "CASXX");
  auto form = Open(Mode::kModify, index);
  EXPECT_EQ(Choice(*form, "cas").currentIndex(), -1);
  Press(*form, Qt::Key_F6);
  EXPECT_EQ(prompter().Texts(), QStringList{kHouse});
  EXPECT_EQ(Records(), QStringList{kCui + "|CASXX|POP|ION|" + kCnp + "|20090101|0|S"});
  ChooseEntry(*form, "cas", 5);
  Press(*form, Qt::Key_F6);
  EXPECT_EQ(Records(), QStringList{kCui + "|CASAG|POP|ION|" + kCnp + "|20090101|0|S"});
}

class CnpMoveTest : public InsuredDialogTest {
 protected:
  // The co-insured and monthly amounts of the person at two companies.
  void SetUp() override {
    InsuredDialogTest::SetUp();
    AddCompany(kCui, QStringLiteral("ALFA SRL"));
    AddCompany(kOtherCui, QStringLiteral("BETA SRL"));
    index_ = AddRecord(kCui, kCnp, 20090101);
    AddRecord(kOtherCui, kCnp, 20090101);
    for (const QString& cf : {kCui, kOtherCui}) {
      AddDependant(cf, QStringLiteral("2900101221142"), kCnp);
      Run(QStringLiteral("INSERT INTO asigurati.sume (cf, cnp, luna) VALUES (%1, %2, 200906)")
              .arg(Q(cf), Q(kCnp)));
    }
  }
  void TearDown() override {
    Run(QStringLiteral("DROP TRIGGER IF EXISTS asigurati.refuse"));
    InsuredDialogTest::TearDown();
  }
  // How many rows of the co-insured and of the amounts name this CNP.
  static QStringList RowsNaming(const QString& cnp) {
    return {Value("SELECT COUNT(*) AS v FROM asigurati.coasigurati WHERE cnp_asig=" + Q(cnp)),
            Value("SELECT COUNT(*) AS v FROM asigurati.sume WHERE cnp=" + Q(cnp))};
  }
  static void RefuseWritesTo(const char* table) {
    Run(QStringLiteral("CREATE TRIGGER asigurati.refuse BEFORE UPDATE ON asigurati.%1 FOR EACH "
                       "ROW SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'refused'")
            .arg(QLatin1String(table)));
  }
  int index_ = 0;
};

TEST_F(CnpMoveTest, ACorrectedCnpTakesItsDependantsAndAmountsAtEveryCompany) {
  const QString corrected = QStringLiteral("1800101221152");
  auto form = Open(Mode::kModify, index_);
  Retype(*form, "cnp", corrected);
  prompter().QueueAnswers({true});  // still active at BETA under the old CNP
  Press(*form, Qt::Key_F6);
  EXPECT_FALSE(form->isVisible()) << prompter().LastText().toStdString();
  EXPECT_EQ(RowsNaming(corrected), QStringList({"2", "2"}));
  EXPECT_EQ(RowsNaming(kCnp), QStringList({"0", "0"}));
  EXPECT_EQ(Value("SELECT cnp AS v FROM asigurati.zlog_asigurati"), kCnp);
}

TEST_F(CnpMoveTest, AFailedSaveMovesNothingAndAFailedMoveIsFinishedByConfirmingAgain) {
  const QString corrected = QStringLiteral("1800101221152");
  auto form = Open(Mode::kModify, index_);
  Retype(*form, "cnp", corrected);
  RefuseWritesTo("asigurati");
  prompter().QueueAnswers({true});
  Press(*form, Qt::Key_F6);
  EXPECT_TRUE(prompter().LastText().startsWith("EROARE Mysql:"))
      << prompter().LastText().toStdString();
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(RowsNaming(kCnp), QStringList({"2", "2"}));
  EXPECT_EQ(Value("SELECT COUNT(*) AS v FROM asigurati.asigurati WHERE cnp=" + Q(corrected)), "0");
  // Saved, but the amounts refuse to move: the form stays open and remembers the old CNP.
  Run(QStringLiteral("DROP TRIGGER asigurati.refuse"));
  RefuseWritesTo("sume");
  prompter().Clear();
  prompter().QueueAnswers({true});
  Press(*form, Qt::Key_F6);
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(
      Value("SELECT cnp AS v FROM asigurati.asigurati WHERE `index`=" + QString::number(index_)),
      corrected);
  EXPECT_EQ(RowsNaming(corrected), QStringList({"2", "0"}));
  Run(QStringLiteral("DROP TRIGGER asigurati.refuse"));
  prompter().Clear();
  prompter().QueueAnswers({true});
  Press(*form, Qt::Key_F6);
  EXPECT_FALSE(form->isVisible()) << prompter().LastText().toStdString();
  EXPECT_EQ(RowsNaming(corrected), QStringList({"2", "2"}));
  EXPECT_EQ(RowsNaming(kCnp), QStringList({"0", "0"}));
}

}  // namespace
