// What help2man runs at build time to write the manual page: --version and every --help
// answer without a display and without opening a register.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "app/c_main_menu_dialog.h"
#include "support/program_run.h"

namespace {

TEST(CommandVersion, HelpAndVersionAnswerWithoutDisplayOrRegister) {
  // The window shows "2.06 (2009.06.04)"; --version, the package and its manual page carry
  // the version alone.
  const QString version = QStringLiteral("velka-asigurati ") +
                          CMainMenuDialog::VersionText().section(u' ', 0, 0) + u'\n';
  EXPECT_EQ(version, QStringLiteral("velka-asigurati " VELKA_PROJECT_VERSION "\n"));
  for (const QStringList& words :
       {QStringList{"--version"}, QStringList{"--help"}, QStringList{"-h"},
        QStringList{"rapoarte", "--help"}, QStringList{"muta-pe-server", "--help"}}) {
    QTemporaryDir home;
    QProcessEnvironment environment = ProgramEnvironment(home.path());
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
      environment.remove(QLatin1String(name));
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELKA_PROGRAM), words);
    const std::string shown = words.join(u' ').toStdString();
    ASSERT_TRUE(process.waitForFinished(60000)) << shown;
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << shown;
    EXPECT_EQ(process.exitCode(), 0) << shown;
    EXPECT_TRUE(words.first() == u"--version" ? out == version : out.startsWith(u"Utilizare: "))
        << shown << ": " << out.toStdString();
    EXPECT_TRUE(process.readAllStandardError().isEmpty()) << shown;
    EXPECT_TRUE(QDir(home.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        << shown;
  }
}

}  // namespace
