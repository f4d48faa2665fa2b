// What help2man runs at build time to write the manual page: --version and every --help
// answer without a display and without starting the register.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "app/c_main_menu_dialog.h"
#include "support/program_run.h"

namespace {

// The program run as a build runs it: no display of any kind.
ProgramRun RunWithoutDisplay(const QStringList& arguments, const QString& home) {
  QProcess process;
  QProcessEnvironment environment = ProgramEnvironment(home);
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    environment.remove(QLatin1String(name));
  }
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(VELKA_PROGRAM), arguments);
  ProgramRun run;
  if (!process.waitForFinished(60000)) {
    process.kill();
    process.waitForFinished();
    return run;
  }
  run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = QString::fromUtf8(process.readAllStandardOutput());
  run.err = QString::fromUtf8(process.readAllStandardError());
  return run;
}

TEST(CommandVersion, NamesTheProgramAndTheVersionTheWindowShows) {
  QTemporaryDir home;
  const ProgramRun run = RunWithoutDisplay({QStringLiteral("--version")}, home.path());
  EXPECT_EQ(run.code, 0) << run.err.toStdString();
  // The window shows "2.06 (2009.06.04)"; the package, its manual page and --version carry
  // the version alone.
  const QString version = CMainMenuDialog::VersionText().section(u' ', 0, 0);
  EXPECT_EQ(run.out, QStringLiteral("velka-asigurati ") + version + u'\n');
  EXPECT_EQ(run.out, QStringLiteral("velka-asigurati " VELKA_PROJECT_VERSION "\n"));
  EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
}

TEST(CommandVersion, HelpAndVersionNeedNoDisplayAndStartNoRegister) {
  for (const QStringList& words :
       {QStringList{"--version"}, QStringList{"--help"}, QStringList{"-h"},
        QStringList{"rapoarte", "--help"}, QStringList{"muta-pe-server", "--help"}}) {
    QTemporaryDir home;
    const ProgramRun run = RunWithoutDisplay(words, home.path());
    const std::string shown = words.join(u' ').toStdString();
    EXPECT_EQ(run.code, 0) << shown << ": " << run.err.toStdString();
    EXPECT_FALSE(run.out.isEmpty()) << shown;
    EXPECT_TRUE(run.err.isEmpty()) << shown << ": " << run.err.toStdString();
    // Nothing was made in the per-user data folder: no server started there.
    EXPECT_TRUE(QDir(home.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        << shown;
  }
}

}  // namespace
