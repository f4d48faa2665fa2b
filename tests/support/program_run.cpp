#include "support/program_run.h"

#include <gtest/gtest.h>

#include <QProcess>

QProcessEnvironment ProgramEnvironment(const QString& home) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("XDG_DATA_HOME"), home);
  return environment;
}

ProgramRun RunProgram(const QString& program, const QStringList& arguments, const QString& home) {
  QProcess process;
  process.setProcessEnvironment(ProgramEnvironment(home));
  process.start(program, arguments);
  ProgramRun run;
  if (!process.waitForFinished(120000)) {
    ADD_FAILURE() << "the program did not end: " << arguments.join(u' ').toStdString();
    process.kill();
    process.waitForFinished();
    return run;
  }
  run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = QString::fromUtf8(process.readAllStandardOutput());
  run.err = QString::fromUtf8(process.readAllStandardError());
  return run;
}
