#include "health/company_delete.h"
#include "health_fixture.h"

namespace {

const QString kInsuredQuestion = QStringLiteral(
    "Societatea selectata are asigurati introdusi si acestia vor fi stersi!\n\nEsti sigur ca "
    "vrei sa continui?");
const QString kDeclarationsQuestion = QStringLiteral(
    "Societatea selectata are declaratii de concedii medicale introduse si acestea vor fi "
    "sterse!\n\nEsti sigur ca vrei sa continui?");
const QString kDeleteQuestion =
    QStringLiteral("Esti sigur ca vrei sa stergi societatea selectata?");
const QString kSureSure = QStringLiteral(
    "Sigur, sigur?\n\nToate informatiile introduse (salariati, concedii medicale) vor fi "
    "sterse!!");

using CompanyDeleteTest = HealthTest;

TEST_F(CompanyDeleteTest, AsksWhatTheCompanyHasAndDeletesOnlyAfterEveryYes) {
  struct Case {
    const char* what;
    bool insured;
    bool declarations;
    FinalQuestion final;
    std::initializer_list<bool> answers;
    QStringList questions;
    CompanyDeletion outcome;
  };
  const Case cases[] = {
      {"empty company",
       false,
       false,
       FinalQuestion::kNone,
       {true},
       {kDeleteQuestion},
       CompanyDeletion::kDeleted},
      {"empty company, no",
       false,
       false,
       FinalQuestion::kNone,
       {false},
       {kDeleteQuestion},
       CompanyDeletion::kCancelled},
      {"with insured persons",
       true,
       false,
       FinalQuestion::kNone,
       {true, true},
       {kInsuredQuestion, kDeleteQuestion},
       CompanyDeletion::kDeleted},
      {"no to the insured question",
       true,
       true,
       FinalQuestion::kNone,
       {false},
       {kInsuredQuestion},
       CompanyDeletion::kCancelled},
      {"with declarations only",
       false,
       true,
       FinalQuestion::kNone,
       {true, true},
       {kDeclarationsQuestion, kDeleteQuestion},
       CompanyDeletion::kDeleted},
      {"no to the declarations question",
       true,
       true,
       FinalQuestion::kNone,
       {true, false},
       {kInsuredQuestion, kDeclarationsQuestion},
       CompanyDeletion::kCancelled},
      {"everything",
       true,
       true,
       FinalQuestion::kNone,
       {true, true, true},
       {kInsuredQuestion, kDeclarationsQuestion, kDeleteQuestion},
       CompanyDeletion::kDeleted},
      {"leave screen",
       false,
       false,
       FinalQuestion::kSureSure,
       {true, true},
       {kDeleteQuestion, kSureSure},
       CompanyDeletion::kDeleted},
      {"leave screen, no to sure-sure",
       true,
       true,
       FinalQuestion::kSureSure,
       {true, true, true, false},
       {kInsuredQuestion, kDeclarationsQuestion, kDeleteQuestion, kSureSure},
       CompanyDeletion::kCancelled},
  };
  for (const Case& c : cases) {
    SetUp();
    AddCompany(kCui, QStringLiteral("ALFA SRL"));
    if (c.insured) AddInsured(kCui, kCnp, QStringLiteral("CASAB"), 20090630);  // liquidated
    if (c.declarations) {
      server().Run(QStringLiteral("INSERT INTO concedii.declaratii (cf, luna) VALUES ('") + kCui +
                   QStringLiteral("', 200906)"));
    }
    AddCompany(kOtherCui, QStringLiteral("BETA SRL"));
    AddRegisterRows(kOtherCui);
    const std::vector<int> before = RowsOf(kCui);
    prompter().QueueAnswers(c.answers);
    EXPECT_EQ(DeleteCompanyCascade(client(), prompter(), kCui, c.final), c.outcome) << c.what;
    EXPECT_EQ(prompter().Texts(), c.questions) << c.what;
    const std::vector<int> expected =
        c.outcome == CompanyDeletion::kDeleted ? std::vector<int>(7, 0) : before;
    EXPECT_EQ(RowsOf(kCui), expected) << c.what;
    EXPECT_EQ(RowsOf(kOtherCui), std::vector<int>(7, 1)) << c.what;
  }
}

TEST_F(CompanyDeleteTest, DeletesEveryRowOfTheCompanyInBothDatabases) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  AddRegisterRows(kCui);
  AddInsured(kCui, kOtherCnp, QStringLiteral("CASCJ"), 20081231);
  AddCompany(kOtherCui, QStringLiteral("BETA SRL"));
  AddRegisterRows(kOtherCui);
  prompter().QueueAnswers({true, true, true});
  EXPECT_EQ(DeleteCompanyCascade(client(), prompter(), kCui, FinalQuestion::kNone),
            CompanyDeletion::kDeleted);
  EXPECT_EQ(RowsOf(kCui), std::vector<int>(7, 0));
  EXPECT_EQ(RowsOf(kOtherCui), std::vector<int>(7, 1));
}

TEST_F(CompanyDeleteTest, AFailedStatementStopsWithTheCompanyStillThere) {
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  AddRegisterRows(kCui);
  server().Run(QStringLiteral("RENAME TABLE asigurati.sume_societati TO asigurati.ss_aside"));
  prompter().QueueAnswers({true, true, true});
  const CompanyDeletion outcome =
      DeleteCompanyCascade(client(), prompter(), kCui, FinalQuestion::kNone);
  const QStringList shown = prompter().Texts();
  server().Run(QStringLiteral("RENAME TABLE asigurati.ss_aside TO asigurati.sume_societati"));
  EXPECT_EQ(outcome, CompanyDeletion::kFailed);
  ASSERT_EQ(shown.size(), 4);
  EXPECT_TRUE(shown.last().startsWith(QStringLiteral("EROARE Mysql:\n\n")))
      << shown.last().toStdString();
  // The tables before the failure are emptied, the company row is left for a second try.
  EXPECT_EQ(RowsOf(kCui), std::vector<int>({1, 0, 0, 0, 1, 1, 1}));
}

}  // namespace
