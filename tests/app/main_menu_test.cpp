#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/c_info_dialog.h"
#include "app/c_main_menu_dialog.h"
#include "store/schema/schema.h"
#include "support/form_driver.h"
#include "support/test_server.h"
#include "ui/c_panel_dialog.h"
#include "ui/modal.h"

namespace {

const QString kExitQuestion = QStringLiteral("Esti sigur ca vrei sa iesi din program?");

class MainMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The panels read the register as soon as they open.
    TestServer::Instance().UpgradeOnce();
    prompter().Clear();
  }
  void TearDown() override { SetModalDriver(nullptr); }

  static ScriptedPrompter& prompter() { return TestServer::Instance().Prompter(); }

  std::unique_ptr<CMainMenuDialog> OpenMenu() {
    auto menu = std::make_unique<CMainMenuDialog>(
        &prompter(), [this](CClient&) { ++schemaChecks_; }, &TestServer::Instance().Client());
    menu->show();
    return menu;
  }
  static int OpenPanels(const CMainMenuDialog& menu) {
    int open = 0;
    for (auto area : {CMainMenuDialog::kHealth, CMainMenuDialog::kLeave, CMainMenuDialog::kImport})
      open += menu.Panel(area) != nullptr ? 1 : 0;
    return open;
  }

  int schemaChecks_ = 0;
};

TEST_F(MainMenuTest, ShowsItsVersionLine) {
  auto menu = OpenMenu();
  auto* label = menu->findChild<QLabel*>(QStringLiteral("static1170"));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), QStringLiteral("Versiune : 2.06 (2009.06.04)"));
  EXPECT_EQ(menu->windowTitle(), QStringLiteral("Velka Asigurati"));
  EXPECT_EQ(TestServer::Instance().Client().Version(), QStringLiteral("2.06 (2009.06.04)"));
}

TEST_F(MainMenuTest, ConnectsFromTheTimerThenChecksTheSchemaOnce) {
  auto menu = OpenMenu();
  EXPECT_EQ(schemaChecks_, 0);  // the menu is visible before the server work starts
  EXPECT_TRUE(QTest::qWaitFor([&] { return schemaChecks_ == 1; }, 2000));
  QTest::qWait(100);
  EXPECT_EQ(schemaChecks_, 1);
  EXPECT_TRUE(menu->isVisible());
}

TEST_F(MainMenuTest, OpensOnePanelAtATimeBesideTheMenu) {
  auto menu = OpenMenu();
  struct Step {
    const char* button;
    int expectedOpen;  // area left open, or -1
  };
  const Step steps[] = {{"button1014", CMainMenuDialog::kHealth},
                        {"button1015", CMainMenuDialog::kLeave},
                        {"button1015", -1},
                        {"button1425", CMainMenuDialog::kImport},
                        {"button1014", CMainMenuDialog::kHealth},
                        {"button1014", -1}};
  for (const Step& step : steps) {
    Click(*menu, step.button);
    SCOPED_TRACE(step.button);
    EXPECT_EQ(OpenPanels(*menu), step.expectedOpen < 0 ? 0 : 1);
    for (auto area :
         {CMainMenuDialog::kHealth, CMainMenuDialog::kLeave, CMainMenuDialog::kImport}) {
      EXPECT_EQ(menu->IndicatorOpen(area), area == step.expectedOpen);
    }
    if (step.expectedOpen >= 0) {
      CPanelDialog* panel = menu->Panel(static_cast<CMainMenuDialog::Area>(step.expectedOpen));
      EXPECT_EQ(menu->CurrentPanel(), panel);
      EXPECT_TRUE(panel->isVisible());
      EXPECT_EQ(panel->x(), menu->frameGeometry().right() + 1);
      EXPECT_EQ(panel->y(), menu->frameGeometry().top());
      const std::vector<int>& widths = panel->LastSlideWidths();
      ASSERT_GE(widths.size(), 2u);
      EXPECT_EQ(widths.front(), 0);
      EXPECT_EQ(widths[1], 10);
      EXPECT_EQ(panel->width(), widths.back());
      EXPECT_EQ(widths.back() % 10, 0);
    } else {
      EXPECT_EQ(menu->CurrentPanel(), nullptr);
    }
  }
}

TEST_F(MainMenuTest, TheOpenPanelFollowsTheMenuWhenItMoves) {
  auto menu = OpenMenu();
  Click(*menu, "button1015");
  CPanelDialog* panel = menu->CurrentPanel();
  ASSERT_NE(panel, nullptr);
  panel->move(0, 0);  // wherever it was, the next move of the menu docks it again
  menu->move(menu->pos() + QPoint(70, 40));
  const auto docked = [&] {
    return panel->pos() == QPoint(menu->frameGeometry().right() + 1, menu->frameGeometry().top());
  };
  EXPECT_TRUE(QTest::qWaitFor(docked, 2000));
  EXPECT_NE(panel->pos(), QPoint(0, 0));
}

