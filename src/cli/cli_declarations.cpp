#include "cli/cli_declarations.h"

#include "cli/cli_batch.h"
#include "cli/cli_console.h"
#include "health/annexes/report_month.h"
#include "month/month_batch.h"

int RunDeclarations(CClient& client, CollectingPrompter& prompter, Console& console,
                    const DeclarationsRequest& request) {
  const BatchRun run{QStringLiteral("declaratii"),
                     QStringLiteral("Declaratii pentru luna ") + ReportMonthText(request.month),
                     request.folder, request.simulate, request.cfs};
  const DeclarationsJob job{request.month, request.pdf, request.simulate, request.folder};
  // The command looks at the user's stop after each company: a declaration's files and its
  // printout go out together.
  return RunCompanies(client, console, run, [&](const BatchCompany& company) {
    return WriteCompanyDeclaration(client, prompter, job, company);
  });
}
