#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "screens/health/c_employee_amounts_dialog.h"
#include "screens/health/c_employer_amounts_dialog.h"
#include "screens/health/c_health_dialog.h"
#include "screens/health/c_report_wizard_dialog.h"
#include "support/register_fixture.h"
#include "ui/c_list_view_ex.h"

#include "amounts_fixture.h"

namespace {

const QString kNoMonth =
    QStringLiteral("Trebuie sa selectezi o luna pentru care se genereaza rapoarte!");
const QString kBadMonth = QStringLiteral("Luna introdusa este incorecta!");

class ReportWizardTest : public AmountsTest {
 protected:
  // Types a month into the open month form and saves it with the key given.
  static void TypeMonth(QDialog& form, const QString& month, const QString& year, Qt::Key key) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Pasul 1: Luna pentru care se lucreaza"));
    Retype(form, "luna", month);
    Retype(form, "an", year);
    Press(form, key);
  }
};

TEST_F(ReportWizardTest, HealthPanelOpensTheWizardWhoseMonthGatesTheOtherSteps) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  CHealthDialog panel(nullptr, &client(), &prompter());
  panel.show();
  int wizardMonth = -1;
  Then([&](QDialog& form) {
    auto& wizard = dynamic_cast<CReportWizardDialog&>(form);
    EXPECT_EQ(wizard.windowTitle(), QStringLiteral("Generare de rapoarte"));
    EXPECT_EQ(Label(wizard, "month"), QStringLiteral("."));
    EXPECT_EQ(wizard.findChild<QPushButton*>("step3")->text(),
              QStringLiteral("[F4]   Pasul 3: Introdu suma datorata/virata de catre angajator"));
    for (Qt::Key key : {Qt::Key_F3, Qt::Key_F4, Qt::Key_F5}) QTest::keyClick(&wizard, key);
    EXPECT_EQ(prompter().Texts(), QStringList({kNoMonth, kNoMonth, kNoMonth}));
    // Refused months keep the form open; Enter saves as F2 does.
    Then([&](QDialog& month) {
      for (const auto& [m, y] :
           {std::pair{"13", "2009"}, {"0", "2009"}, {"6", "1899"}, {"6", "09"}}) {
        TypeMonth(month, QLatin1String(m), QLatin1String(y), Qt::Key_F2);
        EXPECT_TRUE(month.isVisible());
        EXPECT_EQ(prompter().LastText(), kBadMonth);
      }
      TypeMonth(month, "6", "2009", Qt::Key_Return);
      EXPECT_EQ(month.result(), QDialog::Accepted);
    });
    QTest::keyClick(&wizard, Qt::Key_F2);
    EXPECT_EQ(Label(wizard, "month"), QStringLiteral("Luna pentru care se lucreaza: 6 2009"));
    EXPECT_EQ(wizard.Month(), 200906);
    // Reopened, the form shows the month; cancelled, the month stays.
    Then([&](QDialog& month) {
      EXPECT_EQ(FieldText(month, "luna"), QStringLiteral("06"));
      EXPECT_EQ(FieldText(month, "an"), QStringLiteral("2009"));
      Retype(month, "luna", "7");
      Press(month, Qt::Key_Escape);
    });
    QTest::mouseClick(wizard.findChild<QPushButton*>("step1"), Qt::LeftButton);
    EXPECT_EQ(wizard.Month(), 200906);
    // A bad month typed over a chosen one leaves it unchanged.
    Then([&](QDialog& month) {
      TypeMonth(month, "13", "2009", Qt::Key_F2);
      Press(month, Qt::Key_Escape);
    });
    QTest::keyClick(&wizard, Qt::Key_F2);
    EXPECT_EQ(wizard.Month(), 200906);
    Then([&](QDialog& step) {
      EXPECT_EQ(step.windowTitle(),
                QStringLiteral("Pasul 2: Introducere / actualizare a obligatiilor"));
      EXPECT_EQ(Label(step, "month"), QStringLiteral("Luna curenta: 6 2009"));
      QTest::keyClick(&step, Qt::Key_Escape);
    });
    QTest::keyClick(&wizard, Qt::Key_F3);
    Then([&](QDialog& step) {
      EXPECT_EQ(step.windowTitle(), QStringLiteral("Pasul 3: Sumele datorate de catre angajator"));
      QTest::keyClick(&step, Qt::Key_Escape);
    });
    QTest::keyClick(&wizard, Qt::Key_F4);
    Then([&](QDialog& step) {
      EXPECT_EQ(step.windowTitle(), QStringLiteral("Pasul 4: Generare de rapoarte"));
      EXPECT_EQ(Label(step, "month"), QStringLiteral("Luna curenta: 6 2009"));
      QTest::keyClick(&step, Qt::Key_Escape);
    });
    QTest::keyClick(&wizard, Qt::Key_F5);
    wizardMonth = wizard.Month();
  });
  QTest::mouseClick(panel.findChild<QPushButton*>("reports"), Qt::LeftButton);
  EXPECT_EQ(wizardMonth, 200906);
  EXPECT_TRUE(ScriptDone());
  // Reopened, the wizard starts without a month.
  Then([&](QDialog& form) { EXPECT_EQ(dynamic_cast<CReportWizardDialog&>(form).Month(), 0); });
  QTest::mouseClick(panel.findChild<QPushButton*>("reports"), Qt::LeftButton);
  EXPECT_TRUE(ScriptDone());
}

TEST_F(ReportWizardTest, StepsThatCannotReadTheCompaniesDoNotOpen) {
  Run("RENAME TABLE asigurati.societati TO asigurati.societati_away");
  CEmployeeAmountsDialog::Open(nullptr, client(), prompter(), 200906);
  CEmployerAmountsDialog::Open(nullptr, client(), prompter(), 200906);
  Quietly("RENAME TABLE asigurati.societati_away TO asigurati.societati");
  ASSERT_EQ(prompter().Texts().size(), 2u);
  for (const QString& text : prompter().Texts()) EXPECT_TRUE(text.startsWith("EROARE Mysql:"));
  EXPECT_TRUE(ScriptDone());  // no form was shown
}

}  // namespace
