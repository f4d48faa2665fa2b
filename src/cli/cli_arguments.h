#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "health/annexes/annex_naming.h"

// The command line of the program's scripted mode, read into one request. Only the words
// are checked here (names, months, required options); what needs the register or the
// disk (a fiscal code, a folder) is checked by the command that uses it.

enum class CommandKind {
  kHelp,
  kReports,
  kDeclarations,
  kVerify,
  kImport,
  kMove,
  kHistory,
  kCopy,
  kRestore,
  kVersion,
  kOverview
};

struct CommandRequest {
  CommandKind kind = CommandKind::kHelp;
  QString helpTopic;  // with kHelp: the command whose help is asked for, empty for all
  int month = 0;      // AAAALL as a number, 200906
  QStringList cfs;    // --cf, in the order given; empty for every company
  NamingForm naming = NamingForm::kByHouse;
  bool pdf = false;
  bool simulate = false;
  bool json = false;
  QString folder;       // --folder, as typed
  QString startFolder;  // --date, as typed; empty for the per-user folder
  QString annex;        // verifica --anexa: A, B, C, 1 or 2
  QStringList files;    // verifica's files
  QString importFile;   // importa --extern or --anterior
  bool previous = false;
  QString cas;            // importa --cas
  QString table;          // istoric --tabel: a register table's name, lower case
  qint64 index = 0;       // istoric --index
  bool progress = false;  // restaureaza --progres
};

// Either a request or the message that says what is wrong with the words.
struct ParsedCommand {
  std::optional<CommandRequest> request;
  QString error;
};

// The command words without the program's name.
[[nodiscard]] ParsedCommand ParseCommand(const QStringList& words);

// Whether the program was started for a command rather than for its window: any first word
// except the one-dash options the toolkit reads itself ("-platform", "-style" ...).
[[nodiscard]] bool IsCommandStart(const QStringList& words);

// "200906" is June 2009: six digits naming a month the report month box accepts.
[[nodiscard]] std::optional<int> CommandMonth(const QString& text);
