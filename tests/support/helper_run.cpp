#include "support/helper_run.h"

#include <gtest/gtest.h>

#include <QProcess>

QStringList HelperRun::Values(const QString& kind) const {
  QStringList values;
  for (const QString& fact : facts) {
    if (fact.startsWith(kind + u'\t')) values << fact.mid(kind.size() + 1);
  }
  return values;
}

HelperRun RunHelper(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process.start(program, arguments);
  if (!process.waitForFinished(120000)) {
    process.kill();
    process.waitForFinished();
    ADD_FAILURE() << "the helper did not end: " << arguments.join(u' ').toStdString();
  }
  HelperRun run;
  run.killed = process.exitStatus() == QProcess::CrashExit;
  run.code = run.killed ? -1 : process.exitCode();
  run.facts = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
  return run;
}
