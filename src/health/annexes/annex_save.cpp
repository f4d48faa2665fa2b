#include "health/annexes/annex_save.h"

#include <QDir>
#include <memory>

#include "dbf/dbf_checksum.h"
#include "health/annexes/annex_files.h"
#include "health/annexes/annex_queries.h"
#include "store/c_client.h"
#include "store/list_model.h"
#include "store/prompter.h"
#include "store/written_files.h"

namespace {

QStringList HousesToWrite(const SaveChoices& choices) {
  return choices.scope == HouseScope::kAll ? choices.houses : QStringList{choices.selectedHouse};
}

std::optional<NamingForm> ChooseNaming(Prompter& prompter, const SaveChoices& choices,
                                       const MonthParts& month, const SaveSeams& seams) {
  const NamingChoice names{
      ShownFileNames(NamingForm::kLegal, month, choices.cf, {}),
      ShownFileNames(NamingForm::kByHouse, month, choices.cf, choices.selectedHouse)};
  while (seams.chooseNaming) {
    const std::optional<NamingForm> naming = seams.chooseNaming(names);
    if (!naming) return std::nullopt;
    const auto refusal =
        NamingRefusal(*naming, choices.scope, static_cast<int>(HousesToWrite(choices).size()));
    if (!refusal) return naming;
    prompter.Inform(*refusal);
  }
  return std::nullopt;
}

// The folder, or nothing after a refusal (shown) or a cancelled chooser.
std::optional<QString> ChooseFolder(Prompter& prompter, Destination destination,
                                    const SaveSeams& seams, bool& refused) {
  if (destination == Destination::kFolder) {
    const QString folder =
        prompter.ChooseFolder(destination_texts::kChooseFolderTitle, seams.folderStart);
    if (folder.isEmpty()) return std::nullopt;
    return folder;
  }
  const auto volume = FirstRemovableVolume(seams.mountRoots, seams.mountedVolumes());
  if (!volume) {
    prompter.Inform(destination_texts::kNoRemovableVolume);
    refused = true;
  }
  return volume;
}

// The records of one annex of one house. Anexa 1C is the same for every house of the
// company, so one save gathers it once.
class HouseRecords {
 public:
  HouseRecords(CClient& client, const AnnexHeader& header) : client_(client), header_(header) {}

  const ListModel* Gather(Annex annex, const QString& cas) {
    if (annex == Annex::k1C && company1C_) return company1C_.get();
    auto records = std::make_unique<ListModel>();
    if (!FillAnnexRecords(client_, annex, header_, cas, *records)) return nullptr;
    if (annex == Annex::k1C) {
      company1C_ = std::move(records);
      return company1C_.get();
    }
    house_ = std::move(records);
    return house_.get();
  }

 private:
  CClient& client_;
  const AnnexHeader& header_;
  std::unique_ptr<ListModel> house_;
  std::unique_ptr<ListModel> company1C_;
};

// The files just written, for the record of written files.
struct HouseFiles {
  QStringList& paths;
  std::vector<WrittenFile>& record;
};

void AddWritten(HouseFiles& written, const QString& cas, Annex annex, const QString& path) {
  written.paths.append(path);
  // A file that cannot be read back keeps an empty checksum: it never counts as unchanged.
  written.record.push_back(
      {cas, AnnexPartName(annex), path, DbfFileChecksum(path).value_or(QString())});
}

// 1A, then 1B, then 1C, each added to `written`; kFailed at the first that fails (shown),
// kStopped when asked to end after a file.
SaveOutcome WriteHouse(HouseRecords& gathered, Prompter& prompter, const AnnexHeader& header,
                       const QString& cas, NamingForm naming, const QDir& folder,
                       const SaveStop& stop, HouseFiles& written) {
  for (const Annex annex : kAnnexes) {
    const ListModel* records = gathered.Gather(annex, cas);
    if (records == nullptr) return SaveOutcome::kFailed;  // the client has shown the error
    const QString path =
        folder.filePath(AnnexFileName(naming, annex, header.month, header.cf, cas));
    if (!WriteAnnexRecords(annex, *records, path)) {
      prompter.Inform(AnnexWriteFailure(annex));
      return SaveOutcome::kFailed;
    }
    AddWritten(written, cas, annex, path);
    if (stop && stop()) return SaveOutcome::kStopped;
  }
  return SaveOutcome::kSaved;
}

}  // namespace

Refusal SaveRefusal(const SaveChoices& choices) {
  if (!SplitMonth(choices.month)) return save_texts::kNoMonth;
  if (choices.scope == HouseScope::kSelected) {
    if (choices.selectedHouse.isEmpty()) return save_texts::kNoHouse;
    return std::nullopt;
  }
  if (choices.cf.isEmpty()) return save_texts::kNoCompany;
  if (choices.houses.isEmpty()) return save_texts::kNoInsured;
  return std::nullopt;
}

Saved<SaveOutcome> SaveReportFiles(CClient& client, Prompter& prompter, const SaveChoices& choices,
                                   const SaveSeams& seams) {
  if (const auto refusal = SaveRefusal(choices)) {
    prompter.Inform(*refusal);
    return {SaveOutcome::kRefused, {}};
  }
  const MonthParts month = *SplitMonth(choices.month);
  const std::optional<NamingForm> naming = ChooseNaming(prompter, choices, month, seams);
  if (!naming) return {SaveOutcome::kCancelled, {}};
  bool refused = false;
  const std::optional<QString> folder = ChooseFolder(prompter, choices.destination, seams, refused);
  if (!folder) return {refused ? SaveOutcome::kRefused : SaveOutcome::kCancelled, {}};
  return WriteReportFiles(client, prompter, month, choices.cf, HousesToWrite(choices), *naming,
                          *folder, seams.progress);
}

Saved<SaveOutcome> WriteReportFiles(CClient& client, Prompter& prompter, const MonthParts& month,
                                    const QString& cf, const QStringList& houses, NamingForm naming,
                                    const QString& folder, const HousesProgress& progress,
                                    const SaveStop& stop) {
  Saved<SaveOutcome> saved{SaveOutcome::kFailed, {}};
  const std::optional<AnnexHeader> header = ReadAnnexHeader(client, month, cf);
  if (!header) return saved;
  // Every name is checked before the first file is written.
  for (const QString& cas : houses) {
    if (!UsableInFileName(naming, cf, cas)) {
      prompter.Inform(naming_texts::kUnusableInName);
      saved.outcome = SaveOutcome::kRefused;
      return saved;
    }
  }
  const QDir destination(folder);
  HouseRecords gathered(client, *header);
  std::vector<WrittenFile> record;
  HouseFiles written{saved.files, record};
  const auto total = static_cast<int>(houses.size());
  if (progress) progress(0, total);
  saved.outcome = SaveOutcome::kSaved;
  for (int done = 0; done < total && saved.outcome == SaveOutcome::kSaved; ++done) {
    saved.outcome =
        WriteHouse(gathered, prompter, *header, houses[done], naming, destination, stop, written);
    if (saved.outcome == SaveOutcome::kSaved && progress) progress(done + 1, total);
  }
  // Every file written is whole, also before a failure or a stop. A record that cannot be
  // kept leaves the files as saved: the month overview then does not know them.
  (void)RecordWrittenFiles(client, cf, month.month.toInt(), WrittenKind::kHealth, record);
  return saved;
}
