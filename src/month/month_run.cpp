#include "month/month_run.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "common/free_space.h"
#include "common/whole_file.h"
#include "exchange/verify/written_check.h"
#include "store/c_client.h"
#include "store/collecting_prompter.h"
#include "store/grouped_flushes.h"

namespace {

// While the run lives, the client's messages are collected for the summary.
class CollectedMessages {
 public:
  explicit CollectedMessages(CClient& client)
      : client_(client), previous_(client.ReplacePrompter(&prompter_)) {}
  ~CollectedMessages() { client_.ReplacePrompter(previous_); }
  CollectedMessages(const CollectedMessages&) = delete;
  CollectedMessages& operator=(const CollectedMessages&) = delete;

  CollectingPrompter& Collector() { return prompter_; }

 private:
  CClient& client_;
  CollectingPrompter prompter_;
  Prompter* previous_;
};

// The faults the verification rules find in the company's written files, one line a file.
QStringList FaultsOf(const QStringList& paths) {
  QStringList faults;
  for (const WrittenFileCheck& check : CheckWrittenFiles(paths)) {
    if (check.verdict != WrittenVerdict::kFaulty) continue;
    // The faulty records when there are any; otherwise what the check said of the whole file.
    QStringList found;
    for (const VerifyFault& fault : check.faults) {
      found.append(QStringLiteral("inregistrarea %1: %2").arg(fault.row + 1).arg(fault.text));
    }
    if (found.isEmpty()) found.append(check.message);
    faults.append(QFileInfo(check.path).fileName() + QStringLiteral(": ") +
                  found.join(QStringLiteral("; ")));
  }
  return faults;
}

QStringList InFolder(const QString& folder, const QStringList& names) {
  const QDir dir(folder);
  QStringList paths;
  for (const QString& name : names) paths.append(dir.filePath(name));
  return paths;
}

// One part of the company's files (the anexa files, the declaration's) added to its row.
void AddPart(const QString& folder, const CompanyResult& part, CompanySummary& row) {
  row.files += InFolder(folder, part.files);
  row.notes += part.warnings;
  if (!part.note.isEmpty()) row.notes.append(QStringLiteral("Declaratia: ") + part.note);
  if (!part.error.isEmpty()) {
    row.error += (row.error.isEmpty() ? QString() : QStringLiteral(" ")) + part.error;
  }
  if (part.stopped) row.state = CompanyState::kStopped;
}

CompanySummary RunCompany(CClient& client, CollectingPrompter& prompter,
                          const MonthRunOptions& options, const MonthHouses& month,
                          const BatchCompany& company, const StopAsked& stop) {
  CompanySummary row{company, CompanyState::kWritten, {}, {}, {}, {}};
  if (month.houses.value(company.cf).isEmpty()) {
    row.state = CompanyState::kSkipped;
    row.notes.append(batch_texts::NoInsured(options.month));
    return row;
  }
  if (const auto shortage = FindSpaceShortage({options.folder, client.EmbeddedDataDir()})) {
    row.state = CompanyState::kFailed;
    row.error = SpaceShortageText(*shortage);
    return row;
  }
  const ReportsJob reports{options.month, options.naming, options.listsPdf, false, options.folder};
  AddPart(options.folder, WriteCompanyReports(client, prompter, reports, month, company, stop),
          row);
  // The declaration's files stand apart from the anexa files: a refused naming or a failed
  // anexa does not keep them back.
  if (row.state != CompanyState::kStopped) {
    const DeclarationsJob declarations{options.month, options.declarationPdf, false,
                                       options.folder};
    AddPart(options.folder, WriteCompanyDeclaration(client, prompter, declarations, company, stop),
            row);
  }
  row.faults = FaultsOf(row.files);
  if (!row.error.isEmpty()) {
    row.state = CompanyState::kFailed;
  } else if (row.state == CompanyState::kStopped) {
    row.notes.append(run_texts::kStoppedDuring);
  }
  return row;
}

QString CsvField(QString text) {
  if (!text.contains(u';') && !text.contains(u'"') && !text.contains(u'\n')) return text;
  text.replace(QStringLiteral("\""), QStringLiteral("\"\""));
  return u'"' + text + u'"';
}

QStringList FileNames(const QStringList& paths) {
  QStringList names;
  for (const QString& path : paths) names.append(QFileInfo(path).fileName());
  return names;
}

}  // namespace

