// The Registru panel of the main menu, the day's copy at the exit and the restore asked for
// in the window, done by the command before the window opens the register.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/c_main_menu_dialog.h"
#include "app/exit_copy.h"
#include "app/scheduled_restore_run.h"
#include "screens/register/c_register_dialog.h"
#include "store/copies/copy_reader.h"
#include "store/copies/copy_writer.h"
#include "store/copies/scheduled_restore.h"
#include "store/schema/schema.h"
#include "support/form_driver.h"
#include "support/test_server.h"

namespace {

class RegisterPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestServer::Instance().UpgradeOnce();
    prompter().Clear();
  }
  static ScriptedPrompter& prompter() { return TestServer::Instance().Prompter(); }
  static CClient& client() { return TestServer::Instance().Client(); }

  // A whole copy of the test's register.
  QString Copy() {
    const auto taken = TakeCopy(client(), folder_.path(), CopyProgramName(QStringLiteral("t")));
    EXPECT_TRUE(std::holds_alternative<TakenCopy>(taken));
    return std::holds_alternative<TakenCopy>(taken) ? std::get<TakenCopy>(taken).file : QString();
  }
  QString NotACopy() {
    const QString path = folder_.filePath(QStringLiteral("alta.sql.gz"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("nu este o copie\n");
    return path;
  }

  QTemporaryDir folder_;
};

TEST_F(RegisterPanelTest, ACopyIsWrittenIntoTheChosenFolder) {
  CMainMenuDialog menu(&prompter(), nullptr, &client());
  menu.show();
  Click(menu, "buttonRegister");
  ASSERT_EQ(menu.CurrentPanel(), menu.Panel(CMainMenuDialog::kRegister));
  CPanelDialog& panel = *menu.CurrentPanel();
  EXPECT_EQ(panel.windowTitle(), CRegisterDialog::Title());
  const auto* daily = panel.findChild<QLabel*>(QStringLiteral("dailyFolder"));
  ASSERT_NE(daily, nullptr);
  EXPECT_TRUE(daily->text().endsWith(QDir::toNativeSeparators(
      QDir(TestServer::Instance().Folder()).filePath(QStringLiteral("copii/zilnice")))))
      << daily->text().toStdString();

  Click(panel, "takeCopy");  // the chooser cancelled
  EXPECT_TRUE(prompter().Messages().empty());
  prompter().QueueFolder(folder_.path());
  Click(panel, "takeCopy");
  const QStringList copies = QDir(folder_.path()).entryList({QStringLiteral("*.sql.gz")});
  ASSERT_EQ(copies.size(), 1);
  const QString file = folder_.filePath(copies.first());
  EXPECT_TRUE(std::holds_alternative<CheckedCopy>(CheckCopy(file)));
  ASSERT_EQ(prompter().Texts().size(), 1);
  EXPECT_TRUE(
      prompter().LastText().startsWith(QStringLiteral("Copia registrului a fost scrisa in %1: ")
                                           .arg(QDir::toNativeSeparators(file))))
      << prompter().LastText().toStdString();
  menu.TogglePanel(CMainMenuDialog::kRegister);
}

TEST_F(RegisterPanelTest, ARestoreIsCheckedThenAskedThenScheduledForTheNextStart) {
  const QString copy = Copy();
  const QString start = QDir::currentPath();
  // A client that never connects: the test's server must stay up when the menu ends.
  CClient spare(&prompter());
  CMainMenuDialog menu(&prompter(), nullptr, &spare);
  // Its connection would fail (the test's server is taken) and say so when a slow machine
  // lets the start-up timer run out during the restore's check.
  auto* connectTimer = menu.findChild<QTimer*>(QStringLiteral("connectTimer"));
  ASSERT_NE(connectTimer, nullptr);
  connectTimer->stop();
  menu.show();
  Click(menu, "buttonRegister");
  CPanelDialog& panel = *menu.CurrentPanel();

  prompter().QueueFile(NotACopy());
  Click(panel, "restore");
  ASSERT_EQ(prompter().Texts().size(), 1) << prompter().Texts().join(u'|').toStdString();
  EXPECT_TRUE(prompter().LastText().contains(QStringLiteral("nu este o copie a registrului")));
  EXPECT_EQ(ScheduledRestore(start), std::nullopt);

  prompter().Clear();
  prompter().QueueFile(copy);
  prompter().QueueAnswers({false});
  Click(panel, "restore");
  ASSERT_EQ(prompter().Messages().size(), 1) << prompter().Texts().join(u'|').toStdString();
  EXPECT_TRUE(prompter().Messages()[0].question);
  EXPECT_TRUE(prompter().LastText().startsWith(
      QStringLiteral("Registrul va fi inlocuit in intregime cu cel din copia\n") +
      QDir::toNativeSeparators(copy)));
  EXPECT_EQ(ScheduledRestore(start), std::nullopt);
  EXPECT_TRUE(menu.isVisible());

  prompter().QueueFile(copy);
  prompter().QueueAnswers({true});
  Click(panel, "restore");
  EXPECT_TRUE(QTest::qWaitFor([&] { return !menu.isVisible(); }, 5000));
  EXPECT_TRUE(menu.RestartRequested());
  EXPECT_EQ(ScheduledRestore(start), copy);
  ClearScheduledRestore(start);
}

TEST_F(RegisterPanelTest, TheDayCopyAtTheExitIsTakenOnceAndAFailureIsSaid) {
  const QString start = QDir::currentPath();
  const DailyCopyOutcome first = TakeExitCopy(client(), prompter(), nullptr, start);
  EXPECT_EQ(first.kind, DailyCopyOutcome::Kind::kTaken) << first.text.toStdString();
  EXPECT_TRUE(QFile::exists(first.text));
  EXPECT_EQ(TakeExitCopy(client(), prompter(), nullptr, start).kind,
            DailyCopyOutcome::Kind::kNotDue);
  EXPECT_TRUE(prompter().Messages().empty());

  // A folder named in the settings file that is not there (a share not mounted).
  QFile settings(folder_.filePath(QStringLiteral("velka-asigurati.ini")));
  ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
  settings.write("[copii]\ndosar=/nu/exista/copii\n");
  settings.close();
  const DailyCopyOutcome failed = TakeExitCopy(client(), prompter(), nullptr, folder_.path());
  EXPECT_EQ(failed.kind, DailyCopyOutcome::Kind::kFailed);
  EXPECT_EQ(prompter().Texts(), QStringList{DailyCopyFailedText(failed.text)});
  EXPECT_TRUE(failed.text.contains(QStringLiteral("/nu/exista/copii")));
}

TEST_F(RegisterPanelTest, AScheduledRestoreIsDoneByTheCommandBeforeTheRegisterOpens) {
  const QString copy = Copy();
  QTemporaryDir start;
  ASSERT_TRUE(ScheduleRestore(start.path(), copy));
  RunScheduledRestore(prompter(), QStringLiteral(VELKA_PROGRAM), start.path());
  ASSERT_EQ(prompter().Texts().size(), 1);
  EXPECT_TRUE(prompter().LastText().startsWith(QStringLiteral("Registrul a fost restaurat.\n\n")))
      << prompter().LastText().toStdString();
  EXPECT_TRUE(prompter().LastText().contains(QStringLiteral("a fost inlocuit cu copia")));
  EXPECT_TRUE(QDir(start.path()).exists(QStringLiteral("data/asigurati")));
  EXPECT_EQ(ScheduledRestore(start.path()), std::nullopt);

  prompter().Clear();
  ASSERT_TRUE(ScheduleRestore(start.path(), NotACopy()));
  RunScheduledRestore(prompter(), QStringLiteral(VELKA_PROGRAM), start.path());
  ASSERT_EQ(prompter().Texts().size(), 1);
  EXPECT_TRUE(
      prompter().LastText().startsWith(QStringLiteral("Restaurarea registrului nu a reusit")));
  EXPECT_TRUE(prompter().LastText().contains(QStringLiteral("nu este o copie a registrului")));
  EXPECT_EQ(ScheduledRestore(start.path()), std::nullopt);
  EXPECT_TRUE(QDir(start.path()).exists(QStringLiteral("data/asigurati")));

  // Nothing asked for: nothing runs.
  prompter().Clear();
  RunScheduledRestore(prompter(), QStringLiteral(VELKA_PROGRAM), start.path());
  EXPECT_TRUE(prompter().Messages().empty());
}

}  // namespace
