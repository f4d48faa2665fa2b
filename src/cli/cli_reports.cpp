#include "cli/cli_reports.h"

#include "cli/cli_batch.h"
#include "cli/cli_console.h"
#include "cli/cli_stop.h"
#include "health/annexes/report_month.h"
#include "month/month_batch.h"

int RunReports(CClient& client, CollectingPrompter& prompter, Console& console,
               const ReportsRequest& request) {
  const std::optional<MonthHouses> month = ReadMonthHouses(client, request.month);
  if (!month) {
    console.Error(ShownError(prompter));
    return 2;
  }
  const BatchRun run{QStringLiteral("rapoarte"),
                     QStringLiteral("Rapoarte pentru luna ") + ReportMonthText(request.month),
                     request.folder, request.simulate, request.cfs};
  const ReportsJob job{request.month, request.naming, request.pdf, request.simulate,
                       request.folder};
  return RunCompanies(client, console, run, [&](const BatchCompany& company) {
    return WriteCompanyReports(client, prompter, job, *month, company, CommandStop::Requested);
  });
}
