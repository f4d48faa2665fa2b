#include "app/scheduled_restore_run.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

#include "store/copies/scheduled_restore.h"
#include "store/prompter.h"
#include "ui/c_work_progress_dialog.h"

namespace {

constexpr int kPollMs = 50;

const QString kRestored = QStringLiteral("Registrul a fost restaurat.\n\n");
const QString kNotRestored = QStringLiteral(
    "Restaurarea registrului nu a reusit; programul se deschide cu registrul de dinainte, "
    "neschimbat.\n\n");

}  // namespace

void RunScheduledRestore(Prompter& prompter, const QString& program,
                         const QString& startDirectory) {
  const std::optional<QString> copy = ScheduledRestore(startDirectory);
  if (!copy) return;
  ClearScheduledRestore(startDirectory);
  CWorkProgressDialog window(nullptr, QStringLiteral("Restaurarea registrului"),
                             QStringLiteral("Registrul se inlocuieste cu cel din copia\n%1")
                                 .arg(QDir::toNativeSeparators(*copy)));
  window.show();
  QProcess restore;
  restore.start(program, {QStringLiteral("restaureaza"), *copy, QStringLiteral("--date"),
                          startDirectory, QStringLiteral("--progres")});
  QByteArray pending;
  QByteArray errors;
  QStringList results;
  const auto readLines = [&] {
    errors += restore.readAllStandardError();
    pending += restore.readAllStandardOutput();
    qsizetype newline = 0;
    while ((newline = pending.indexOf('\n')) >= 0) {
      const QString line = QString::fromUtf8(pending.left(newline));
      pending.remove(0, newline + 1);
      if (line.startsWith(QLatin1String("progres "))) {
        window.SetFraction(line.mid(8).toDouble() / 100.0);
      } else {
        results << line;
      }
    }
  };
  while (!restore.waitForFinished(kPollMs) && restore.state() != QProcess::NotRunning) {
    readLines();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  readLines();
  window.hide();
  const bool restored = restore.exitStatus() == QProcess::NormalExit && restore.exitCode() == 0;
  if (restored) {
    prompter.Inform(kRestored + results.value(results.size() - 1), Prompter::DefaultCaption(),
                    Prompter::Icon::Information);
  } else {
    QString reason = QString::fromUtf8(errors).trimmed();
    if (reason.isEmpty()) reason = restore.errorString();
    prompter.Inform(kNotRestored + reason);
  }
}

bool RestartProgram() {
  return QProcess::startDetached(QCoreApplication::applicationFilePath(),
                                 QCoreApplication::arguments().mid(1), QDir::currentPath());
}
