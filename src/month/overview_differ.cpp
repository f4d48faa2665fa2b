#include <QDate>
#include <QSet>
#include <map>
#include <memory>

#include "dbf/dbf_checksum.h"
#include "health/annexes/annex_files.h"
#include "health/annexes/annex_values.h"
#include "leave/output/declaration_files.h"
#include "month/month_overview.h"
#include "store/list_model.h"

// "Would the files differ today": each recorded kind of file is written again in memory with
// the same builders the saves use and its checksum compared with the recorded one. The date
// in the file's header is left out of both checksums, so only the records count.

namespace {

// Any fixed day: the checksum leaves the date out.
const QDate kAnyDay(2000, 1, 1);

std::optional<Annex> AnnexOfPart(const QString& part) {
  for (const Annex annex : kAnnexes) {
    if (AnnexPartName(annex) == part) return annex;
  }
  return std::nullopt;
}

// The checksum a house's annex would have today; nothing when a statement failed.
class AnnexChecksums {
 public:
  AnnexChecksums(CClient& client, const AnnexHeader& header) : client_(client), header_(header) {}

  std::optional<QString> Of(Annex annex, const QString& cas) {
    // Anexa 1C is the same for every house of the company.
    const QString key = annex == Annex::k1C ? QString() : cas;
    const auto known = known_.find({AnnexPartName(annex), key});
    if (known != known_.end()) return known->second;
    ListModel records;
    if (!FillAnnexRecords(client_, annex, header_, cas, records)) return std::nullopt;
    const QString sum = DbfChecksum(AnnexFileBytes(annex, records, kAnyDay));
    known_[{AnnexPartName(annex), key}] = sum;
    return sum;
  }

 private:
  CClient& client_;
  const AnnexHeader& header_;
  std::map<std::pair<QString, QString>, QString> known_;
};

// Whether the health files would differ: a recorded file whose content changed, or a house
// written then that has nobody in the month now. Files that cannot be written again today
// (a failed statement, shown) count as differing: nothing confirms them.
bool HealthDiffers(CClient& client, const MonthParts& month, const OverviewCompany& company) {
  const std::optional<AnnexHeader> header = ReadAnnexHeader(client, month, company.cf);
  if (!header) return true;
  AnnexChecksums today(client, *header);
  for (const RecordedFile& file : company.recorded) {
    if (file.kind != WrittenKind::kHealth) continue;
    if (!company.houses.contains(file.cas)) return true;
    const std::optional<Annex> annex = AnnexOfPart(file.part);
    if (!annex) return true;
    const std::optional<QString> sum = today.Of(*annex, file.cas);
    if (!sum || *sum != file.checksum) return true;
  }
  return false;
}

const RecordedFile* RecordedPart(const OverviewCompany& company, const char* part) {
  for (const RecordedFile& file : company.recorded) {
    if (file.kind == WrittenKind::kLeave && file.part == QLatin1String(part)) return &file;
  }
  return nullptr;
}

bool Differs(const RecordedFile* recorded, DeclarationFile file, std::vector<QStringList> records) {
  if (recorded == nullptr) return true;
  return DbfChecksum(DeclarationFileBytes(file, std::move(records), kAnyDay)) != recorded->checksum;
}

// Whether the declaration's files would differ: written for a declaration that is gone, or
// its A1 or A2 written differently today, or files that cannot be made today.
bool LeaveDiffers(CClient& client, Prompter& prompter, const OverviewCompany& company) {
  if (company.declaration == 0) return true;
  std::optional<DeclarationRecords> a1 =
      BuildA1Records(client, prompter, company.cf, company.declaration);
  if (!a1) return true;
  if (Differs(RecordedPart(company, "A1"), DeclarationFile::kA1, std::move(a1->records))) {
    return true;
  }
  std::optional<DeclarationRecords> a2 =
      BuildA2Records(client, prompter, company.declaration, a1->company);
  if (!a2) return true;
  return Differs(RecordedPart(company, "A2"), DeclarationFile::kA2, std::move(a2->records));
}

}  // namespace

bool CheckDifferToday(CClient& client, Prompter& prompter, int month,
                      std::vector<OverviewCompany>& companies, const DifferProgress& progress) {
  const std::optional<MonthParts> parts = SplitMonth(QString::number(month));
  if (!parts) return false;
  std::vector<OverviewCompany*> written;
  for (OverviewCompany& company : companies) {
    if (!company.recorded.empty()) written.push_back(&company);
  }
  const auto total = static_cast<int>(written.size());
  for (int done = 0; done < total; ++done) {
    if (progress) progress(done, total);
    OverviewCompany& company = *written[done];
    if (!company.healthWrittenAt.isEmpty()) {
      company.healthDiffers = HealthDiffers(client, *parts, company);
    }
    if (!company.leaveWrittenAt.isEmpty()) {
      company.leaveDiffers = LeaveDiffers(client, prompter, company);
    }
  }
  if (progress) progress(total, total);
  for (OverviewCompany& company : companies) SettleState(company);
  SortOverview(companies);
  return true;
}
