#include "month/month_batch.h"

#include <array>

#include "health/annexes/annex_print.h"
#include "health/annexes/annex_save.h"
#include "health/annexes/report_generate_store.h"
#include "health/annexes/report_month.h"
#include "leave/declarations/declaration_store.h"
#include "leave/output/declaration_files.h"
#include "leave/output/declaration_print.h"
#include "store/c_client.h"
#include "store/collecting_prompter.h"
#include "store/sql.h"

namespace {

bool Asked(const StopAsked& stop) { return stop && stop(); }

QString NoAmounts(int month) {
  return QStringLiteral("Societatea nu are nicio suma in luna %1: fisierele au sumele goale.")
      .arg(ReportMonthText(month));
}

QStringList AnnexNames(const ReportsJob& job, const MonthParts& month, const QString& cf,
                       const QStringList& houses) {
  QStringList names;
  for (const QString& cas : houses) {
    for (const Annex annex : kAnnexes) {
      names.append(AnnexFileName(job.naming, annex, month, cf, cas));
    }
  }
  return names;
}

// The files as the wizard's save writes them; a stop after a file keeps the files so far.
void WriteAnnexes(CClient& client, CollectingPrompter& prompter, const ReportsJob& job,
                  const MonthParts& month, const QString& cf, const QStringList& houses,
                  const StopAsked& stop, CompanyResult& result) {
  const QStringList names = AnnexNames(job, month, cf, houses);
  int written = 0;
  const SaveStop afterFile = [&written, &stop] {
    ++written;
    return Asked(stop);
  };
  const SaveOutcome outcome =
      WriteReportFiles(client, prompter, month, cf, houses, job.naming, job.folder, {}, afterFile)
          .outcome;
  if (outcome == SaveOutcome::kSaved) {
    result.files = names;
    return;
  }
  result.files = names.mid(0, written);
  if (outcome == SaveOutcome::kStopped) {
    result.stopped = true;
  } else {
    result.error = CollectedError(prompter);
  }
}

// The printed lists as "Salveaza ca PDF" saves them for one house and one annex at a time.
AnnexPrintChoices ListChoices(const ReportsJob& job, const QString& cf, const QString& cas,
                              PrintedAnnex annex) {
  SaveChoices houses;
  houses.month = QString::number(job.month);
  houses.cf = cf;
  houses.houses = QStringList{cas};
  houses.selectedHouse = cas;
  houses.scope = HouseScope::kSelected;
  return {houses, annex};
}

constexpr std::array<PrintedAnnex, 3> kPrintedAnnexes = {PrintedAnnex::k2A, PrintedAnnex::k2B,
                                                         PrintedAnnex::k2C};

void WriteLists(CClient& client, CollectingPrompter& prompter, const ReportsJob& job,
                const QString& cf, const QStringList& houses, const StopAsked& stop,
                CompanyResult& result) {
  prompter.AnswerFolder(job.folder);
  for (const QString& cas : houses) {
    for (const PrintedAnnex annex : kPrintedAnnexes) {
      const AnnexPrintChoices choices = ListChoices(job, cf, cas, annex);
      const QString name = AnnexPdfName(choices, cas);
      if (job.simulate) {
        result.files.append(name);
        continue;
      }
      if (SaveAnnexesPdf(client, prompter, choices).outcome != AnnexPrintOutcome::kPrinted) {
        result.error = CollectedError(prompter);
        return;
      }
      result.files.append(name);
      if (Asked(stop)) {
        result.stopped = true;
        return;
      }
    }
  }
}

QString Described(const SavedDeclaration& declaration) {
  return declaration.kind.rectifying
             ? QStringLiteral("rectificativa %1").arg(declaration.kind.number)
             : QStringLiteral("declaratia initiala");
}

// The name the panel gives the printed declaration.
QString PlannedPdfName(const QString& cf, const SavedDeclaration& declaration) {
  StoredDeclaration stored;
  stored.cf = cf;
  stored.luna = declaration.luna;
  stored.rectifying = declaration.kind.rectifying;
  stored.rectifNr = declaration.kind.number;
  return DeclarationPdfName(stored);
}

}  // namespace

