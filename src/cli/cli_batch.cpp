#include "cli/cli_batch.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "cli/cli_console.h"
#include "cli/cli_stop.h"
#include "cli/cli_texts.h"
#include "common/check_result.h"
#include "common/free_space.h"
#include "store/c_client.h"
#include "store/grouped_flushes.h"

namespace {

struct Totals {
  int files = 0;
  int failed = 0;
  int warned = 0;
};

void PrintCompany(Console& console, const BatchCompany& company, const CompanyResult& result) {
  console.Result(company.cf + u' ' + company.name +
                 (result.note.isEmpty() ? QString() : QStringLiteral(" (") + result.note + u')'));
  for (const QString& file : result.files) console.Result(QStringLiteral("  ") + file);
  for (const QString& warning : result.warnings) {
    console.Result(QStringLiteral("  avertisment: ") + warning);
  }
  if (!result.error.isEmpty()) console.Result(QStringLiteral("  eroare: ") + result.error);
}

// `done` of `companies` were run: fewer when the user stopped the command.
QString Summary(const BatchRun& run, const Totals& totals, int done, int companies) {
  const QString folder = QDir::toNativeSeparators(run.folder);
  QString text = run.simulate
                     ? QStringLiteral(
                           "%1: %2 fisiere ar fi scrise in %3 pentru %4 societati (simulare, nu "
                           "s-a scris nimic)")
                     : QStringLiteral("%1: %2 fisiere scrise in %3 pentru %4 societati");
  const QString counted = done < companies ? QStringLiteral("%1 din %2").arg(done).arg(companies)
                                           : QString::number(companies);
  text = text.arg(run.title).arg(totals.files).arg(folder, counted);
  text +=
      QStringLiteral("; %1 cu erori, %2 cu avertismente.").arg(totals.failed).arg(totals.warned);
  return text;
}

// Every company (none named) or the named ones, in the order of the register's list; the
// message naming the first code that is not in the register, or a failed query.
struct CompanySelection {
  std::vector<BatchCompany> companies;
  QString error;
};

CompanySelection SelectCompanies(CClient& client, const QStringList& cfs) {
  if (client.Execute(QStringLiteral("SELECT s.cf, s.denumire FROM asigurati.societati AS s "
                                    "ORDER BY s.denumire, s.cf"),
                     1) != 0) {
    return {{}, cli_texts::kQueryFailed};
  }
  std::vector<BatchCompany> all;
  for (int row = 0; row < client.RowCount(); ++row) {
    all.push_back({client.GetField(row, QStringLiteral("CF")),
                   client.GetField(row, QStringLiteral("DENUMIRE"))});
  }
  if (cfs.isEmpty()) return {std::move(all), {}};
  for (const QString& cf : cfs) {
    const bool known =
        std::any_of(all.begin(), all.end(), [&cf](const BatchCompany& c) { return c.cf == cf; });
    if (!known) return {{}, cli_texts::UnknownCompany(cf)};
  }
  std::vector<BatchCompany> named;
  for (const BatchCompany& company : all) {
    if (cfs.contains(company.cf)) named.push_back(company);
  }
  return {std::move(named), {}};
}

// Why the output folder cannot be used: missing, not a folder, or (unless nothing is to be
// written) not writable.
Refusal OutputFolderProblem(const QString& folder, bool simulate) {
  const QFileInfo info(folder);
  if (info.exists() && !info.isDir()) return cli_texts::NotAFolder(folder);
  if (!info.isDir()) return cli_texts::MissingFolder(folder);
  if (!simulate && ::access(QFile::encodeName(info.absoluteFilePath()).constData(), W_OK) != 0) {
    return cli_texts::ReadOnlyFolder(folder);
  }
  return std::nullopt;
}

int RunSelected(Console& console, const BatchRun& run, const std::vector<BatchCompany>& companies,
                const CompanyWork& work, const QStringList& writtenFolders) {
  if (companies.empty()) {
    console.Error(cli_texts::kNoCompanies);
    return 1;
  }
  Totals totals;
  const auto count = static_cast<int>(companies.size());
  bool stopped = CommandStop::Requested();
  int done = 0;
  for (int i = 0; i < count && !stopped; ++i, ++done) {
    const BatchCompany& company = companies[static_cast<size_t>(i)];
    if (const std::optional<SpaceShortage> shortage = FindSpaceShortage(writtenFolders)) {
      console.Error(SpaceShortageText(*shortage));
      ++totals.failed;
      break;
    }
    console.Progress(QStringLiteral("%1: societatea %2 din %3 (%4)")
                         .arg(run.command)
                         .arg(i + 1)
                         .arg(count)
                         .arg(company.cf));
    const CompanyResult result = work(company);
    PrintCompany(console, company, result);
    totals.files += static_cast<int>(result.files.size());
    if (!result.error.isEmpty()) ++totals.failed;
    if (!result.warnings.isEmpty()) ++totals.warned;
    stopped = result.stopped || CommandStop::Requested();
  }
  console.Result(Summary(run, totals, done, count));
  if (stopped) console.Error(cli_texts::kStopped);
  return stopped || totals.failed > 0 || totals.files == 0 ? 1 : 0;
}

}  // namespace

int RunCompanies(CClient& client, Console& console, const BatchRun& run, const CompanyWork& work) {
  if (const auto problem = OutputFolderProblem(run.folder, run.simulate)) {
    console.Error(*problem);
    return 2;
  }
  const CompanySelection selection = SelectCompanies(client, run.cfs);
  if (!selection.error.isEmpty()) {
    console.Error(selection.error);
    return 2;
  }
  // Nothing is written by a simulation; otherwise the files' folder and the register's.
  const QStringList written =
      run.simulate ? QStringList() : QStringList{run.folder, client.EmbeddedDataDir()};
  // The month's figures are stored as the files are written: many small writes.
  const GroupedFlushes flushes(client);
  return RunSelected(console, run, selection.companies, work, written);
}

QString ShownError(CollectingPrompter& prompter) { return CollectedError(prompter); }
