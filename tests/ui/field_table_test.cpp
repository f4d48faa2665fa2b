#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "store/schema/schema.h"
#include "store/schema/schema_tables.h"
#include "support/form_driver.h"
#include "support/print_to.h"
#include "support/test_server.h"
#include "ui/c_date_input.h"
#include "ui/record_fields.h"

namespace {

struct Person {
  QString cf;
  QString nume;
  QString prenume;
  QString cnp;
  QString cas;
  int intrare = 0;
  bool operator==(const Person&) const = default;
};

// An insured person's fields as a form of the register lists them: names limited to 50
// characters in their columns of 100, except the first name, which keeps the column's width.
const FieldTable<Person>& PersonTable() {
  static const FieldTable<Person> table = {
      "asigurati",
      "asigurati",
      {"", "   Perioada   "},
      {
          {"CF", "cf", "CUI:", &Person::cf, Typing::kDigits},
          {"NUME", "nume", "Nume:", &Person::nume, Typing::kUpper, 0, 50},
          {"PRENUME", "prenume", "Prenume:", &Person::prenume, Typing::kUpper},
          {"CNP", "cnp", "CNP:", &Person::cnp, Typing::kDigits},
          {"CAS", "cas", "Casa:", &Person::cas, Typing::kAsTyped, 0, 0, "(CASAB)"},
          {"INTRARE", "intrare", "Data angajarii:", &Person::intrare, Typing::kAsTyped, 1},
      }};
  return table;
}

class PersonForm : public CRecordFormOf<Person> {
 public:
  explicit PersonForm(Mode mode = Mode::kAdd)
      : CRecordFormOf<Person>(nullptr, mode, QStringLiteral("Persoana")), fields_(PersonTable()) {
    fields_.Build(*this);
  }
  void Show(const Person& person) { fields_.Show(person); }
  void NotLoaded() { SetLoaded(false); }
  bool refuse = false;
  int saves = 0;

 protected:
  std::optional<Person> Save() override {
    ++saves;
    if (refuse) return std::nullopt;
    Person person;
    fields_.Read(person);
    return person;
  }

