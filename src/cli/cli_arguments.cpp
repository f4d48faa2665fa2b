#include "cli/cli_arguments.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "cli/cli_texts.h"
#include "common/check_result.h"
#include "health/annexes/report_month.h"
#include "history/history_tables.h"

namespace {

// How one option of a command is read into the request; `value` is empty for a switch.
using OptionSetter = std::function<std::optional<QString>(CommandRequest&, const QString& value)>;

struct OptionSpec {
  const char* name;
  bool takesValue;
  bool repeatable;
  OptionSetter set;
};

struct CommandSpec {
  const char* name;
  CommandKind kind;
  std::vector<OptionSpec> options;
  std::vector<const char*> required;
  bool takesFiles;
};

std::optional<QString> SetMonth(CommandRequest& request, const QString& value) {
  const std::optional<int> month = CommandMonth(value);
  if (!month) return cli_texts::BadMonth(value);
  request.month = *month;
  return std::nullopt;
}

OptionSpec Month() { return {"--luna", true, false, SetMonth}; }
OptionSpec Companies() {
  return {"--cf", true, true, [](CommandRequest& r, const QString& v) -> std::optional<QString> {
            r.cfs.append(v);
            return std::nullopt;
          }};
}
OptionSpec Folder() {
  return {"--folder", true, false,
          [](CommandRequest& r, const QString& v) -> std::optional<QString> {
            r.folder = v;
            return std::nullopt;
          }};
}
OptionSpec StartFolder() {
  return {"--date", true, false, [](CommandRequest& r, const QString& v) -> std::optional<QString> {
            r.startFolder = v;
            return std::nullopt;
          }};
}
OptionSpec Switch(const char* name, bool CommandRequest::*flag) {
  return {name, false, false, [flag](CommandRequest& r, const QString&) -> std::optional<QString> {
            r.*flag = true;
            return std::nullopt;
          }};
}
OptionSpec Naming() {
  return {"--denumire", true, false,
          [](CommandRequest& r, const QString& v) -> std::optional<QString> {
            if (v == u"casa") {
              r.naming = NamingForm::kByHouse;
            } else if (v == u"lege") {
              r.naming = NamingForm::kLegal;
            } else {
              return cli_texts::BadNaming(v);
            }
            return std::nullopt;
          }};
}
OptionSpec VerifiedAnnex() {
  return {"--anexa", true, false,
          [](CommandRequest& r, const QString& v) -> std::optional<QString> {
            static const QStringList kAnnexes = {"A", "B", "C", "1", "2"};
            if (!kAnnexes.contains(v.toUpper())) return cli_texts::BadAnnex(v);
            r.annex = v.toUpper();
            return std::nullopt;
          }};
}
OptionSpec ImportFile(const char* name, bool previous) {
  return {name, true, false,
          [previous](CommandRequest& r, const QString& v) -> std::optional<QString> {
            if (!r.importFile.isEmpty()) return cli_texts::kImportSource;
            r.importFile = v;
            r.previous = previous;
            return std::nullopt;
          }};
}
OptionSpec House() {
  return {"--cas", true, false, [](CommandRequest& r, const QString& v) -> std::optional<QString> {
            r.cas = v.toUpper();
            return std::nullopt;
          }};
}

OptionSpec HistoryTableName() {
  return {"--tabel", true, false,
          [](CommandRequest& r, const QString& v) -> std::optional<QString> {
            const HistoryTable* table = FindHistoryTable(v);
            if (table == nullptr) return cli_texts::BadHistoryTable(v);
            r.table = table->word;
            return std::nullopt;
          }};
}
OptionSpec RowIndex() {
  return {"--index", true, false,
          [](CommandRequest& r, const QString& v) -> std::optional<QString> {
            bool number = false;
            const qint64 index = v.toLongLong(&number);
            if (!number || index < 1) return cli_texts::BadIndex(v);
            r.index = index;
            return std::nullopt;
          }};
}

const std::vector<CommandSpec>& Commands() {
  static const std::vector<CommandSpec> commands = {
      {"rapoarte",
       CommandKind::kReports,
       {Month(), Companies(), Naming(), Switch("--pdf", &CommandRequest::pdf),
        Switch("--simulare", &CommandRequest::simulate), Folder(), StartFolder()},
       {"--luna", "--folder"},
       false},
      {"declaratii",
       CommandKind::kDeclarations,
       {Month(), Companies(), Switch("--pdf", &CommandRequest::pdf),
        Switch("--simulare", &CommandRequest::simulate), Folder(), StartFolder()},
       {"--luna", "--folder"},
       false},
      {"verifica",
       CommandKind::kVerify,
       {VerifiedAnnex(), Switch("--json", &CommandRequest::json)},
       {"--anexa"},
       true},
      {"importa",
       CommandKind::kImport,
       {ImportFile("--extern", false), ImportFile("--anterior", true), House(), StartFolder()},
       {},
       false},
      {"muta-pe-server", CommandKind::kMove, {StartFolder()}, {}, false},
      {"istoric",
       CommandKind::kHistory,
       {HistoryTableName(), RowIndex(), Switch("--json", &CommandRequest::json), StartFolder()},
       {"--tabel", "--index"},
       false},
      {"copie", CommandKind::kCopy, {Folder(), StartFolder()}, {"--folder"}, false},
      {"restaureaza",
       CommandKind::kRestore,
       {StartFolder(), Switch("--progres", &CommandRequest::progress)},
       {},
       true},
      {"situatie",
       CommandKind::kOverview,
       {Month(), Switch("--json", &CommandRequest::json), StartFolder()},
       {"--luna"},
       false},
  };
  return commands;
}

const CommandSpec* FindCommand(const QString& name) {
  for (const CommandSpec& command : Commands()) {
    if (name == QLatin1String(command.name)) return &command;
  }
  return nullptr;
}

const OptionSpec* FindOption(const CommandSpec& command, const QString& name) {
  for (const OptionSpec& option : command.options) {
    if (name == QLatin1String(option.name)) return &option;
  }
  return nullptr;
}

bool IsHelp(const QString& word) { return word == u"--help" || word == u"-h"; }

// The rules between options that no single option knows.
Refusal CrossCheck(const CommandRequest& request) {
  if (request.kind == CommandKind::kRestore && request.files.size() != 1) {
    return cli_texts::kRestoreFile;
  }
  if (request.kind != CommandKind::kImport) return std::nullopt;
  if (request.importFile.isEmpty()) return cli_texts::kImportSource;
  if (request.previous && request.cas.isEmpty())
    return cli_texts::MissingOption("importa", "--cas");
  if (!request.previous && !request.cas.isEmpty()) return cli_texts::kHouseWithoutPrevious;
  return std::nullopt;
}

ParsedCommand Failure(const QString& error) { return {std::nullopt, error}; }

ParsedCommand ParseOptions(const CommandSpec& command, const QStringList& words) {
  // Asking for help is never refused, whatever else was typed.
  if (std::any_of(words.begin(), words.end(), IsHelp)) {
    CommandRequest help;
    help.helpTopic = QLatin1String(command.name);
    return {help, {}};
  }
  CommandRequest request;
  request.kind = command.kind;
  QStringList seen;
  for (qsizetype i = 0; i < words.size(); ++i) {
    QString word = words[i];
    if (!word.startsWith(u'-') || word == u"-") {
      if (!command.takesFiles) return Failure(cli_texts::StrayWord(word, command.name));
      request.files.append(word);
      continue;
    }
    QString value;
    const qsizetype equals = word.indexOf(u'=');
    const bool inlineValue = equals > 0;
    if (inlineValue) {
      value = word.mid(equals + 1);
      word = word.left(equals);
    }
    const OptionSpec* option = FindOption(command, word);
    if (option == nullptr) return Failure(cli_texts::UnknownOption(word, command.name));
    if (seen.contains(word) && !option->repeatable) return Failure(cli_texts::Repeated(word));
    seen.append(word);
    if (option->takesValue && !inlineValue) {
      if (i + 1 >= words.size()) return Failure(cli_texts::MissingValue(word));
      value = words[++i];
    } else if (!option->takesValue && inlineValue) {
      return Failure(cli_texts::SwitchWithValue(word));
    }
    if (option->takesValue && value.isEmpty()) return Failure(cli_texts::MissingValue(word));
    if (const std::optional<QString> error = option->set(request, value)) return Failure(*error);
  }
  for (const char* required : command.required) {
    if (!seen.contains(QLatin1String(required))) {
      return Failure(cli_texts::MissingOption(command.name, required));
    }
  }
  if (command.takesFiles && request.files.isEmpty()) {
    return Failure(cli_texts::NoFiles(command.name));
  }
  if (const Refusal error = CrossCheck(request)) return Failure(*error);
  return {request, {}};
}

}  // namespace

std::optional<int> CommandMonth(const QString& text) {
  if (text.size() != 6) return std::nullopt;
  return TypedReportMonth(text.mid(4, 2), text.left(4));
}

bool IsCommandStart(const QStringList& words) {
  if (words.isEmpty()) return false;
  const QString& first = words.first();
  return !first.startsWith(u'-') || first.startsWith(QLatin1String("--")) || first == u"-h";
}

ParsedCommand ParseCommand(const QStringList& words) {
  if (words.isEmpty() || IsHelp(words.first())) return {CommandRequest{}, {}};
  if (words.first() == u"--version") {
    CommandRequest version;
    version.kind = CommandKind::kVersion;
    return {version, {}};
  }
  const CommandSpec* command = FindCommand(words.first());
  if (command == nullptr) return Failure(cli_texts::UnknownCommand(words.first()));
  return ParseOptions(*command, words.mid(1));
}
