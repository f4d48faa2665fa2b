#include "cli/cli_import.h"

#include <QDir>
#include <QFileInfo>

#include "cli/cli_batch.h"
#include "cli/cli_console.h"
#include "cli/cli_disk_watch.h"
#include "cli/cli_stop.h"
#include "cli/cli_texts.h"
#include "common/code_lists.h"
#include "common/free_space.h"
#include "exchange/import/import_file.h"
#include "exchange/import/import_store.h"
#include "store/c_client.h"
#include "store/grouped_flushes.h"
#include "store/list_model.h"
#include "store/named_lock.h"

namespace {

// Why the file is not taken, or nothing; the screen's own message for a file of another
// layout, no records or no usable fiscal code.
Refusal FileProblem(const QString& path, const ImportFileResult& read) {
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
  int withoutAmounts = 0;  // of the stored
  int rejected = 0;

  QString Summary(const QString& file, int done, int total) const {
    return cli_texts::ImportSummary(file, stored, withoutAmounts, rejected, done, total);
  }
};

// The line of a record that was rejected or stored without its amounts: the screen's
// EROARE text, without the separator an anexa 1A record's text starts with.
QString RecordReason(const ImportOutcome& outcome) {
  QString text = outcome.text;
  if (text.startsWith(QLatin1String("; "))) text.remove(0, 2);
  return text;
}

// The file's records, read and checked, for the registered company of `cf`.
struct ReadRecords {
  QString shown;  // the file as the messages name it
  QString cf;
  ListModel list;
};

// Hands each record to the screen's record step, as its save does, after what that save
// prepares before the first record: the month of an anexa 1A, the company's rows of an
// external source.
// Records between two looks at the room left on the register's disk.
constexpr int kRecordsPerRoomCheck = 200;

int ImportRecords(CClient& client, CollectingPrompter& prompter, Console& console,
                  const ImportRequest& request, ReadRecords& file) {
  const QString month = PreviousAmountsMonth(file.list.GetCellText(0, QStringLiteral("AN")),
                                             file.list.GetCellText(0, QStringLiteral("LN")));
  // As on the screen: no other workstation adds a person's active record meanwhile.
  const NamedLock insured(client, lock_names::kInsured);
  const GroupedFlushes flushes(client);
  if (!insured.Held()) {
    console.Error(ShownError(prompter));
    return 2;
  }
  ExternalImportRows registerRows(file.cf);
  if (!request.previous && !registerRows.Read(client)) {
    console.Error(ShownError(prompter));
    return 2;
  }
  ImportCount count;
  const int total = file.list.RowCount();
  // The register grows by a few times the file; then it keeps room for the next batch.
  const QStringList dataFolder{client.EmbeddedDataDir()};
  const qint64 fileSize = QFileInfo(request.file).size();
  for (int row = 0; row < total; ++row) {
    const bool checksRoom = row % kRecordsPerRoomCheck == 0;
    const qint64 needed = row == 0 ? 3 * fileSize + kWorkingRoom : kWorkingRoom;
    if (checksRoom) {
      if (const std::optional<SpaceShortage> shortage = FindSpaceShortage(dataFolder, needed)) {
        console.Result(count.Summary(file.shown, row, total));
        console.Error(SpaceShortageText(*shortage));
        return 1;
      }
    }
    if (CommandStop::Requested()) {
      console.Result(count.Summary(file.shown, row, total));
      console.Error(cli_texts::kStopped);
      return 1;
    }
    console.Progress(QStringLiteral("importa: inregistrarea %1 din %2").arg(row + 1).arg(total));
    const ImportFields fields = RowFields(file.list, row);
    const ImportOutcome outcome =
        request.previous ? ImportPreviousRecord(client, file.cf, request.cas, month, fields)
                         : ImportExternalRecord(client, registerRows, fields);
    if (outcome.kind == ImportOutcome::Kind::kFailed) {
      console.Error(cli_texts::RecordFailed(file.shown, row + 1, ShownError(prompter)));
      return 1;
    }
    const bool rejected = outcome.kind == ImportOutcome::Kind::kRejected;
    ++(rejected ? count.rejected : count.stored);
    if (outcome.amountsDropped) ++count.withoutAmounts;
    if (rejected || outcome.amountsDropped) {
      console.Result(cli_texts::RecordLine(file.shown, row + 1, RecordReason(outcome)));
    }
  }
  console.Result(count.Summary(file.shown, total, total));
  return count.rejected > 0 || count.withoutAmounts > 0 || count.stored == 0 ? 1 : 0;
}

}  // namespace

Refusal ImportHouseProblem(const ImportRequest& request) {
  if (!request.previous || HouseIndex(request.cas, HouseList::kRegister) >= 0) {
    return std::nullopt;
  }
  return cli_texts::UnknownHouse(request.cas);
}

int RunImport(CClient& client, CollectingPrompter& prompter, Console& console,
              const ImportRequest& request) {
  ReadRecords file;
  file.shown = QDir::toNativeSeparators(request.file);
  if (!QFileInfo(request.file).isFile()) {
    console.Error(cli_texts::MissingFile(file.shown));
    return 2;
  }
  const ImportLayout layout = request.previous ? ImportLayout::kPrevious : ImportLayout::kExternal;
  const ImportFileResult read = ReadImportFile(request.file, layout, file.list);
  if (const auto problem = FileProblem(file.shown, read)) {
    console.Error(*problem);
    return 2;
  }
  file.cf = read.cf;
  const auto company = FindImportCompany(client, file.cf);
  if (!company) {
    console.Error(ShownError(prompter));
    return 2;
  }
  if (const Refusal refused = ImportCompanyRefusal(read, company->has_value(), file.list)) {
    console.Error(cli_texts::InFile(file.shown, *refused));
    return 2;
  }
  if (!*company) {
    console.Error(cli_texts::ImportCompanyMissing(file.cf));
    return 1;
  }
  const DiskWaitWatcher watcher(client.EmbeddedDataDir(), console);
  return ImportRecords(client, prompter, console, request, file);
}
