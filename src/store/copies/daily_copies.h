#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include "store/copies/copy_writer.h"

class CClient;

// The copy the program takes at the first exit of each day: into copii/zilnice beside the
// data folder, or the folder the settings file names in its [copii] group
// (dosar="/media/disc2/copii", a second disk or a network share). The last ten stay, and the
// last of each of the twelve latest months.

inline constexpr int kDailyCopiesKept = 10;
inline constexpr int kMonthlyCopiesKept = 12;

struct DailyCopiesPlace {
  QString folder;
  QString problem;  // why copies cannot be written there; empty when they can
};

// Where the daily copies go for the start-up folder and its data folder. A folder the
// settings file names must exist (a disk or share that is not there is not made on the
// local disk); the folder beside the data folder is made when missing.
[[nodiscard]] DailyCopiesPlace DailyCopiesFolder(const QString& startDirectory,
                                                 const QString& dataDir);

// Whether the folder has no copy of `today` yet.
[[nodiscard]] bool DailyCopyDue(const QString& folder, const QDate& today);

// The copies, by file name, that go so that the newest ten and the newest of each of the
// twelve latest months (the month of `today` and the eleven before it) stay. Names that
// are not of copies are never among them.
[[nodiscard]] QStringList CopiesToRemove(const QStringList& names, const QDate& today);

struct DailyCopyOutcome {
  enum class Kind { kNotDue, kTaken, kFailed };
  Kind kind = Kind::kNotDue;
  QString text;  // the copy's path, or why none was taken
};

// Takes today's copy when none is there yet, then removes the copies no longer kept.
[[nodiscard]] DailyCopyOutcome TakeDailyCopy(CClient& client, const QString& startDirectory,
                                             const QString& program,
                                             const CopyProgress& progress = {});

// What the user is told when the daily copy failed; the exit goes on.
[[nodiscard]] QString DailyCopyFailedText(const QString& reason);
