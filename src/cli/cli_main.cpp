#include "cli/cli_main.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QStringDecoder>
#include <cstdio>
#include <functional>
#include <memory>

#include "cli/cli_arguments.h"
#include "cli/cli_console.h"
#include "cli/cli_copies.h"
#include "cli/cli_declarations.h"
#include "cli/cli_help.h"
#include "cli/cli_history.h"
#include "cli/cli_import.h"
#include "cli/cli_move.h"
#include "cli/cli_overview.h"
#include "cli/cli_register.h"
#include "cli/cli_reports.h"
#include "cli/cli_stop.h"
#include "cli/cli_texts.h"
#include "cli/cli_verify.h"
#include "store/c_client.h"

namespace {

// The first word that is not valid UTF-8 (a file named under another code page): read as
// text it would name another file, or none.
std::optional<QString> NotUtf8Word(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString word = utf8(QByteArrayView(argv[i]));
    if (utf8.hasError()) return word;
  }
  return std::nullopt;
}

QStringList Words(int argc, char** argv) {
  QStringList words;
  for (int i = 1; i < argc; ++i) words.append(QString::fromLocal8Bit(argv[i]));
  return words;
}

// Paths given relative to the folder the command was started from; the register's start
// changes the current folder.
QString Absolute(const QString& path) {
  return path.isEmpty() ? path : QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

// A core application, or a GUI one on the offscreen platform when pages are drawn into PDF
// files (fonts need it); no display is ever opened.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv, bool drawsPages) {
  if (!drawsPages) return std::make_unique<QCoreApplication>(argc, argv);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  return std::make_unique<QGuiApplication>(argc, argv);
}

using RegisterCommand = std::function<int(CClient&, CollectingPrompter&)>;

int RunOnRegister(Console& console, const CommandRequest& request, const QString& version,
                  const RegisterCommand& command) {
  CollectingPrompter prompter;
  CClient client(&prompter);
  client.SetVersion(version);
  // A stop asked while the server starts is kept for the command, which then writes nothing.
  CommandStop stop;
  std::optional<QString> problem;
  CommandStop::HoldDuring(
      [&] { problem = OpenRegister(client, CommandStartFolder(request.startFolder)); });
  if (problem) {
    console.Error(*problem);
    return 2;
  }
  const int code = command(client, prompter);
  client.Disconnect();
  return code;
}

int RunReportsCommand(Console& console, const CommandRequest& request, const QString& version) {
  const ReportsRequest reports{request.month, request.cfs,      request.naming,
                               request.pdf,   request.simulate, Absolute(request.folder)};
  return RunOnRegister(console, request, version, [&](CClient& client, CollectingPrompter& p) {
    return RunReports(client, p, console, reports);
  });
}

int RunDeclarationsCommand(Console& console, const CommandRequest& request,
                           const QString& version) {
  const DeclarationsRequest declarations{request.month, request.cfs, request.pdf, request.simulate,
                                         Absolute(request.folder)};
  return RunOnRegister(console, request, version, [&](CClient& client, CollectingPrompter& p) {
    return RunDeclarations(client, p, console, declarations);
  });
}

int RunImportCommand(Console& console, const CommandRequest& request, const QString& version) {
  const ImportRequest import{Absolute(request.importFile), request.previous, request.cas};
  if (const Refusal problem = ImportHouseProblem(import)) {
    console.Error(*problem);
    return 2;
  }
  return RunOnRegister(console, request, version, [&](CClient& client, CollectingPrompter& p) {
    return RunImport(client, p, console, import);
  });
}

int RunHistoryCommand(Console& console, const CommandRequest& request, const QString& version) {
  const HistoryRequest history{request.table, request.index, request.json};
  return RunOnRegister(console, request, version, [&](CClient& client, CollectingPrompter& p) {
    const int code = RunHistory(client, console, history);
    // A failed query's text, as a screen would have shown it.
    for (const QString& message : p.Take()) console.Error(message);
    return code;
  });
}

int RunCopyCommand(Console& console, const CommandRequest& request, const QString& version) {
  const QString folder = Absolute(request.folder);
  return RunOnRegister(console, request, version, [&](CClient& client, CollectingPrompter&) {
    return RunCopy(client, console, folder, version);
  });
}

int RunRestoreCommand(Console& console, const CommandRequest& request, const QString& version) {
  const RestoreRequest restore{Absolute(request.files.first()),
                               CommandStartFolder(request.startFolder),
                               !request.startFolder.isEmpty(), request.progress};
  return RunRestore(console, restore, version);
}

int RunOverviewCommand(Console& console, const CommandRequest& request, const QString& version) {
  const OverviewRequest overview{request.month, request.json};
  return RunOnRegister(console, request, version, [&](CClient& client, CollectingPrompter& p) {
    return RunOverview(client, p, console, overview);
  });
}

}  // namespace

bool IsCommandLine(int argc, char** argv) { return IsCommandStart(Words(argc, argv)); }

int RunCommandLine(int argc, char** argv, const QString& version) {
  // The embedded server points standard error at its log once it runs: the command's
  // messages and progress keep the standard error it was started with.
  const int messagesFd = ::dup(STDERR_FILENO);
  std::FILE* opened = messagesFd >= 0 ? ::fdopen(messagesFd, "w") : nullptr;
  if (opened == nullptr && messagesFd >= 0) ::close(messagesFd);
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> messages(opened, &std::fclose);
  Console console(stdout, opened != nullptr ? opened : stderr);
  if (const std::optional<QString> word = NotUtf8Word(argc, argv)) {
    console.Error(cli_texts::NotUtf8(*word));
    return 2;
  }
  const ParsedCommand parsed = ParseCommand(Words(argc, argv));
  if (!parsed.request) {
    console.Error(parsed.error);
    return 2;
  }
  CommandRequest request = *parsed.request;
  if (request.kind == CommandKind::kHelp) {
    console.Result(HelpText(request.helpTopic).trimmed());
    return 0;
  }
  if (request.kind == CommandKind::kVersion) {
    console.Result(VersionLine());
    return 0;
  }
  request.startFolder = Absolute(request.startFolder);
  const std::unique_ptr<QCoreApplication> application = MakeApplication(argc, argv, request.pdf);
  switch (request.kind) {
    case CommandKind::kReports:
      return RunReportsCommand(console, request, version);
    case CommandKind::kDeclarations:
      return RunDeclarationsCommand(console, request, version);
    case CommandKind::kImport:
      return RunImportCommand(console, request, version);
    case CommandKind::kMove:
      return RunMove(console, CommandStartFolder(request.startFolder), version);
    case CommandKind::kHistory:
      return RunHistoryCommand(console, request, version);
    case CommandKind::kCopy:
      return RunCopyCommand(console, request, version);
    case CommandKind::kRestore:
      return RunRestoreCommand(console, request, version);
    case CommandKind::kOverview:
      return RunOverviewCommand(console, request, version);
    case CommandKind::kVerify:
      break;
    case CommandKind::kHelp:
    case CommandKind::kVersion:
      return 0;  // answered above
  }
  // No register: the files alone, named as typed, with Ctrl-C after the file being checked.
  CommandStop stop;
  return RunVerify(console, VerifyRequest{request.annex, request.files, request.json});
}
