#include "companies/company_delete.h"
#include "support/register_fixture.h"

namespace {

using CompanyDeleteTest = RegisterTest;

TEST_F(CompanyDeleteTest, AsksAboutWhatTheCompanyHasAndDeletesOnlyAfterEveryYes) {
  const QString insured = QStringLiteral(
      "Societatea selectata are asigurati introdusi si acestia vor fi stersi!\n\nEsti sigur ca "
      "vrei sa continui?");
  const QString declarations = QStringLiteral(
      "Societatea selectata are declaratii de concedii medicale introduse si acestea vor fi "
      "sterse!\n\nEsti sigur ca vrei sa continui?");
  const QString sure = QStringLiteral("Esti sigur ca vrei sa stergi societatea selectata?");
  const QString sureSure = QStringLiteral(
      "Sigur, sigur?\n\nToate informatiile introduse (salariati, concedii medicale) vor fi "
      "sterse!!");
  enum Holds { kNothing, kLiquidatedPerson, kDeclaration, kEverything };
  struct Case {
    Holds holds;
    FinalQuestion final;
    std::initializer_list<bool> answers;
    QStringList questions;
    CompanyDeletion outcome;
  };
  const Case cases[] = {
      {kNothing, FinalQuestion::kNone, {true}, {sure}, CompanyDeletion::kDeleted},
      {kNothing, FinalQuestion::kNone, {false}, {sure}, CompanyDeletion::kCancelled},
      {kLiquidatedPerson,
       FinalQuestion::kNone,
       {true, true},
       {insured, sure},
       CompanyDeletion::kDeleted},
      {kEverything, FinalQuestion::kNone, {false}, {insured}, CompanyDeletion::kCancelled},
      {kDeclaration,
       FinalQuestion::kNone,
       {true, true},
       {declarations, sure},
       CompanyDeletion::kDeleted},
      {kEverything,
       FinalQuestion::kNone,
       {true, false},
       {insured, declarations},
       CompanyDeletion::kCancelled},
      {kEverything,
       FinalQuestion::kNone,
       {true, true, true},
       {insured, declarations, sure},
       CompanyDeletion::kDeleted},
      // The medical-leave screen asks once more.
      {kNothing,
       FinalQuestion::kSureSure,
       {true, true},
       {sure, sureSure},
       CompanyDeletion::kDeleted},
      {kEverything,
       FinalQuestion::kSureSure,
       {true, true, true, false},
       {insured, declarations, sure, sureSure},
       CompanyDeletion::kCancelled},
  };
  int number = 0;
  for (const Case& c : cases) {
    SetUp();
    AddCompany(kCui, QStringLiteral("ALFA SRL"));
    if (c.holds == kEverything) AddRegisterRows(kCui);
    if (c.holds == kLiquidatedPerson) AddInsured(kCui, kCnp, QStringLiteral("CASAB"), 20090630);
    if (c.holds == kDeclaration) {
      Run(QStringLiteral("INSERT INTO concedii.declaratii (cf, luna) VALUES (%1, 200906)")
              .arg(Q(kCui)));
    }
    AddCompany(kOtherCui, QStringLiteral("BETA SRL"));
    AddRegisterRows(kOtherCui);
    const std::vector<int> before = RowsOf(kCui);
    prompter().QueueAnswers(c.answers);
    SCOPED_TRACE(++number);
    EXPECT_EQ(DeleteCompanyCascade(client(), prompter(), kCui, c.final), c.outcome);
    EXPECT_EQ(prompter().Texts(), c.questions);
    EXPECT_EQ(RowsOf(kCui),
              c.outcome == CompanyDeletion::kDeleted ? std::vector<int>(7, 0) : before);
    EXPECT_EQ(RowsOf(kOtherCui), std::vector<int>(7, 1));
  }
}

TEST_F(CompanyDeleteTest, AFailedStatementStopsWithTheCompanyLeftForASecondTry) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  AddRegisterRows(kCui);
  Run(QStringLiteral("RENAME TABLE asigurati.sume_societati TO asigurati.ss_aside"));
  prompter().QueueAnswers({true, true, true});
  const CompanyDeletion outcome =
      DeleteCompanyCascade(client(), prompter(), kCui, FinalQuestion::kNone);
  const QStringList shown = prompter().Texts();
  Run(QStringLiteral("RENAME TABLE asigurati.ss_aside TO asigurati.sume_societati"));
  EXPECT_EQ(outcome, CompanyDeletion::kFailed);
  ASSERT_EQ(shown.size(), 4);
  EXPECT_TRUE(shown.last().startsWith(QStringLiteral("EROARE Mysql:\n\n")))
      << shown.last().toStdString();
  EXPECT_EQ(RowsOf(kCui), std::vector<int>({1, 0, 0, 0, 1, 1, 1}));
  prompter().QueueAnswers({true, true});
  EXPECT_EQ(DeleteCompanyCascade(client(), prompter(), kCui, FinalQuestion::kNone),
            CompanyDeletion::kDeleted);
  EXPECT_EQ(RowsOf(kCui), std::vector<int>(7, 0));
}

}  // namespace
