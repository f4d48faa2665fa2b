#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "month/month_batch.h"

class CClient;
class Console;

// What the month-end commands share: the companies they run for, the folder they write
// into, one company after the other with progress, the report and the exit code.

struct BatchRun {
  QString command;  // "rapoarte", shown in the progress line
  QString title;    // the summary's start: "Rapoarte pentru luna 7 2009"
  QString folder;
  bool simulate = false;
  QStringList cfs;  // the companies named; empty for every company
};

using CompanyWork = std::function<CompanyResult(const BatchCompany&)>;

// Checks the folder and the companies named (exit code 2 with the message naming the first
// missing folder or fiscal code), then runs the work for each company, in the order of the
// register's list, until the user stops it. Each company's files, warnings or error are
// printed as it ends, the summary at the end. The exit code: 0 when every company went well
// and at least one file was written, 1 otherwise.
[[nodiscard]] int RunCompanies(CClient& client, Console& console, const BatchRun& run,
                               const CompanyWork& work);

// The client's messages of a failed step as the company's error.
[[nodiscard]] QString ShownError(CollectingPrompter& prompter);