QString batch_texts::NoInsured(int month) {
  return QStringLiteral("Societatea nu are asigurati in luna %1; nu se scrie niciun fisier.")
      .arg(ReportMonthText(month));
}

QString batch_texts::NoDeclaration(int month) {
  return QStringLiteral("Societatea nu are declaratie de concedii medicale pentru luna %1.")
      .arg(ReportMonthText(month));
}

QString CollectedError(CollectingPrompter& prompter) {
  const QStringList shown = prompter.Take();
  return shown.isEmpty() ? batch_texts::kQueryFailed : shown.join(u' ');
}

std::optional<MonthHouses> ReadMonthHouses(CClient& client, int month) {
  MonthHouses overview;
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

CompanyResult WriteCompanyReports(CClient& client, CollectingPrompter& prompter,
                                  const ReportsJob& job, const MonthHouses& month,
                                  const BatchCompany& company, const StopAsked& stop) {
  CompanyResult result;
  prompter.Take();
  const MonthParts parts = *SplitMonth(QString::number(job.month));
  const QStringList houses = month.houses.value(company.cf);
  if (houses.isEmpty()) {
    result.warnings.append(batch_texts::NoInsured(job.month));
    return result;
  }
  if (const auto refusal =
          NamingRefusal(job.naming, HouseScope::kAll, static_cast<int>(houses.size()))) {
    result.error = *refusal;
    result.error.replace(u'\n', u' ');
    return result;
  }
  for (const QString& cas : houses) {
    if (!UsableInFileName(job.naming, company.cf, cas)) {
      result.error = naming_texts::kUnusableInName;
      return result;
    }
  }
  if (!month.withAmounts.contains(company.cf)) result.warnings.append(NoAmounts(job.month));
  if (job.simulate) {
    result.files = AnnexNames(job, parts, company.cf, houses);
  } else {
    WriteAnnexes(client, prompter, job, parts, company.cf, houses, stop, result);
  }
  if (job.pdf && result.error.isEmpty() && !result.stopped) {
    WriteLists(client, prompter, job, company.cf, houses, stop, result);
  }
  return result;
}

CompanyResult WriteCompanyDeclaration(CClient& client, CollectingPrompter& prompter,
                                      const DeclarationsJob& job, const BatchCompany& company,
                                      const StopAsked& stop) {
  CompanyResult result;
  prompter.Take();
  const auto latest = LatestDeclaration(client, company.cf, job.month);
  if (!latest) {
    result.error = CollectedError(prompter);
    return result;
  }
  if (!*latest) {
    result.warnings.append(batch_texts::NoDeclaration(job.month));
    return result;
  }
  const auto county = ReadDeclarationCompany(client, prompter, company.cf);
  if (!county) {
    result.error = CollectedError(prompter);
    return result;
  }
  if (county->jud.isEmpty()) {
    result.error = files_texts::kNoCounty;
    result.error.replace(QStringLiteral("\n\r"), QStringLiteral(" "));
    return result;
  }
  const SavedDeclaration& declaration = **latest;
  const QStringList names = {
      DeclarationFileName(DeclarationFile::kA1, county->jud, company.cf, job.month),
      DeclarationFileName(DeclarationFile::kA2, county->jud, company.cf, job.month)};
  result.note = Described(declaration);
  if (job.simulate) {
    result.files = names;
    if (job.pdf) result.files.append(PlannedPdfName(company.cf, declaration));
    return result;
  }
  if (WriteDeclarationFiles(client, prompter, company.cf, declaration.index, job.folder).outcome !=
      FilesOutcome::kSaved) {
    result.error = CollectedError(prompter);
    return result;
  }
  result.files = names;
  if (!job.pdf) return result;
  // A1 and A2 are one set: the stop is looked at only once both are written.
  if (Asked(stop)) {
    result.stopped = true;
    return result;
  }
  // The panel's "Salveaza declaratia ca PDF", its folder chooser answered with the folder.
  prompter.AnswerFolder(job.folder);
  if (SaveDeclarationPdf(client, prompter, declaration.index).outcome == PrintOutcome::kPrinted) {
    result.files.append(PlannedPdfName(company.cf, declaration));
  } else {
    result.error = CollectedError(prompter);
  }
  return result;
}
