#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "store/written_files.h"

class CClient;
class Prompter;

// The month at a glance: every company of the register, what it has for the month, what it
// misses and what the program wrote for it. Read with a few statements over the whole month,
// whatever the number of companies; the files' "would differ today" check is the costly part
// and runs apart (CheckDifferToday), only for companies with recorded files.

// In the order the overview lists them: what needs work first.
enum class MonthState {
  kIncomplete,  // "incomplet": something is missing
  kChanged,     // "modificat dupa scriere": written, and the files would differ today
  kReady,       // "gata": nothing missing, not written (or not all of it)
  kWritten,     // "scris": written and unchanged since
  kHandedIn,    // "predat": the user marked the month handed in
};

struct OverviewCompany {
  QString cf;
  QString name;
  int insured = 0;         // employment records active in the month
  int withoutAmounts = 0;  // of them, with no amounts for the month
  bool employerAmounts = false;
  QStringList houses;  // the houses with insured persons in the month
  // The month's medical-leave declaration: the latest rectification, else the initial one.
  qint64 declaration = 0;  // its index; 0 when there is none
  int rectification = 0;   // 0 the initial declaration, N rectification N
  int certificates = 0;
  std::vector<RecordedFile> recorded;  // what the program wrote for the month
  QString healthWrittenAt;             // latest time; empty when never written
  QString leaveWrittenAt;
  std::optional<bool> healthDiffers;  // known once CheckDifferToday ran
  std::optional<bool> leaveDiffers;
  QString handedInAt;  // empty when not marked
  MonthState state = MonthState::kReady;
  QStringList missing;  // in words, for "incomplet"
};

// Every company's row for the month (AAAALL), by name; states settled as if no written file
// differed. Nothing when a statement failed (shown).
[[nodiscard]] std::optional<std::vector<OverviewCompany>> ReadMonthOverview(CClient& client,
                                                                            int month);

// Told before each company checked (done = 0 before the first) out of the total.
using DifferProgress = std::function<void(int done, int total)>;

// Writes in memory the recorded kinds of files of every company that has some and compares
// them with the record; then settles the states again. Files that cannot be made again
// (a failed statement, shown) count as differing. False only for a month that is not one.
[[nodiscard]] bool CheckDifferToday(CClient& client, Prompter& prompter, int month,
                                    std::vector<OverviewCompany>& companies,
                                    const DifferProgress& progress = {});

// The state from the row's figures and its missing things in words; the list sorted by
// state, keeping the order by name the rows were read in.
void SettleState(OverviewCompany& company);
void SortOverview(std::vector<OverviewCompany>& companies);

// The whole overview as the screen and the command show it: rows, the check, the states.
[[nodiscard]] std::optional<std::vector<OverviewCompany>> MonthOverview(
    CClient& client, Prompter& prompter, int month, const DifferProgress& progress = {});

// Texts of a row.
[[nodiscard]] QString StateText(MonthState state);
[[nodiscard]] QString StateWord(MonthState state);  // for JSON: "incomplet", "gata" …
[[nodiscard]] QString DeclarationText(const OverviewCompany& company);
[[nodiscard]] QString WrittenText(const QString& writtenAt, const std::optional<bool>& differs);
