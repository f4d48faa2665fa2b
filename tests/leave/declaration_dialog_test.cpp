#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "screens/leave/c_declaration_dialog.h"
#include "support/register_fixture.h"

namespace {

constexpr const char* kComputed[] = {"baza", "contributii_datorate", "faambp_datorat",
                                     "total_contributii"};

class DeclarationDialogTest : public RegisterTest {
 protected:
  std::unique_ptr<CDeclarationDialog> OpenAdd() {
    auto form = std::make_unique<CDeclarationDialog>(nullptr, client(), prompter(),
                                                     CRecordForm::Mode::kAdd, kCui);
    form->show();
    return form;
  }
  std::unique_ptr<CDeclarationDialog> OpenModify(qint64 index) {
    auto form = std::make_unique<CDeclarationDialog>(nullptr, client(), prompter(),
                                                     CRecordForm::Mode::kModify, QString(), index);
    form->show();
    return form;
  }
  // Base, F, H and I as the form shows them.
  static QStringList Computed(QWidget& form) {
    QStringList shown;
    for (const char* name : kComputed) shown.append(FieldText(form, name));
    return shown;
  }
  static QString Rate(QWidget& form) {
    return form.findChild<QLabel*>(QStringLiteral("rate"))->text();
  }
  // Fields that pass every check, for June 2009.
  static void FillValid(QWidget& form) {
    Retype(form, "luna", "06");
    Retype(form, "an", "2009");
    Retype(form, "zile_lucratoare", "22");
    Retype(form, "salariul_minim", "500");
    Retype(form, "nr_ang", "5");
    Retype(form, "fond_de_salarii", "100000");
    Retype(form, "faambp", "1000");
    Retype(form, "de_recuperat_anterior", "20");
  }
  static QString Stored(qint64 index, const char* columns) {
    return Value(QStringLiteral("SELECT CONCAT_WS('|', %1) AS v FROM concedii.declaratii WHERE "
                                "`index`=%2")
                     .arg(QLatin1String(columns))
                     .arg(index));
  }
  static QString Declarations() {
    return Value(QStringLiteral("SELECT COUNT(*) AS v FROM concedii.declaratii"));
  }
  static qint64 StoreDeclaration(const QString& values) {
    Run(QStringLiteral("INSERT INTO concedii.declaratii (cf, luna, rectificativa, rectif_nr, "
                       "zile_lucratoare, salariul_minim, nr_ang, fond_de_salarii, "
                       "contributii_datorate, faambp, faambp_datorat, de_recuperat_anterior) "
                       "VALUES (") +
        values + u')');
    return Value(QStringLiteral("SELECT MAX(`index`) AS v FROM concedii.declaratii")).toLongLong();
  }
};

TEST_F(DeclarationDialogTest, TheFiguresFollowWhatTheUserTypes) {
  auto form = OpenAdd();
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Adauga declaratie"));
  EXPECT_EQ(form->findChild<QPushButton*>(QStringLiteral("ok"))->text(), "[F5]   Adauga");
  struct Step {
    const char* field;
    const char* typed;
    QStringList computed;  // base, F, H, I
    const char* rate;
  };
  const Step steps[] = {
      {"an", "2006", {"", "0", "", "0"}, "= baza de calcul x 0.75%"},
      {"an", "2007", {"", "0", "", "0"}, "= baza de calcul x 0.85%"},
      {"an", "2009", {"", "0", "", "0"}, "= baza de calcul x 0.85%"},
      // No cap without employees and a minimum wage: nothing is owed yet.
      {"fond_de_salarii", "100000", {"0", "0", "", "0"}, "= baza de calcul x 0.85%"},
      {"nr_ang", "5", {"0", "0", "", "0"}, "= baza de calcul x 0.85%"},
      // Capped at 5 employees x 12 months x 500.
      {"salariul_minim", "500", {"30000", "255", "", "255"}, "= baza de calcul x 0.85%"},
      {"faambp", "1000", {"30000", "255", "9", "264"}, "= baza de calcul x 0.85%"},
      {"fond_de_salarii", "50", {"50", "1", "9", "10"}, "= baza de calcul x 0.85%"},
      {"fond_de_salarii", "0", {"0", "0", "9", "9"}, "= baza de calcul x 0.85%"},
      {"an", "2006", {"0", "0", "9", "9"}, "= baza de calcul x 0.75%"},
      {"fond_de_salarii", "20000", {"20000", "150", "9", "159"}, "= baza de calcul x 0.75%"},
  };
  for (const Step& step : steps) {
    Retype(*form, step.field, QLatin1String(step.typed));
    EXPECT_EQ(Computed(*form), step.computed) << step.field << " " << step.typed;
    EXPECT_EQ(Rate(*form), QLatin1String(step.rate)) << step.field << " " << step.typed;
  }
  // Letters stay out of the digit fields, typed or pasted.
  Retype(*form, "nr_ang", "5a");
  QApplication::clipboard()->setText(QStringLiteral("12x"));
  auto* fund = form->findChild<QLineEdit*>(QStringLiteral("fond_de_salarii"));
  fund->selectAll();
  fund->paste();
  EXPECT_EQ(FieldText(*form, "nr_ang"), "5");
  EXPECT_EQ(fund->text(), "20000");
  EXPECT_TRUE(prompter().Messages().empty()) << prompter().LastText().toStdString();
}

TEST_F(DeclarationDialogTest, EachNewDeclarationOfAMonthTakesTheNextKind) {
  const QStringList expected = {"initiala", "rectificativa", "rectificativa"};
  for (int made = 0; made < 3; ++made) {
    auto form = OpenAdd();
    FillValid(*form);
    EXPECT_EQ(FieldText(*form, "tip"), expected[made]);
    Press(*form, Qt::Key_F5);
    ASSERT_EQ(form->result(), QDialog::Accepted) << prompter().LastText().toStdString();
    const SavedDeclaration saved = *form->Saved();
    EXPECT_EQ(saved.luna, 200906);
    EXPECT_EQ(saved.kind, (DeclarationKind{made > 0, made}));
    EXPECT_EQ(Stored(saved.index,
                     "cf, luna, rectificativa, rectif_nr, zile_lucratoare, salariul_minim, "
                     "nr_ang, fond_de_salarii, contributii_datorate, faambp, faambp_datorat, "
                     "de_recuperat_anterior"),
              QStringLiteral("%1|200906|%2|%3|22|500|5|100000|255|1000|9|20")
                  .arg(kCui, made == 0 ? QStringLiteral("NU") : QStringLiteral("DA"))
                  .arg(made));
  }
  // Another month starts again with its initial declaration.
  auto form = OpenAdd();
  FillValid(*form);
  Retype(*form, "luna", "7");
  EXPECT_EQ(FieldText(*form, "tip"), "initiala");
}

TEST_F(DeclarationDialogTest, TheKindIsDecidedAgainWhenTheFormIsConfirmed) {
  auto form = OpenAdd();
  FillValid(*form);
  EXPECT_EQ(FieldText(*form, "tip"), "initiala");
  // Meanwhile the month received its initial declaration and a first rectification.
  StoreDeclaration(QStringLiteral("%1, 200906, 'NU', 0, 22, 500, 5, 1, 1, 0, 0, 0").arg(Q(kCui)));
  StoreDeclaration(QStringLiteral("%1, 200906, 'DA', 1, 22, 500, 5, 1, 1, 0, 0, 0").arg(Q(kCui)));
  Press(*form, Qt::Key_F5);
  ASSERT_EQ(form->result(), QDialog::Accepted);
  EXPECT_EQ(form->Saved()->kind, (DeclarationKind{true, 2}));
  EXPECT_EQ(Stored(form->Saved()->index, "rectificativa, rectif_nr"), "DA|2");
  EXPECT_EQ(FieldText(*form, "tip"), "rectificativa");
}

TEST_F(DeclarationDialogTest, BadInputIsRefusedInTheFormsOrderAndNothingIsWritten) {
  struct Case {
    const char* field;
    const char* typed;
    const char* message;
  };
  const Case cases[] = {
      {"luna", "13", "Luna declaratiei este incorecta!"},
      {"luna", "00", "Luna declaratiei este incorecta!"},
      {"an", "2005", "Luna declaratiei este incorecta!"},
      {"an", "", "Luna declaratiei este incorecta!"},
      {"zile_lucratoare", "24", "Numarul de zile lucratoare este incorect!"},
      {"nr_ang", "0", "Numarul de angajati este incorect!"},
      {"salariul_minim", "0", "Trebuie sa introduci salariul minim pe economie!"},
      {"salariul_minim", "", "Trebuie sa introduci salariul minim pe economie!"},
      {"fond_de_salarii", "", "Trebuie sa introduci fondul de salarii!"},
  };
  for (const Case& bad : cases) {
    prompter().Clear();
    auto form = OpenAdd();
    FillValid(*form);
    Retype(*form, bad.field, QLatin1String(bad.typed));
    Press(*form, Qt::Key_F5);
    EXPECT_NE(form->result(), QDialog::Accepted) << bad.field << " " << bad.typed;
    EXPECT_EQ(prompter().Texts(), QStringList{QLatin1String(bad.message)})
        << bad.field << " " << bad.typed;
    EXPECT_EQ(FieldText(*form, bad.field), QLatin1String(bad.typed));
  }
  EXPECT_EQ(Declarations(), "0");
}

TEST_F(DeclarationDialogTest, ModifyModeShowsFAsStoredAndTheRestFromG) {
  // F stored as 300, not what its base gives today; H stored stale.
  const qint64 index = StoreDeclaration(
      QStringLiteral("%1, 200607, 'NU', 0, 21, 330, 3, 5000, 300, 2000, 1, 7").arg(Q(kCui)));
  auto form = OpenModify(index);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Modifica declaratie"));
  EXPECT_EQ(form->findChild<QPushButton*>(QStringLiteral("ok"))->text(), "[F6]   Modifica");
  EXPECT_EQ(FieldText(*form, "luna"), "07");
  EXPECT_EQ(FieldText(*form, "an"), "2006");
  EXPECT_FALSE(form->findChild<QLineEdit*>(QStringLiteral("luna"))->isEnabled());
  EXPECT_FALSE(form->findChild<QLineEdit*>(QStringLiteral("an"))->isEnabled());
  EXPECT_EQ(FieldText(*form, "tip"), "initiala");
  EXPECT_EQ(Rate(*form), "= baza de calcul x 0.75%");
  EXPECT_EQ(Computed(*form), QStringList({"5000", "300", "17", "317"}));
  Retype(*form, "nr_ang", "4");  // the user's change computes F again: 5000 x 0.75%
  EXPECT_EQ(Computed(*form), QStringList({"5000", "38", "17", "55"}));
  Press(*form, Qt::Key_F6);
  ASSERT_EQ(form->result(), QDialog::Accepted) << prompter().LastText().toStdString();
  EXPECT_EQ(Stored(index, "luna, rectificativa, nr_ang, contributii_datorate, faambp_datorat"),
            "200607|NU|4|38|17");
}

TEST_F(DeclarationDialogTest, AFailedWriteKeepsTheFormOpenWithTheTypedValues) {
  const qint64 index = StoreDeclaration(
      QStringLiteral("%1, 200906, 'NU', 0, 22, 500, 5, 100000, 255, 0, 0, 0").arg(Q(kCui)));
  auto form = OpenModify(index);
  Retype(*form, "de_recuperat_anterior", "77");
  // The server refuses the update.
  Run(
      QStringLiteral("CREATE TRIGGER concedii.refuse BEFORE UPDATE ON concedii.declaratii FOR "
                     "EACH ROW SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='refuzat'"));
  Press(*form, Qt::Key_F6);
  const QStringList shown = prompter().Texts();
  Run(QStringLiteral("DROP TRIGGER concedii.refuse"));
  EXPECT_NE(form->result(), QDialog::Accepted);
  EXPECT_EQ(shown, QStringList{"EROARE Mysql:\n\nrefuzat"});
  EXPECT_EQ(FieldText(*form, "de_recuperat_anterior"), "77");
  EXPECT_EQ(Stored(index, "de_recuperat_anterior"), "0");
}

}  // namespace