TEST_F(MainMenuTest, PanelTitlesNameTheirAreas) {
  auto menu = OpenMenu();
  const std::pair<const char*, QString> panels[] = {
      {"button1014", QStringLiteral("Declaratia de sanatate")},
      {"button1015", QStringLiteral("Declaratia de concedii medicale")},
      {"button1425", QStringLiteral("Import de date din sursa externa")}};
  for (const auto& [button, title] : panels) {
    Click(*menu, button);
    ASSERT_NE(menu->CurrentPanel(), nullptr);
    EXPECT_EQ(menu->CurrentPanel()->windowTitle(), title);
  }
  // The import panel takes the menu's height.
  EXPECT_EQ(menu->CurrentPanel()->height(), menu->frameGeometry().height());
}

TEST_F(MainMenuTest, EscInsideAPanelAsksTheExitQuestionAndNoKeepsEverythingOpen) {
  auto menu = OpenMenu();
  Click(*menu, "button1014");
  CPanelDialog* panel = menu->CurrentPanel();
  ASSERT_NE(panel, nullptr);
  prompter().QueueAnswers({false});
  QTest::keyClick(panel, Qt::Key_Escape);
  ASSERT_TRUE(QTest::qWaitFor([] { return !prompter().Messages().empty(); }, 2000));
  QTest::qWait(50);
  ASSERT_EQ(prompter().Messages().size(), 1u);
  EXPECT_EQ(prompter().Messages()[0].text, kExitQuestion);
  EXPECT_EQ(prompter().Messages()[0].caption, QStringLiteral("Velka client"));
  EXPECT_TRUE(prompter().Messages()[0].question);
  EXPECT_EQ(menu->CurrentPanel(), panel);
  EXPECT_TRUE(panel->isVisible());
  EXPECT_TRUE(menu->isVisible());
  EXPECT_TRUE(TestServer::Instance().Client().IsConnected());
}

TEST_F(MainMenuTest, EscEnterAndTheExitButtonAllAskOnMenu) {
  auto menu = OpenMenu();
  prompter().QueueAnswers({false, false, false});
  QTest::keyClick(menu.get(), Qt::Key_Escape);
  QTest::keyClick(menu.get(), Qt::Key_Return);
  Click(*menu, "button2");
  EXPECT_EQ(prompter().Texts(), QStringList({kExitQuestion, kExitQuestion, kExitQuestion}));
  EXPECT_TRUE(menu->isVisible());
}

TEST_F(MainMenuTest, YesClosesThePanelsTheClientAndTheMenu) {
  // A client of its own that never connects: the test server must stay up.
  CClient spare(&prompter());
  CMainMenuDialog menu(&prompter(), nullptr, &spare);
  menu.show();
  Click(menu, "button1015");
  ASSERT_NE(menu.CurrentPanel(), nullptr);
  prompter().QueueAnswers({true});
  Click(menu, "button2");
  EXPECT_EQ(OpenPanels(menu), 0);
  EXPECT_EQ(menu.Client(), nullptr);
  EXPECT_FALSE(menu.isVisible());
  EXPECT_EQ(menu.result(), QDialog::Accepted);
}

TEST_F(MainMenuTest, ServerThatCannotStartIsReportedAndTheMenuCloses) {
  // The server of this process already runs; a second start is refused.
  CClient second(&prompter());
  CMainMenuDialog menu(
      &prompter(), [](CClient&) { FAIL() << "no schema check"; }, &second);
  menu.show();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !menu.isVisible(); }, 2000));
  EXPECT_EQ(prompter().Texts(),
            QStringList({QStringLiteral("Nu se pot initializa bazele de date!")}));
}

