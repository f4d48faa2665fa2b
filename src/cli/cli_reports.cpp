#include "cli/cli_reports.h"

#include <QHash>
#include <QSet>
#include <array>

#include "cli/cli_batch.h"
#include "cli/cli_console.h"
#include "cli/cli_stop.h"
#include "cli/cli_texts.h"
#include "health/annexes/annex_print.h"
#include "health/annexes/annex_save.h"
#include "health/annexes/report_generate_store.h"
#include "health/annexes/report_month.h"
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

// What the month holds for every company, read once for the whole batch: a statement per
// company would cost more than its files.
struct MonthOverview {
  QHash<QString, QStringList> houses;  // by fiscal code, each in code order
  QSet<QString> withAmounts;           // an insured person's amounts or the employer's
};

std::optional<MonthOverview> ReadMonthOverview(CClient& client, int month) {
  MonthOverview overview;
  if (!QueryMonthHouses(client, month)) return std::nullopt;
  for (int row = 0; row < client.RowCount(); ++row) {
    overview.houses[client.GetField(row, QStringLiteral("CF"))].append(
        client.GetField(row, QStringLiteral("CAS")));
  }
  const QString amounts =
      Sql(u"SELECT s.cf FROM asigurati.sume AS s WHERE s.luna=%1 GROUP BY s.cf UNION SELECT "
          u"e.cf FROM asigurati.sume_societati AS e WHERE e.luna=%1",
          Number(month));
  if (client.Execute(amounts, 1) != 0) return std::nullopt;
  for (int row = 0; row < client.RowCount(); ++row) {
    overview.withAmounts.insert(client.GetField(row, QStringLiteral("CF")));
  }
  return overview;
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
                                               request.folder, {}, stop)
                                  .outcome;
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

// The printed lists as "Salveaza ca PDF" saves them for one house and one annex at a time.
AnnexPrintChoices ListChoices(const ReportsRequest& request, const QString& cf, const QString& cas,
                              PrintedAnnex annex) {
  SaveChoices houses;
  houses.month = QString::number(request.month);
  houses.cf = cf;
  houses.houses = QStringList{cas};
  houses.selectedHouse = cas;
  houses.scope = HouseScope::kSelected;
  return {houses, annex};
}

constexpr std::array<PrintedAnnex, 3> kPrintedAnnexes = {PrintedAnnex::k2A, PrintedAnnex::k2B,
                                                         PrintedAnnex::k2C};

void WriteLists(CClient& client, CollectingPrompter& prompter, const ReportsRequest& request,
                const QString& cf, const QStringList& houses, CompanyResult& result) {
  prompter.AnswerFolder(request.folder);
  for (const QString& cas : houses) {
    for (const PrintedAnnex annex : kPrintedAnnexes) {
      const AnnexPrintChoices choices = ListChoices(request, cf, cas, annex);
      const QString name = AnnexPdfName(choices, cas);
      if (request.simulate) {
        result.files.append(name);
        continue;
      }
      if (SaveAnnexesPdf(client, prompter, choices).outcome != AnnexPrintOutcome::kPrinted) {
        result.error = ShownError(prompter);
        return;
      }
      result.files.append(name);
      if (CommandStop::Requested()) {
        result.stopped = true;
        return;
      }
    }
  }
}

CompanyResult ReportCompany(CClient& client, CollectingPrompter& prompter,
                            const ReportsRequest& request, const MonthOverview& overview,
                            const BatchCompany& company) {
  CompanyResult result;
  prompter.Take();
  const MonthParts month = *SplitMonth(QString::number(request.month));
  const QStringList houses = overview.houses.value(company.cf);
  if (houses.isEmpty()) {
    result.warnings.append(NoInsured(request.month));
    return result;
  }
  if (const auto refusal =
          NamingRefusal(request.naming, HouseScope::kAll, static_cast<int>(houses.size()))) {
    result.error = *refusal;
    result.error.replace(u'\n', u' ');
    return result;
  }
  for (const QString& cas : houses) {
    if (!UsableInFileName(request.naming, company.cf, cas)) {
      result.error = naming_texts::kUnusableInName;
      return result;
    }
  }
  if (!overview.withAmounts.contains(company.cf)) result.warnings.append(NoAmounts(request.month));
  if (request.simulate) {
    result.files = AnnexNames(request, month, company.cf, houses);
  } else {
    WriteAnnexes(client, prompter, request, month, company.cf, houses, result);
  }
  if (request.pdf && result.error.isEmpty() && !result.stopped) {
    WriteLists(client, prompter, request, company.cf, houses, result);
  }
  return result;
}

}  // namespace

int RunReports(CClient& client, CollectingPrompter& prompter, Console& console,
               const ReportsRequest& request) {
  const std::optional<MonthOverview> overview = ReadMonthOverview(client, request.month);
  if (!overview) {
    console.Error(ShownError(prompter));
    return 2;
  }
  const BatchRun run{QStringLiteral("rapoarte"),
                     QStringLiteral("Rapoarte pentru luna ") + ReportMonthText(request.month),
                     request.folder, request.simulate, request.cfs};
  return RunCompanies(client, console, run, [&](const BatchCompany& company) {
    return ReportCompany(client, prompter, request, *overview, company);
  });
}
