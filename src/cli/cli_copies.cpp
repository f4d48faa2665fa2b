#include "cli/cli_copies.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

#include "cli/cli_console.h"
#include "cli/cli_register.h"
#include "cli/cli_stop.h"
#include "cli/cli_texts.h"
#include "store/c_client.h"
#include "store/copies/copy_writer.h"
#include "store/copies/register_restore.h"
#include "store/server/server_settings.h"

namespace {

int Fail(Console& console, const QString& text, int code) {
  console.Error(text);
  return code;
}

QString Shown(const QString& path) { return QDir::toNativeSeparators(path); }

// Whole percents, each told once.
class Percent {
 public:
  explicit Percent(Console& console, const QString& label, bool lines)
      : console_(console), label_(label), lines_(lines) {}
  void Tell(double fraction) {
    const int percent = static_cast<int>(std::floor(std::clamp(fraction, 0.0, 1.0) * 100));
    if (percent == last_) return;
    last_ = percent;
    if (lines_) console_.Result(QStringLiteral("progres %1").arg(percent));
    console_.Progress(QStringLiteral("%1: %2%").arg(label_).arg(percent));
  }
  void SetLabel(const QString& label) { label_ = label; }

 private:
  Console& console_;
  QString label_;
  bool lines_;
  int last_ = -1;
};

void ListTables(Console& console, const CopyHeader& header) {
  for (const CopyTable& table : header.tables) {
    console.Result(QStringLiteral("%1: %2").arg(table.name).arg(table.rows));
  }
}

}  // namespace

int RunCopy(CClient& client, Console& console, const QString& folder, const QString& version) {
  if (const QFileInfo info(folder); info.exists() && !info.isDir()) {
    return Fail(console, cli_texts::NotAFolder(folder), 2);
  } else if (!info.isDir()) {
    return Fail(console, cli_texts::MissingFolder(folder), 2);
  }
  Percent percent(console, QStringLiteral("copie"), false);
  const auto taken = TakeCopy(
      client, folder, CopyProgramName(version),
      [&](qint64 done, qint64 total) {
        percent.Tell(total > 0 ? static_cast<double>(done) / static_cast<double>(total) : 1.0);
      },
      [] { return CommandStop::Requested(); });
  console.EndProgress();
  if (const auto* failed = std::get_if<QString>(&taken)) {
    return Fail(console, cli_texts::kCopyFailed + u' ' + *failed, 1);
  }
  const TakenCopy& copy = std::get<TakenCopy>(taken);
  ListTables(console, copy.header);
  console.Result(TakenCopyText(copy));
  return 0;
}

int RunRestore(Console& console, const RestoreRequest& request, const QString& version) {
  static_cast<void>(version);
  if (!QFileInfo(request.file).isFile()) {
    return Fail(console, cli_texts::MissingFile(Shown(request.file)), 2);
  }
  const QString start = request.startFolder;
  if (!QFileInfo(start).isDir()) {
    // Only the per-user folder is made: a mistyped --date makes no register elsewhere.
    if (request.startNamed || !QDir().mkpath(start)) {
      return Fail(console, cli_texts::MissingFolder(Shown(start)), 2);
    }
  }
  std::optional<SettingsProblem> problem;
  const bool onServer = ReadServerSettings(start, problem).has_value();
  if (problem) return Fail(console, cli_texts::kStartFailure + u' ' + problem->text, 2);

  CommandStop stop;
  Percent percent(console, QStringLiteral("verificarea copiei"), request.progressLines);
  RestoreHooks hooks;
  // The check reads the file once, the load once more and sends it: about a tenth and the
  // rest of the time.
  hooks.progress = [&](RestorePhase phase, double done) {
    if (phase == RestorePhase::kChecking) {
      percent.Tell(done * 0.1);
    } else {
      percent.SetLabel(QStringLiteral("incarcarea copiei"));
      percent.Tell(0.1 + done * 0.9);
    }
  };
  hooks.stop = [] { return CommandStop::Requested(); };
  hooks.aroundServerStart = [](const std::function<void()>& work) {
    CommandStop::HoldDuring(work);
  };
  std::variant<Restored, RestoreFailure> outcome;
  CollectingPrompter prompter;
  CClient server(&prompter);
  if (onServer) {
    if (!QDir::setCurrent(start)) return Fail(console, cli_texts::MissingFolder(Shown(start)), 2);
    if (const auto unreachable = ConnectServer(server)) return Fail(console, *unreachable, 2);
    outcome = RestoreOnServer(server, request.file, hooks);
  } else {
    outcome = RestoreEmbedded(request.file, start, hooks);
  }
  console.EndProgress();
  if (const auto* failed = std::get_if<RestoreFailure>(&outcome)) {
    QString text = failed->text;
    if (const QStringList shown = prompter.Take(); !shown.isEmpty())
      text += u' ' + shown.join(u' ');
    return Fail(console, failed->usage ? text : cli_texts::kRestoreFailed + u' ' + text,
                failed->usage ? 2 : 1);
  }
  const Restored& restored = std::get<Restored>(outcome);
  ListTables(console, restored.header);
  const int tables = static_cast<int>(restored.header.tables.size());
  const qint64 rows = restored.header.TotalRows();
  if (onServer) {
    console.Result(cli_texts::RestoredOnServer(Shown(request.file), restored.header.taken,
                                               server.ServerName(), tables, rows));
  } else {
    console.Result(cli_texts::Restored(Shown(start), Shown(request.file), restored.header.taken,
                                       tables, rows, Shown(restored.keptFolder)));
  }
  server.Disconnect();
  return 0;
}
