#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/c_info_dialog.h"
#include "app/c_main_menu_dialog.h"
#include "server_fixture.h"
#include "store/schema/schema.h"
#include "ui/modal.h"

namespace {

// The program as a workstation starts it: the menu connects to the server of its settings
// file, checks the register there, names the server in its version line and in the
// information window, and leaves no embedded server's files in its folder.
TEST_F(ServerTest, TheMenuOpensTheRegisterOnTheServerAndSaysSo) {
  const QString home = QDir::currentPath();
  const QString start = Server().Workstation(QStringLiteral("menu"));
  QDir::setCurrent(start);
  ScriptedPrompter prompter;
  bool checked = false;
  auto menu = std::make_unique<CMainMenuDialog>(&prompter, [&checked](CClient& client) {
    UpgradeSchema(client);
    checked = true;
  });
  menu->show();
  ASSERT_TRUE(QTest::qWaitFor([&checked] { return checked; }, 10000));
  EXPECT_TRUE(prompter.Texts().isEmpty()) << prompter.LastText().toStdString();
  EXPECT_FALSE(menu->StartFailed());
  const QString server = QStringLiteral("127.0.0.1:%1").arg(Server().Port());
  EXPECT_EQ(menu->findChild<QLabel*>(QStringLiteral("static1170"))->text(),
            QStringLiteral("Versiune : 2.06 (2009.06.04)  -  server ") + server);
  EXPECT_EQ(Value("SELECT setare AS v FROM asigurati.setari WHERE denumire='versiune'"),
            QLatin1String(kSchemaVersion));

  QString note;
  SetModalDriver([&note](QDialog& dialog) {
    if (auto* info = qobject_cast<CInfoDialog*>(&dialog)) {
      note = info->findChild<QLabel*>(QStringLiteral("registerNote"))->text();
    }
    dialog.reject();
  });
  menu->findChild<QPushButton*>(QStringLiteral("button1012"))->click();
  SetModalDriver(nullptr);
  EXPECT_EQ(note, QStringLiteral("Registrul de pe serverul ") + server +
                      QStringLiteral("\nConexiune necriptata"));
  menu.reset();
  EXPECT_EQ(QDir(start).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("velka-asigurati.ini")});
  QDir::setCurrent(home);
}

}  // namespace
