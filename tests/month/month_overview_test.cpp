#include <gtest/gtest.h>

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "cli/cli_console.h"
#include "cli/cli_declarations.h"
#include "cli/cli_overview.h"
#include "companies/company_store.h"
#include "dbf/dbf_checksum.h"
#include "leave/declaration_fixture.h"
#include "overview_fixture.h"

namespace {

TEST_F(OverviewTest, EachCompanyHasTheStateOfWhatItHasAndWhatWasWritten) {
  const struct {
    const QString& cf;
    MonthState state;
    QStringList missing;
  } cases[] = {
      {kReady, MonthState::kReady, {}},
      {kMissing,
       MonthState::kIncomplete,
       {QStringLiteral("un asigurat fara sume"), QStringLiteral("fara sumele angajatorului")}},
      {kWritten, MonthState::kWritten, {}},
      {kHandedIn, MonthState::kHandedIn, {}},
      {kEmpty, MonthState::kIncomplete, {QStringLiteral("fara asigurati in luna")}},
  };
  const std::vector<OverviewCompany> rows = Overview();
  ASSERT_EQ(rows.size(), std::size(cases));
  for (const auto& c : cases) {
    const OverviewCompany& row = Row(rows, c.cf);
    EXPECT_EQ(StateText(row.state), StateText(c.state)) << c.cf.toStdString();
    EXPECT_EQ(row.missing, c.missing) << c.cf.toStdString();
  }
  EXPECT_EQ(Row(rows, kWritten).houses, (QStringList{"CASAB", "CASVL"}));
  EXPECT_EQ(Row(rows, kWritten).healthDiffers, std::optional<bool>(false));
  // By state, then by name.
  QStringList order;
  for (const OverviewCompany& row : rows) order << row.name;
  EXPECT_EQ(order, (QStringList{"BETA SRL", "EPSILON SRL", "ALFA SRL", "GAMA SRL", "DELTA SRL"}));
}

TEST_F(OverviewTest, OneAmountChangedAfterWritingMakesTheFilesDifferToday) {
  Run(QStringLiteral("UPDATE asigurati.sume SET asig_datorat=101 WHERE cnp='1800101221148'"));
  std::vector<OverviewCompany> rows = Overview();
  EXPECT_EQ(StateText(Row(rows, kWritten).state), StateText(MonthState::kChanged));
  EXPECT_EQ(Row(rows, kWritten).healthDiffers, std::optional<bool>(true));
  // Handed in stays handed in; the check still tells its files differ.
  Run(QStringLiteral("UPDATE asigurati.sume SET asig_virat=99 WHERE cnp='1800101221149'"));
  rows = Overview();
  EXPECT_EQ(StateText(Row(rows, kHandedIn).state), StateText(MonthState::kHandedIn));
  EXPECT_EQ(Row(rows, kHandedIn).healthDiffers, std::optional<bool>(true));
  // Written again, the same company is written and unchanged; the mark comes off.
  WriteHealthFiles(kWritten);
  ASSERT_TRUE(SetHandedIn(client(), kHandedIn, kMonth, false));
  rows = Overview();
  EXPECT_EQ(StateText(Row(rows, kWritten).state), StateText(MonthState::kWritten));
  EXPECT_EQ(StateText(Row(rows, kHandedIn).state), StateText(MonthState::kChanged));
}

// A changed fiscal code takes the record of the written files along: the files carry the old
// code, so the company is told its files differ today, not that they were never written.
TEST_F(OverviewTest, AFiscalCodeChangeKeepsTheWrittenFilesRecord) {
  const QString moved = QStringLiteral("98765432");
  // As the company form saves it: its own row, then every row that carries the code.
  Run(QStringLiteral("UPDATE asigurati.societati SET cf=%1 WHERE cf=%2")
          .arg(Q(moved), Q(kWritten)));
  ASSERT_TRUE(MoveFiscalCode(client(), kWritten, moved));
  const std::vector<OverviewCompany> rows = Overview();
  EXPECT_FALSE(Row(rows, moved).healthWrittenAt.isEmpty());
  EXPECT_EQ(StateText(Row(rows, moved).state), StateText(MonthState::kChanged));
}

TEST_F(OverviewTest, TheWizardsSaveRecordsEachFileWithItsChecksumReplacingTheHousesRows) {
  const QString rows =
      QStringLiteral("SELECT COUNT(*) AS v FROM asigurati.fisiere_scrise WHERE cf=%1 AND fel='S'");
  EXPECT_EQ(Value(rows.arg(Q(kWritten))).toInt(), 6);
  // Written again: the same six rows, not twelve.
  WriteHealthFiles(kWritten);
  EXPECT_EQ(Value(rows.arg(Q(kWritten))).toInt(), 6);
  const auto record = ReadMonthRecord(client(), kMonth);
  ASSERT_TRUE(record);
  int checked = 0;
  for (const RecordedFile& file : record->files) {
    if (file.cf != kWritten) continue;
    const QString path = QDir(file.folder).filePath(file.name);
    EXPECT_EQ(file.folder, QDir(folder_.path()).absolutePath());
    EXPECT_TRUE(file.name.startsWith(file.cas + u'_' + kWritten)) << file.name.toStdString();
    EXPECT_EQ(DbfFileChecksum(path).value_or(QString()), file.checksum) << path.toStdString();
    EXPECT_EQ(file.checksum.size(), 64);
    ++checked;
  }
  EXPECT_EQ(checked, 6);
}

// The header's date is the only part of the file the checksum leaves out.
TEST(DbfChecksum, TheDateOfWritingDoesNotCountAndEveryOtherByteDoes) {
  QByteArray file(40, 'x');
  const QString sum = DbfChecksum(file);
  QByteArray otherDay = file;
  otherDay[1] = 9;
  otherDay[3] = 30;
  EXPECT_EQ(DbfChecksum(otherDay), sum);
  for (const int at : {0, 4, 39}) {
    QByteArray changed = file;
    changed[at] = 'y';
    EXPECT_NE(DbfChecksum(changed), sum) << at;
  }
}

// The leave declaration's files of the company of DeclarationTest, written by the command.
class OverviewLeaveTest : public DeclarationTest {
 protected:
  int Declare() {
    Console console(results_, results_);
    CollectingPrompter collecting;
    const QTemporaryDir folder;
    return RunDeclarations(client(), collecting, console,
                           DeclarationsRequest{kLuna, {kCui}, false, false, folder.path()});
  }
  static OverviewCompany Company() {
    const auto rows = MonthOverview(client(), prompter(), kLuna);
    EXPECT_TRUE(rows && rows->size() == 1);
    return rows && !rows->empty() ? rows->front() : OverviewCompany{};
  }
  void TearDown() override {
    std::fclose(results_);
    DeclarationTest::TearDown();
  }
  std::FILE* results_ = std::tmpfile();
};

TEST_F(OverviewLeaveTest, TheDeclarationsCommandRecordsA1AndA2AndARectificationChangesThem) {
  AddDeclaration(0);
  ASSERT_EQ(Declare(), 0);
  EXPECT_EQ(Value(QStringLiteral("SELECT GROUP_CONCAT(parte ORDER BY parte) AS v FROM "
                                 "asigurati.fisiere_scrise WHERE fel='C' AND luna=200906")),
            QStringLiteral("A1,A2"));
  OverviewCompany company = Company();
  EXPECT_EQ(DeclarationText(company), QStringLiteral("initiala, 0 certificate"));
  EXPECT_EQ(company.leaveDiffers, std::optional<bool>(false));
  AddDeclaration(1);
  company = Company();
  EXPECT_EQ(DeclarationText(company), QStringLiteral("rectificativa 1, 0 certificate"));
  EXPECT_EQ(company.leaveDiffers, std::optional<bool>(true));
  EXPECT_EQ(StateText(company.state), StateText(MonthState::kChanged));
  ASSERT_EQ(Declare(), 0);
  EXPECT_EQ(Company().leaveDiffers, std::optional<bool>(false));
  EXPECT_EQ(Value(QStringLiteral("SELECT COUNT(*) AS v FROM asigurati.fisiere_scrise")).toInt(), 2);
}

TEST_F(OverviewTest, TheCommandGivesOneJsonLinePerCompanyInTheOverviewsOrder) {
  std::FILE* results = std::tmpfile();
  ASSERT_NE(results, nullptr);
  {
    Console console(results, results);
    CollectingPrompter collecting;
    ASSERT_EQ(RunOverview(client(), collecting, console, OverviewRequest{kMonth, true}), 0);
  }
  std::rewind(results);
  QList<QJsonObject> lines;
  char buffer[4096];
  while (std::fgets(buffer, sizeof buffer, results) != nullptr) {
    const QJsonDocument line = QJsonDocument::fromJson(QByteArray(buffer).trimmed());
    ASSERT_TRUE(line.isObject()) << buffer;
    lines << line.object();
  }
  std::fclose(results);
  ASSERT_EQ(lines.size(), 5);
  EXPECT_EQ(lines[0].value("cf").toString(), kMissing);
  EXPECT_EQ(lines[0].value("stare").toString(), QStringLiteral("incomplet"));
  EXPECT_EQ(lines[0].value("fara_sume").toInt(), 1);
  EXPECT_FALSE(lines[0].value("sume_angajator").toBool());
  const QJsonObject& written = lines[3];
  EXPECT_EQ(written.value("cf").toString(), kWritten);
  EXPECT_EQ(written.value("stare").toString(), QStringLiteral("scris"));
  EXPECT_EQ(written.value("case").toVariant().toStringList(), (QStringList{"CASAB", "CASVL"}));
  EXPECT_FALSE(written.value("sanatate_difera").toBool(true));
  EXPECT_TRUE(written.value("concedii_scrise").isNull());
  EXPECT_TRUE(written.value("declaratie").isNull());
  EXPECT_EQ(lines[4].value("stare").toString(), QStringLiteral("predat"));
  EXPECT_FALSE(lines[4].value("predat").isNull());
}

}  // namespace