 private:
  RecordFields<Person> fields_;
};

Person Sample() {
  return {QStringLiteral("12345674"),      QStringLiteral("POPESCU"), QStringLiteral("ION VASILE"),
          QStringLiteral("1800101221144"), QStringLiteral("CASAB"),   20090604};
}

TEST(FieldTable, LimitsShowsAndReadsEveryField) {
  PersonForm form;
  form.show();
  const std::tuple<const char*, int, QString, QString> fields[] = {
      {"cf", 13, "ro1234a5674", "12345674"}, {"nume", 50, "popescu-ştefan", "POPESCU-ŞTEFAN"},
      {"prenume", 100, "ion", "ION"},        {"cnp", 13, "18001012211449", "1800101221144"},
      {"cas", 5, "casab1", "casab"},
  };
  for (const auto& [name, length, typed, shown] : fields) {
    auto* edit = form.findChild<QLineEdit*>(QLatin1String(name));
    ASSERT_NE(edit, nullptr) << name;
    EXPECT_EQ(edit->maxLength(), length) << name;
    Retype(form, name, typed);
    EXPECT_EQ(FieldText(form, name), shown) << name;
  }
  EXPECT_NE(form.findChild<CDateInput*>(QStringLiteral("intrare")), nullptr);

  const Person person = Sample();
  form.Show(person);
  EXPECT_EQ(FieldText(form, "nume"), person.nume);
  EXPECT_EQ(FieldText(form, "intrare_zi") + FieldText(form, "intrare_luna") +
                FieldText(form, "intrare_an"),
            QStringLiteral("04062009"));
  Press(form, Qt::Key_F5);
  ASSERT_TRUE(form.Saved().has_value());
  EXPECT_EQ(*form.Saved(), person);
}

TEST(FieldTable, InputsAreAsWideAsTheirLengthAndShowSixtyLettersWhole) {
  PersonForm form;
  form.show();
  const auto width = [&form](const char* name) {
    return form.findChild<QLineEdit*>(QLatin1String(name))->width();
  };
  EXPECT_LT(width("cas"), width("cnp"));
  EXPECT_LT(width("cnp"), width("nume"));
  EXPECT_LT(width("nume"), width("prenume"));
  auto* prenume = form.findChild<QLineEdit*>(QStringLiteral("prenume"));
  const QString sixty =
      QStringLiteral("SOCIETATEA COMERCIALA DE CONSTRUCTII MONTAJ SI REPARATII SRL");
  ASSERT_EQ(sixty.size(), 60);
  EXPECT_LE(prenume->fontMetrics().horizontalAdvance(sixty), prenume->contentsRect().width());
}

TEST(RecordForm, ConfirmsOnlyWithItsKeyAndClosesOnlyWhenSaved) {
  PersonForm add;
  add.show();
  EXPECT_EQ(add.findChild<QPushButton*>(QStringLiteral("ok"))->text(),
            QStringLiteral("[F5]   Adauga"));
  EXPECT_EQ(add.findChild<QPushButton*>(QStringLiteral("cancel"))->text(),
            QStringLiteral("[ESC]   Renunta"));
  for (const Qt::Key key : {Qt::Key_F6, Qt::Key_Return, Qt::Key_Enter, Qt::Key_F9}) {
    Press(add, key);
  }
  EXPECT_EQ(add.saves, 0);
  add.refuse = true;
  Press(add, Qt::Key_F5);
  EXPECT_EQ(add.saves, 1);
  EXPECT_TRUE(add.isVisible());
  EXPECT_FALSE(add.Saved().has_value());

  PersonForm modify(CRecordForm::Mode::kModify);
  modify.show();
  EXPECT_EQ(modify.findChild<QPushButton*>(QStringLiteral("ok"))->text(),
            QStringLiteral("[F6]   Modifica"));
  Press(modify, Qt::Key_F5);
  EXPECT_EQ(modify.saves, 0);
  modify.SetOkKey(Qt::Key_F9, QStringLiteral("Salveaza"), true);
  EXPECT_EQ(modify.findChild<QPushButton*>(QStringLiteral("ok"))->text(),
            QStringLiteral("[F9]   Salveaza"));
  Press(modify, Qt::Key_F6);
  EXPECT_EQ(modify.saves, 0);
  Press(modify, Qt::Key_Return);
  EXPECT_EQ(modify.saves, 1);
  EXPECT_FALSE(modify.isVisible());
  EXPECT_EQ(modify.result(), QDialog::Accepted);
}

TEST(RecordForm, RunReturnsTheSavedRecordOrNothing) {
  int driven = 0;
  SetModalDriver([&driven](QDialog& dialog) {
    ++driven;
    Retype(dialog, "nume", QStringLiteral("ionescu"));
    Press(dialog, driven == 1 ? Qt::Key_F5 : Qt::Key_Escape);
  });
  EXPECT_EQ(PersonForm().Run().value_or(Person()).nume, QStringLiteral("IONESCU"));
  EXPECT_FALSE(PersonForm().Run().has_value());
  PersonForm gone(CRecordForm::Mode::kModify);
  gone.NotLoaded();
  EXPECT_FALSE(gone.Run().has_value());
  EXPECT_EQ(driven, 2);  // a record that could not be read is not shown
  SetModalDriver(nullptr);
}

TEST(FieldTable, WritesAndLoadsEveryFieldThroughTheServer) {
  CClient& client = TestServer::Instance().Client();
  UpgradeSchema(client);
  const Person person = Sample();
  ASSERT_EQ(client.AuditedInsert(InsuredTable(), FieldColumns(PersonTable(), person)), 0);
  ASSERT_EQ(client.Execute(Sql(u"SELECT * FROM asigurati.asigurati AS a WHERE a.index=%1",
                               Number(client.LastInsertId())),
                           1),
            0);
  Person loaded;
  LoadFields(client, PersonTable(), loaded);
  EXPECT_EQ(loaded, person);
}

}  // namespace