TEST_F(MainMenuTest, LeftoverFilesOfTheStartDirectoryAreDeleted) {
  const QDir directory = QDir::current();
  for (const QString& name : CMainMenuDialog::LeftoverFiles()) {
    QFile file(directory.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  QFile keep(directory.filePath(QStringLiteral("Replace.txt")));
  ASSERT_TRUE(keep.open(QIODevice::WriteOnly));
  keep.close();
  auto menu = OpenMenu();
  EXPECT_EQ(menu->StartDirectory(), directory.absolutePath());
  for (const QString& name : CMainMenuDialog::LeftoverFiles()) {
    EXPECT_FALSE(directory.exists(name)) << name.toStdString();
  }
  EXPECT_TRUE(directory.exists(QStringLiteral("Replace.txt")));
  auto again = OpenMenu();  // none present: nothing to do, nothing shown
  EXPECT_TRUE(prompter().Messages().empty());
}

TEST_F(MainMenuTest, InfoOpensTheInformationWindowWithTheProgramsFacts) {
  auto menu = OpenMenu();
  ASSERT_TRUE(QTest::qWaitFor([&] { return schemaChecks_ == 1; }, 2000));
  QString title;
  QString link;
  QStringList facts;
  int links = 0;
  SetModalDriver([&](QDialog& dialog) {
    title = dialog.windowTitle();
    if (auto* house = dialog.findChild<QLabel*>(QStringLiteral("link1101"))) {
      EXPECT_TRUE(house->openExternalLinks());
      link = house->text();
    }
    for (const char* name : {"version", "registerNote", "licence"}) {
      auto* fact = dialog.findChild<QLabel*>(QLatin1String(name));
      facts.append(fact != nullptr ? fact->text() : QStringLiteral("<none>"));
    }
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
      links += label->text().contains(QStringLiteral("href")) ? 1 : 0;
    }
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
      if (button->text() == QLatin1String("Iesire")) QTest::mouseClick(button, Qt::LeftButton);
    }
    EXPECT_FALSE(dialog.isVisible());
  });
  Click(*menu, "button1012");
  EXPECT_EQ(title, QStringLiteral("Informatii"));
  EXPECT_TRUE(link.contains(CInfoDialog::HouseAddress()));
  EXPECT_EQ(facts, QStringList({QStringLiteral("Versiune: 2.06 (2009.06.04)"),
                                QStringLiteral("Registrul din dosarul ") +
                                    TestServer::Instance().Client().EmbeddedDataDir(),
                                QStringLiteral("Licenta: GNU GPL versiunea 2 sau mai noua")}));
  EXPECT_EQ(links, 1);  // the house's, and no address that leads nowhere
}

struct ProbeRun {
  QString out;
  QString err;
  qint64 milliseconds = 0;
};

ProbeRun RunProbe(const QString& folder) {
  QProcess probe;
  QElapsedTimer timer;
  timer.start();
  probe.start(QStringLiteral(CONNECT_PROBE), {folder});
  EXPECT_TRUE(probe.waitForFinished(60000));
  return {QString::fromUtf8(probe.readAllStandardOutput()),
          QString::fromUtf8(probe.readAllStandardError()), timer.elapsed()};
}

TEST(ServerStart, AHealthyStartPrintsNothingAndKeepsItsDataPrivate) {
  QTemporaryDir folder;
  const ProbeRun run = RunProbe(folder.path());
  EXPECT_EQ(run.out, QStringLiteral("connect=0\nversiune=%1\n").arg(QLatin1String(kSchemaVersion)));
  EXPECT_EQ(run.err, QString());
  // And a second start on the same folder finds the databases as they were left.
  const ProbeRun again = RunProbe(folder.path());
  EXPECT_EQ(again.out,
            QStringLiteral("connect=0\nversiune=%1\n").arg(QLatin1String(kSchemaVersion)));
  EXPECT_EQ(again.err, QString());
  // The server's own lines go to its log once it runs: none of them is a complaint.
  QFile log(folder.filePath(QStringLiteral("data/server.log")));
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  const QString logged = QString::fromUtf8(log.readAll());
  EXPECT_FALSE(logged.contains(QStringLiteral("[ERROR]"))) << logged.toStdString();
  EXPECT_FALSE(logged.contains(QStringLiteral("[Warning]"))) << logged.toStdString();
  EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("srv_embedded.cfg"))));
  const QFile::Permissions data = QFile::permissions(folder.filePath(QStringLiteral("data")));
  EXPECT_TRUE(data.testFlag(QFileDevice::ReadOwner));
  EXPECT_FALSE(data.testFlag(QFileDevice::ReadGroup));
  EXPECT_FALSE(data.testFlag(QFileDevice::ReadOther));
}

TEST(ServerStart, ASecondInstanceOnTheSameDataIsRefusedAtOnce) {
  TestServer& server = TestServer::Instance();
  server.ResetDatabases({QStringLiteral("doi")});
  server.Run(QStringLiteral("CREATE TABLE doi.t (a INT)"));
  server.Run(QStringLiteral("INSERT INTO doi.t VALUES (7)"));
  const ProbeRun run = RunProbe(server.Folder());
  EXPECT_EQ(run.out, QStringLiteral("connect=1\n"));
  EXPECT_LT(run.milliseconds, 5000);
  ASSERT_EQ(server.Client().Execute(QStringLiteral("SELECT a FROM doi.t"), 1), 0);
  EXPECT_EQ(server.Client().GetField(0, QStringLiteral("A")), QStringLiteral("7"));
}

}  // namespace
