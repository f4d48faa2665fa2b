#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "health/annexes/annex_naming.h"

class CClient;
class CollectingPrompter;

// One company's files of a month, written by the same saves as the report wizard's last step
// and the declarations panel. The month-end commands and the month's run from the window
// both call these, one company after the other.

struct BatchCompany {
  QString cf;
  QString name;
};

struct CompanyResult {
  QString note;          // shown beside the company's name, e.g. which declaration was taken
  QStringList files;     // written (or, in a simulation, to be written), in order
  QStringList warnings;  // the company is fine, but something deserves a look
  QString error;         // the company failed; its files may be incomplete as a set
  bool stopped = false;  // the user's stop came while this company was being written
};

// Asked after each file: true ends the company's work there, every file written whole.
using StopAsked = std::function<bool()>;

// What the month holds for every company, read once for the whole run: a statement per
// company would cost more than its files.
struct MonthHouses {
  QHash<QString, QStringList> houses;  // by fiscal code, each in code order
  QSet<QString> withAmounts;           // an insured person's amounts or the employer's
};

// Nothing when a statement failed (shown through the client's prompter).
[[nodiscard]] std::optional<MonthHouses> ReadMonthHouses(CClient& client, int month);

struct ReportsJob {
  int month = 0;  // 200906
  NamingForm naming = NamingForm::kByHouse;
  bool pdf = false;  // the printed lists 2a, 2b, 2c of each house
  bool simulate = false;
  QString folder;
};

// The anexa 1A, 1B and 1C files of each house of the company, and the printed lists when
// asked. A company without insured persons in the month gets a warning and no file; the legal
// names for two or more houses are refused as on the naming form.
[[nodiscard]] CompanyResult WriteCompanyReports(CClient& client, CollectingPrompter& prompter,
                                                const ReportsJob& job, const MonthHouses& month,
                                                const BatchCompany& company,
                                                const StopAsked& stop = {});

struct DeclarationsJob {
  int month = 0;     // 200906
  bool pdf = false;  // the printed declaration
  bool simulate = false;
  QString folder;
};

// The A1 and A2 files of the company's declaration in force for the month (the initial one or
// its last rectification), and the printed declaration when asked. A company without a
// declaration for the month gets a warning and no file.
[[nodiscard]] CompanyResult WriteCompanyDeclaration(CClient& client, CollectingPrompter& prompter,
                                                    const DeclarationsJob& job,
                                                    const BatchCompany& company,
                                                    const StopAsked& stop = {});

namespace batch_texts {
inline const QString kQueryFailed = QStringLiteral("Citirea din registru nu a reusit.");
[[nodiscard]] QString NoInsured(int month);
[[nodiscard]] QString NoDeclaration(int month);
}  // namespace batch_texts

// The messages shown during a failed step, as the company's error.
[[nodiscard]] QString CollectedError(CollectingPrompter& prompter);
