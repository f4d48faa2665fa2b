#include "cli/cli_declarations.h"

#include "cli/cli_batch.h"
#include "cli/cli_console.h"
#include "cli/cli_texts.h"
#include "health/annexes/report_month.h"
#include "leave/declarations/declaration_store.h"
#include "leave/output/declaration_files.h"
#include "leave/output/declaration_print.h"
#include "store/c_client.h"

namespace {

QString NoDeclaration(int month) {
  return QStringLiteral("Societatea nu are declaratie de concedii medicale pentru luna %1.")
      .arg(ReportMonthText(month));
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

CompanyResult DeclareCompany(CClient& client, CollectingPrompter& prompter,
                             const DeclarationsRequest& request, const BatchCompany& company) {
  CompanyResult result;
  prompter.Take();
  const auto latest = LatestDeclaration(client, company.cf, request.month);
  if (!latest) {
    result.error = ShownError(prompter);
    return result;
  }
  if (!*latest) {
    result.warnings.append(NoDeclaration(request.month));
    return result;
  }
  const auto county = ReadDeclarationCompany(client, prompter, company.cf);
  if (!county) {
    result.error = ShownError(prompter);
    return result;
  }
  if (county->jud.isEmpty()) {
    result.error = files_texts::kNoCounty;
    result.error.replace(QStringLiteral("\n\r"), QStringLiteral(" "));
    return result;
  }
  const SavedDeclaration& declaration = **latest;
  const QStringList names = {
      DeclarationFileName(DeclarationFile::kA1, county->jud, company.cf, request.month),
      DeclarationFileName(DeclarationFile::kA2, county->jud, company.cf, request.month)};
  result.note = Described(declaration);
  if (request.simulate) {
    result.files = names;
    if (request.pdf) result.files.append(PlannedPdfName(company.cf, declaration));
    return result;
  }
  if (WriteDeclarationFiles(client, prompter, company.cf, declaration.index, request.folder)
          .outcome != FilesOutcome::kSaved) {
    result.error = ShownError(prompter);
    return result;
  }
  result.files = names;
  if (!request.pdf) return result;
  // The panel's "Salveaza declaratia ca PDF", its folder chooser answered with the folder.
  prompter.AnswerFolder(request.folder);
  if (SaveDeclarationPdf(client, prompter, declaration.index).outcome == PrintOutcome::kPrinted) {
    result.files.append(PlannedPdfName(company.cf, declaration));
  } else {
    result.error = ShownError(prompter);
  }
  return result;
}

}  // namespace

int RunDeclarations(CClient& client, CollectingPrompter& prompter, Console& console,
                    const DeclarationsRequest& request) {
  const BatchRun run{QStringLiteral("declaratii"),
                     QStringLiteral("Declaratii pentru luna ") + ReportMonthText(request.month),
                     request.folder, request.simulate, request.cfs};
  return RunCompanies(client, console, run, [&](const BatchCompany& company) {
    return DeclareCompany(client, prompter, request, company);
  });
}
