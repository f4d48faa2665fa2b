#include <QComboBox>
#include <QLabel>

#include "health/register/employment_forms.h"
#include "insured_fixture.h"
#include "screens/health/c_change_dialog.h"
#include "ui/c_date_input.h"

namespace {

const QString kPerson = QStringLiteral("1800101221152");

class ChangeDialogTest : public InsuredTest {
 protected:
  void TearDown() override {
    Run(QStringLiteral("DROP TRIGGER IF EXISTS asigurati.refuse_insert"));
    Run(QStringLiteral("DROP TRIGGER IF EXISTS asigurati.refuse_reopen"));
    InsuredTest::TearDown();
  }
  // The stored record with this INDEX, as the insured list hands it over.
  static InsuredRecord Stored(int index) {
    EXPECT_EQ(
        client().Execute(
            QStringLiteral("SELECT * FROM asigurati.asigurati WHERE `index`=%1").arg(index), 1),
        0);
    return {index,
            client().GetField(0, "CF"),
            client().GetField(0, "CAS"),
            client().GetField(0, "NUME"),
            client().GetField(0, "PRENUME"),
            client().GetField(0, "CNP"),
            client().GetField(0, "INTRARE"),
            client().GetField(0, "IESIRE"),
            client().GetField(0, "FORMA")};
  }
  static std::unique_ptr<CChangeDialog> Open(ChangeKind kind, int index) {
    std::unique_ptr<CChangeDialog> form;
    if (kind == ChangeKind::kForm) {
      form = std::make_unique<CChangeFormDialog>(nullptr, client(), prompter(), "ALFA SRL",
                                                 Stored(index));
    } else {
      form = std::make_unique<CChangeHouseDialog>(nullptr, client(), prompter(), "ALFA SRL",
                                                  Stored(index));
    }
    form->show();
    return form;
  }
  static QStringList Entries(QWidget& form) {
    auto* list = form.findChild<QComboBox*>(QStringLiteral("noua"));
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries.append(list->itemText(i));
    return entries;
  }
  static Qt::Key KeyOf(ChangeKind kind) {
    return kind == ChangeKind::kForm ? Qt::Key_F8 : Qt::Key_F9;
  }
};

TEST_F(ChangeDialogTest, TheOldRecordEndsTheDayBeforeTheChange) {
  const QString formDate = "Data modificarii formei de angajare este incorecta!";
  const QString formOrder =
      "Data modificarii formei de angajare trebuie sa fie mai recenta decat data angajarii!";
  const QString houseDate = "Data schimbarii casei de asigurari este incorecta!";
  const QString houseOrder =
      "Data schimbarii casei de asigurari trebuie sa fie mai recenta decat data angajarii!";
  const struct {
    ChangeKind kind;
    int hiring;
    const char* day;
    const char* month;
    const char* year;
    const char* exit;  // nullptr: refused with `message`
    QString message;
  } cases[] = {
      {ChangeKind::kForm, 20070115, "01", "03", "2008", "20080229", {}},  // leap year
      {ChangeKind::kHouse, 20070115, "1", "3", "2009", "20090228", {}},
      {ChangeKind::kForm, 20070115, "01", "01", "2009", "20081231", {}},
      {ChangeKind::kHouse, 20081231, "01", "01", "2009", "20081231", {}},  // the day after hiring
      {ChangeKind::kForm, 20090101, "01", "01", "2009", nullptr, formOrder},  // the hiring day
      {ChangeKind::kHouse, 20090101, "01", "01", "2009", nullptr, houseOrder},
      {ChangeKind::kForm, 20090101, "15", "06", "2008", nullptr, formOrder},
      {ChangeKind::kForm, 20070101, "29", "02", "2009", nullptr, formDate},
      {ChangeKind::kHouse, 20070101, "", "", "", nullptr, houseDate},
      {ChangeKind::kHouse, 20070101, "00", "00", "0000", nullptr, houseDate},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(
        QStringLiteral("%1 %2-%3-%4").arg(c.hiring).arg(c.day, c.month, c.year).toStdString());
    InsuredTest::SetUp();
    const int index = AddRecord(kCui, kPerson, c.hiring, 0, "CASCJ", "CM");
    const QStringList before = Records();
    auto form = Open(c.kind, index);
    RetypeDate(*form, "data", c.day, c.month, c.year);
    Press(*form, KeyOf(c.kind));
    if (c.exit == nullptr) {
      EXPECT_EQ(prompter().Texts(), QStringList{c.message});
      EXPECT_TRUE(form->isVisible());
      EXPECT_EQ(Records(), before);
      continue;
    }
    EXPECT_TRUE(prompter().Texts().isEmpty()) << prompter().LastText().toStdString();
    ASSERT_TRUE(form->Saved().has_value());
    const QString hiring = QString::number(c.hiring);
    const QString change = QStringLiteral("%1%2%3")
                               .arg(QLatin1String(c.year))
                               .arg(QLatin1String(c.month), 2, u'0')
                               .arg(QLatin1String(c.day), 2, u'0');
    // The form change's first entry (the current CM left out) is S; the house change's
    // first entry is CAS_B.
    const QString entry = c.kind == ChangeKind::kForm
                              ? "12345674|CASCJ|POP|ION|1800101221152|" + change + "|0|S"
                              : "12345674|CAS_B|POP|ION|1800101221152|" + change + "|0|CM";
    EXPECT_EQ(Records(),
              QStringList({"12345674|CASCJ|POP|ION|1800101221152|" + hiring + "|" + c.exit + "|CM",
                           entry}));
    EXPECT_EQ(form->Saved()->exitDate, QString::fromLatin1(c.exit).toInt());
    EXPECT_EQ(form->Saved()->entry.index, Stored(index + 1).index);
    EXPECT_EQ(AuditRows(), 1);  // the audited update's copy of the old record
  }
}

TEST_F(ChangeDialogTest, EachEntryOfTheFormListWritesItsOwnCode) {
  for (int current = 0; current < kEmploymentFormCount; ++current) {
    const QString code = EmploymentFormCode(current);
    QStringList others;
    for (int form = 0; form < kEmploymentFormCount; ++form) {
      if (form != current) others.append(EmploymentFormText(form));
    }
    for (int entry = 0; entry < kEmploymentFormCount - 1; ++entry) {
      SCOPED_TRACE((code + " entry " + QString::number(entry)).toStdString());
      InsuredTest::SetUp();
      const int index = AddRecord(kCui, kPerson, 20090101, 0, "CASAB", code);
      auto form = Open(ChangeKind::kForm, index);
      EXPECT_EQ(Entries(*form), others);  // never the current form
      ChooseEntry(*form, "noua", entry);
      RetypeDate(*form, "data", "02", "01", "2009");
      Press(*form, Qt::Key_F8);
      ASSERT_TRUE(form->Saved().has_value());
      const int chosen = entry < current ? entry : entry + 1;
      EXPECT_EQ(Stored(index + 1).forma, EmploymentFormCode(chosen));
      EXPECT_EQ(form->Saved()->entry.forma, EmploymentFormCode(chosen));
    }
  }
}

TEST_F(ChangeDialogTest, TheHouseListHoldsEveryHouseAndTheEntryKeepsTheStoredForm) {
  // A form code outside the register's table (older data) has no text: it is carried as stored.
  const int index = AddRecord(kCui, kPerson, 20090101, 0, "CASHR", "XX");
  auto form = Open(ChangeKind::kHouse, index);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Schimba casa de asigurare"));
  const QStringList entries = Entries(*form);
  ASSERT_EQ(entries.size(), 44);
  EXPECT_EQ(entries.at(23), QStringLiteral("HG - Harghita"));
  EXPECT_EQ(form->findChild<QComboBox*>(QStringLiteral("noua"))->currentIndex(), 0);
  EXPECT_EQ(form->findChild<QComboBox*>(QStringLiteral("cas"))->currentText(),
            QStringLiteral("HG - Harghita"));
  EXPECT_EQ(FieldText(*form, "forma"), QString());
  ChooseEntry(*form, "noua", 23);  // the current house: still two records
  RetypeDate(*form, "data", "01", "07", "2009");
  Press(*form, Qt::Key_F9);
  ASSERT_TRUE(form->Saved().has_value());
  EXPECT_EQ(Records(), QStringList({"12345674|CASHR|POP|ION|1800101221152|20090101|20090630|XX",
                                    "12345674|CASHR|POP|ION|1800101221152|20090701|0|XX"}));
}

// Each date says once how it is typed: the hiring date and the date of the change.
TEST_F(ChangeDialogTest, EachDateShowsItsHintOnce) {
  const int index = AddRecord(kCui, kPerson, 20090101, 0, "CASAB", "S");
  for (const ChangeKind kind : {ChangeKind::kForm, ChangeKind::kHouse}) {
    auto form = Open(kind, index);
    int hints = 0;
    for (const QLabel* label : form->findChildren<QLabel*>()) {
      hints += static_cast<int>(label->text().count(CDateInput::Hint()));
    }
    EXPECT_EQ(hints, form->findChildren<CDateInput*>().size()) << form->windowTitle();
    EXPECT_EQ(hints, 2) << form->windowTitle();
  }
}

TEST_F(ChangeDialogTest, AFailedEntryLeavesTheRegisterAsItWasAndTheFormOpen) {
  const int index = AddRecord(kCui, kPerson, 20090101, 0, "CASAB", "S");
  const QStringList before = Records();
  Run(
      QStringLiteral("CREATE TRIGGER asigurati.refuse_insert BEFORE INSERT ON asigurati.asigurati "
                     "FOR EACH ROW SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='refuzat'"));
  auto form = Open(ChangeKind::kForm, index);
  RetypeDate(*form, "data", "01", "07", "2009");
  Press(*form, Qt::Key_F8);
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(form->Saved().has_value());
  EXPECT_EQ(Records(), before);  // the old record is active again
  ASSERT_EQ(prompter().Texts().size(), 1);
  EXPECT_TRUE(prompter().LastText().contains("refuzat"));
  // The cause gone, the same key finishes the change.
  Run(QStringLiteral("DROP TRIGGER asigurati.refuse_insert"));
  Press(*form, Qt::Key_F8);
  ASSERT_TRUE(form->Saved().has_value());
  EXPECT_EQ(Records(), QStringList({"12345674|CASAB|POP|ION|1800101221152|20090101|20090630|S",
                                    "12345674|CASAB|POP|ION|1800101221152|20090701|0|CM"}));
}

TEST_F(ChangeDialogTest, WhenTheUndoFailsTooBothFailuresAreShown) {
  const int index = AddRecord(kCui, kPerson, 20090101, 0, "CASAB", "S");
  Run(
      QStringLiteral("CREATE TRIGGER asigurati.refuse_insert BEFORE INSERT ON asigurati.asigurati "
                     "FOR EACH ROW SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='refuzat'"));
  Run(
      QStringLiteral("CREATE TRIGGER asigurati.refuse_reopen BEFORE UPDATE ON "
                     "asigurati.asigurati FOR EACH ROW BEGIN IF NEW.iesire=0 AND OLD.iesire>0 "
                     "THEN SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='redeschidere'; END IF; END"));
  auto form = Open(ChangeKind::kHouse, index);
  RetypeDate(*form, "data", "01", "07", "2009");
  Press(*form, Qt::Key_F9);
  EXPECT_FALSE(form->Saved().has_value());
  ASSERT_EQ(prompter().Texts().size(), 2);
  EXPECT_TRUE(prompter().Texts().at(0).contains("refuzat"));
  EXPECT_TRUE(prompter().Texts().at(1).contains("redeschidere"));
  EXPECT_EQ(Records(), QStringList({"12345674|CASAB|POP|ION|1800101221152|20090101|20090630|S"}));
}

}  // namespace
