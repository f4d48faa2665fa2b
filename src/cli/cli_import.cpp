#include "cli/cli_import.h"

#include <QDir>
#include <QFileInfo>

#include "cli/cli_batch.h"
#include "cli/cli_console.h"
#include "cli/cli_stop.h"
#include "cli/cli_texts.h"
#include "common/code_lists.h"
#include "exchange/import_file.h"
#include "exchange/import_store.h"
#include "store/list_model.h"

namespace {

// Why the file is not taken, or nothing; the screen's own message for a file of another
// layout, no records or no usable fiscal code.
std::optional<QString> FileProblem(const QString& path, const ImportFileResult& read) {
  switch (read.outcome) {
    case ImportFileResult::Outcome::kRead:
      return std::nullopt;
    case ImportFileResult::Outcome::kIgnored:
      return cli_texts::NotDbf(path);
    case ImportFileResult::Outcome::kRefused:
      break;
  }
  return cli_texts::InFile(path, read.message);
}

struct ImportCount {
  int stored = 0;
  int rejected = 0;
};

}  // namespace

QString ImportHouseProblem(const ImportRequest& request) {
  if (!request.previous || HouseIndex(request.cas, HouseList::kRegister) >= 0) return {};
  return cli_texts::UnknownHouse(request.cas);
}

int RunImport(CClient& client, CollectingPrompter& prompter, Console& console,
              const ImportRequest& request) {
  const QString shown = QDir::toNativeSeparators(request.file);
  if (!QFileInfo(request.file).isFile()) {
    console.Error(cli_texts::MissingFile(shown));
    return 2;
  }
  ListModel records;
  const ImportLayout layout = request.previous ? ImportLayout::kPrevious : ImportLayout::kExternal;
  const ImportFileResult read = ReadImportFile(request.file, layout, records);
  if (const auto problem = FileProblem(shown, read)) {
    console.Error(*problem);
    return 2;
  }
  const auto company = FindImportCompany(client, read.cf);
  if (!company) {
    console.Error(ShownError(prompter));
    return 2;
  }
  if (!*company) {
    console.Error(cli_texts::ImportCompanyMissing(read.cf));
    return 1;
  }
  const QString month = PreviousAmountsMonth(records.GetCellText(0, QStringLiteral("AN")),
                                             records.GetCellText(0, QStringLiteral("LN")));
  ImportCount count;
  const int rows = records.RowCount();
  for (int row = 0; row < rows; ++row) {
    console.Progress(QStringLiteral("importa: inregistrarea %1 din %2").arg(row + 1).arg(rows));
    const ImportFields fields = RowFields(records, row);
    const ImportOutcome outcome =
        request.previous ? ImportPreviousRecord(client, read.cf, request.cas, month, fields)
                         : ImportExternalRecord(client, read.cf, fields);
    if (outcome.kind == ImportOutcome::Kind::kFailed) {
      console.Error(cli_texts::RecordFailed(shown, row + 1, ShownError(prompter)));
      return 1;
    }
    if (outcome.kind == ImportOutcome::Kind::kRejected) {
      ++count.rejected;
      console.Result(cli_texts::RecordLine(shown, row + 1, outcome.text));
    } else {
      ++count.stored;
    }
    if (CommandStop::Requested() && row + 1 < rows) {
      console.Result(cli_texts::ImportSummary(shown, count.stored, count.rejected, row + 1, rows));
      console.Error(cli_texts::kStopped);
      return 1;
    }
  }
  console.Result(cli_texts::ImportSummary(shown, count.stored, count.rejected, rows, rows));
  return count.rejected > 0 || count.stored == 0 ? 1 : 0;
}
