#include "cli/cli_reports.h"

#include "cli/cli_batch.h"
#include "cli/cli_console.h"
#include "cli/cli_stop.h"
#include "cli/cli_texts.h"
#include "health/annex_save.h"
#include "health/report_generate_store.h"
#include "health/report_month.h"
#include "store/c_client.h"
#include "store/sql.h"

namespace {

QString NoInsured(int month) {
  return QStringLiteral("Societatea nu are asigurati in luna %1; nu se scrie niciun fisier.")
      .arg(ReportMonthText(month));
}

QString NoAmounts(int month) {
  return QStringLiteral("Societatea nu are nicio suma in luna %1: fisierele au sumele goale.")
      .arg(ReportMonthText(month));
}

std::optional<QStringList> MonthHouses(CClient& client, const QString& cf, int month) {
  if (!QueryCompanyHouses(client, cf, month)) return std::nullopt;
  QStringList houses;
  for (int row = 0; row < client.RowCount(); ++row) {
    houses.append(client.GetField(row, QStringLiteral("CAS")));
  }
  return houses;
}

// Whether the month holds any amount of the company, its insured persons' or its own.
std::optional<bool> HasAmounts(CClient& client, const QString& cf, int month) {
  const QString sql =
      Sql(u"SELECT (SELECT COUNT(*) FROM asigurati.sume AS s WHERE s.cf=%1 AND s.luna=%2) + "
          u"(SELECT COUNT(*) FROM asigurati.sume_societati AS e WHERE e.cf=%1 AND e.luna=%2) AS n",
          client.Text(cf), Number(month));
  if (client.Execute(sql, 1) != 0 || client.RowCount() < 1) return std::nullopt;
  return client.GetField(0, QStringLiteral("N")).toInt() > 0;
}

QStringList AnnexNames(const ReportsRequest& request, const MonthParts& month, const QString& cf,
                       const QStringList& houses) {
  QStringList names;
  for (const QString& cas : houses) {
    for (const Annex annex : kAnnexes) {
      names.append(AnnexFileName(request.naming, annex, month, cf, cas));
    }
  }
  return names;
}

// The files as the wizard's save writes them; a stop after a file keeps the files so far.
void WriteAnnexes(CClient& client, CollectingPrompter& prompter, const ReportsRequest& request,
                  const MonthParts& month, const QString& cf, const QStringList& houses,
                  CompanyResult& result) {
  const QStringList names = AnnexNames(request, month, cf, houses);
  int written = 0;
  const SaveStop stop = [&written] {
    ++written;
    return CommandStop::Requested();
  };
  const SaveOutcome outcome = WriteReportFiles(client, prompter, month, cf, houses, request.naming,
                                               request.folder, {}, stop);
  if (outcome == SaveOutcome::kSaved) {
    result.files = names;
    return;
  }
  result.files = names.mid(0, written);
  if (outcome == SaveOutcome::kStopped) {
    result.stopped = true;
  } else {
    result.error = ShownError(prompter);
  }
}

CompanyResult ReportCompany(CClient& client, CollectingPrompter& prompter,
                            const ReportsRequest& request, const BatchCompany& company) {
  CompanyResult result;
  prompter.Take();
  const MonthParts month = *SplitMonth(QString::number(request.month));
  const std::optional<QStringList> houses = MonthHouses(client, company.cf, request.month);
  if (!houses) {
    result.error = ShownError(prompter);
    return result;
  }
  if (houses->isEmpty()) {
    result.warnings.append(NoInsured(request.month));
    return result;
  }
  if (const auto refusal =
          NamingRefusal(request.naming, HouseScope::kAll, static_cast<int>(houses->size()))) {
    result.error = *refusal;
    result.error.replace(u'\n', u' ');
    return result;
  }
  for (const QString& cas : *houses) {
    if (!UsableInFileName(request.naming, company.cf, cas)) {
      result.error = naming_texts::kUnusableInName;
      return result;
    }
  }
  const std::optional<bool> amounts = HasAmounts(client, company.cf, request.month);
  if (amounts && !*amounts) result.warnings.append(NoAmounts(request.month));
  if (request.simulate) {
    result.files = AnnexNames(request, month, company.cf, *houses);
    return result;
  }
  WriteAnnexes(client, prompter, request, month, company.cf, *houses, result);
  return result;
}

}  // namespace

int RunReports(CClient& client, CollectingPrompter& prompter, Console& console,
               const ReportsRequest& request) {
  const BatchRun run{QStringLiteral("rapoarte"),
                     QStringLiteral("Rapoarte pentru luna ") + ReportMonthText(request.month),
                     request.folder, request.simulate, request.cfs};
  return RunCompanies(client, console, run, [&](const BatchCompany& company) {
    return ReportCompany(client, prompter, request, company);
  });
}