std::vector<CompanySummary> RunMonthFiles(CClient& client, const MonthRunOptions& options,
                                          const std::vector<BatchCompany>& companies,
                                          const RunHooks& hooks) {
  std::vector<CompanySummary> rows;
  CollectedMessages messages(client);
  // The month's figures are read, and stored with the files' record, company after company.
  const GroupedFlushes flushes(client);
  const std::optional<MonthHouses> month = ReadMonthHouses(client, options.month);
  const auto total = static_cast<int>(companies.size());
  bool stopped = false;
  const auto add = [&rows, &hooks](CompanySummary row) {
    rows.push_back(std::move(row));
    if (hooks.ended) hooks.ended(rows.back());
  };
  for (int i = 0; i < total; ++i) {
    const BatchCompany& company = companies[static_cast<size_t>(i)];
    stopped = stopped || (hooks.stop && hooks.stop());
    if (stopped) {
      add({company, CompanyState::kNotReached, {}, {}, {run_texts::kNotReached}, {}});
      continue;
    }
    if (hooks.progress) hooks.progress(i, total, company);
    if (!month) {
      add({company, CompanyState::kFailed, {}, {}, {}, batch_texts::kQueryFailed});
      continue;
    }
    const StopAsked afterFile = [&] {
      if (hooks.progress) hooks.progress(i, total, company);
      stopped = hooks.stop && hooks.stop();
      return stopped;
    };
    add(RunCompany(client, messages.Collector(), options, *month, company, afterFile));
    stopped = stopped || rows.back().state == CompanyState::kStopped;
  }
  if (hooks.progress && !companies.empty()) hooks.progress(total, total, companies.back());
  return rows;
}

QString StateText(CompanyState state) {
  switch (state) {
    case CompanyState::kWritten:
      return QStringLiteral("scris");
    case CompanyState::kSkipped:
      return QStringLiteral("sarit");
    case CompanyState::kFailed:
      return QStringLiteral("esuat");
    case CompanyState::kStopped:
      return QStringLiteral("oprit");
    case CompanyState::kNotReached:
      break;
  }
  return QStringLiteral("neatins");
}

QString SummaryCsv(const std::vector<CompanySummary>& rows) {
  QString csv = QStringLiteral(
      "Cod fiscal;Societate;Stare;Fisiere scrise;Fisiere;Greseli gasite;Greseli;Motiv\r\n");
  const QString joint = QStringLiteral(" | ");
  for (const CompanySummary& row : rows) {
    QStringList reasons = row.notes;
    if (!row.error.isEmpty()) reasons.prepend(row.error);
    const QStringList fields = {row.company.cf,
                                row.company.name,
                                StateText(row.state),
                                QString::number(row.files.size()),
                                FileNames(row.files).join(joint),
                                QString::number(row.faults.size()),
                                row.faults.join(joint),
                                reasons.join(joint)};
    QStringList quoted;
    for (const QString& field : fields) quoted.append(CsvField(field));
    csv += quoted.join(u';') + QStringLiteral("\r\n");
  }
  return csv;
}

QString SummaryCsvPath(const MonthRunOptions& options) {
  return QDir(options.folder).filePath(run_texts::kSummaryName.arg(options.month));
}

bool WriteSummaryCsv(const QString& path, const std::vector<CompanySummary>& rows) {
  QSaveFile file(path);
  if (!OpenWhole(file)) return false;
  const QByteArray bytes = QByteArrayLiteral("\xEF\xBB\xBF") + SummaryCsv(rows).toUtf8();
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return CommitWhole(file);
}
