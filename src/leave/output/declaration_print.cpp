#include "leave/output/declaration_print.h"

#include <QDir>
#include <QSaveFile>

#include "common/dates.h"
#include "common/whole_file.h"
#include "print/print_devices.h"
#include "print/report_printer.h"
#include "store/c_client.h"
#include "store/prompter.h"

namespace {

// The declaration's figures after its month's replay; nothing when refused or failed.
std::optional<DeclarationTotals> ReadTotals(CClient& client, Prompter& prompter, qint64 index) {
  if (!DeclarationPresent(client, prompter, index)) return std::nullopt;
  return LoadDeclarationTotals(client, index);
}

std::optional<DeclarationCompany> ReadCompany(CClient& client, Prompter& prompter,
                                              const QString& cf) {
  std::optional<DeclarationCompany> company = ReadDeclarationCompany(client, prompter, cf);
  if (company && company->jud.isEmpty()) {
    prompter.Inform(print_texts::kNoCounty);
    return std::nullopt;
  }
  return company;
}

}  // namespace

bool CfUsableInFileName(const QString& cf) {
  if (cf.isEmpty()) return false;
  for (const QChar c : cf) {
    if (c < u'0' || c > u'9') return false;
  }
  return true;
}

std::optional<DeclarationPrintout> PrepareDeclarationPrintout(CClient& client, Prompter& prompter,
                                                              std::optional<qint64> selected) {
  if (!selected) {
    prompter.Inform(print_texts::kNotSelected);
    return std::nullopt;
  }
  std::optional<DeclarationTotals> totals = ReadTotals(client, prompter, *selected);
  if (!totals) return std::nullopt;
  std::optional<DeclarationCompany> company = ReadCompany(client, prompter, totals->stored.cf);
  if (!company) return std::nullopt;
  std::optional<std::vector<DeclaredCertificate>> certificates =
      ReadDeclaredCertificates(client, *selected);
  if (!certificates) return std::nullopt;
  return DeclarationPrintout{std::move(*totals), std::move(*company), std::move(*certificates)};
}

QString DeclarationDocumentTitle(const StoredDeclaration& declaration) {
  return declaration.cf + QLatin1Char('_') + QString::number(declaration.luna) +
         QStringLiteral("_concedii");
}

QString DeclarationPdfName(const StoredDeclaration& declaration) {
  QString name = DeclarationDocumentTitle(declaration);
  if (declaration.rectifying) {
    name += QStringLiteral("_rectificativa_") + QString::number(declaration.rectifNr);
  }
  return name + QStringLiteral(".pdf");
}

PrintOutcome PrintDeclaration(CClient& client, Prompter& prompter, ReportPrinter& printer,
                              std::optional<qint64> selected) {
  const std::optional<DeclarationPrintout> printout =
      PrepareDeclarationPrintout(client, prompter, selected);
  if (!printout) return PrintOutcome::kStopped;
  // A cancelled dialog is silent; a missing printer has been told by the engine.
  if (!printer.BeginJob(PageOrientation::Landscape, true)) return PrintOutcome::kCancelled;
  if (!printer.StartDocument(DeclarationDocumentTitle(printout->totals.stored))) {
    return PrintOutcome::kStopped;
  }
  DrawDeclaration(printer, *printout, client.Version(), TodayText());
  return PrintOutcome::kPrinted;
}

bool WriteDeclarationPdf(const DeclarationPrintout& printout, const QString& path,
                         const QString& footer) {
  QSaveFile file(path);
  if (!OpenWhole(file)) return false;
  // The engine stays silent here: a PDF that cannot be written has its own message.
  ReportPrinter printer(nullptr, [&file](PageOrientation, bool) {
    return PrinterChoice::Of(std::make_unique<PdfSurface>(&file));
  });
  if (!printer.BeginJob(PageOrientation::Landscape, false) ||
      !printer.StartDocument(DeclarationDocumentTitle(printout.totals.stored))) {
    return false;
  }
  DrawDeclaration(printer, printout, footer, TodayText());
  return CommitWhole(file);
}

Saved<PrintOutcome> SaveDeclarationPdf(CClient& client, Prompter& prompter,
                                       std::optional<qint64> selected, const QString& folderStart) {
  const std::optional<DeclarationPrintout> printout =
      PrepareDeclarationPrintout(client, prompter, selected);
  if (!printout) return {PrintOutcome::kStopped, {}};
  const QString folder = prompter.ChooseFolder(print_texts::kChoosePdfFolder, folderStart);
  if (folder.isEmpty()) return {PrintOutcome::kCancelled, {}};
  const StoredDeclaration& declaration = printout->totals.stored;
  const QString path = QDir(folder).filePath(DeclarationPdfName(declaration));
  if (!CfUsableInFileName(declaration.cf) ||
      !WriteDeclarationPdf(*printout, path, client.Version())) {
    prompter.Inform(print_texts::kPdfFailed);
    return {PrintOutcome::kStopped, {}};
  }
  return {PrintOutcome::kPrinted, {path}};
}
