#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "health/annexes/annex_naming.h"
#include "month/month_batch.h"

class CClient;

// Every company's files of a month in one run, as the window starts it: the anexa files of
// every house, the declaration's files, the printed lists and declaration when asked, all
// into one folder, each company's written files checked by the verification rules. A company
// that fails is reported and the others go on.

struct MonthRunOptions {
  int month = 0;  // 200906
  QString folder;
  NamingForm naming = NamingForm::kByHouse;
  bool listsPdf = false;        // the printed lists 2a, 2b, 2c of each house
  bool declarationPdf = false;  // the printed declaration
};

enum class CompanyState {
  kWritten,     // every file of the company written
  kSkipped,     // nothing to write: no insured person in the month
  kFailed,      // a statement, a file or a refusal: `error` says which
  kStopped,     // the user's stop came during the company; the files so far are whole
  kNotReached,  // the user stopped the run before the company
};

struct CompanySummary {
  BatchCompany company;
  CompanyState state = CompanyState::kNotReached;
  QStringList files;   // full paths, in the order written
  QStringList faults;  // one line per written file the verification rules refuse
  QStringList notes;   // why something was skipped, what deserves a look
  QString error;
};

// What the run tells and asks on its way.
struct RunHooks {
  // Before each company (done companies of total) and after each file written.
  std::function<void(int done, int total, const BatchCompany& current)> progress;
  // Asked after each file: once it says so, the company under way ends after that file and
  // the rest are not reached.
  StopAsked stop;
  // Each company's row as soon as the company ends.
  std::function<void(const CompanySummary&)> ended;
};

// The run for the companies in the order given. The client's messages go into the summary
// instead of a box each.
[[nodiscard]] std::vector<CompanySummary> RunMonthFiles(CClient& client,
                                                        const MonthRunOptions& options,
                                                        const std::vector<BatchCompany>& companies,
                                                        const RunHooks& hooks = {});

namespace run_texts {
inline const QString kNotReached =
    QStringLiteral("Oprit de utilizator inainte de aceasta societate.");
inline const QString kStoppedDuring =
    QStringLiteral("Oprit de utilizator; fisierele scrise pana atunci sunt intregi.");
inline const QString kSummaryName = QStringLiteral("rezumat_%1.csv");
}  // namespace run_texts

// "scris", "sarit", "esuat", "oprit", "neatins".
[[nodiscard]] QString StateText(CompanyState state);

// The summary as CSV text: a header, then one line per company; fields separated by ";" (the
// list separator of a Romanian spreadsheet), quoted when they hold one, and the files, faults
// and notes of a company joined by " | ".
[[nodiscard]] QString SummaryCsv(const std::vector<CompanySummary>& rows);

// The summary's file beside the month's files: "rezumat_200906.csv".
[[nodiscard]] QString SummaryCsvPath(const MonthRunOptions& options);

// Writes the CSV whole (UTF-8 with its mark, so a spreadsheet reads the names' letters);
// false when the file could not be written, an older one then staying as it was.
[[nodiscard]] bool WriteSummaryCsv(const QString& path, const std::vector<CompanySummary>& rows);
