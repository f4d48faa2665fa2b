#include "health/annexes/annex_print.h"

#include <QDir>
#include <QSaveFile>

#include "common/whole_file.h"
#include "health/annexes/annex_print_pages.h"
#include "health/annexes/annex_print_rows.h"
#include "print/print_devices.h"
#include "print/report_printer.h"
#include "store/c_client.h"
#include "store/prompter.h"
#include "store/wait_cursor.h"

namespace {

constexpr PrintedAnnex kAllAnnexes[] = {PrintedAnnex::k2A, PrintedAnnex::k2B, PrintedAnnex::k2C};

// Codes read from old data become part of a file name only when they cannot reach outside
// the chosen folder.
bool UsableInFileName(const QString& text) {
  if (text.isEmpty()) return false;
  for (const QChar c : text) {
    if (!c.isLetterOrNumber() && c != u'_') return false;
  }
  return true;
}

// Each planned annex listed and drawn into the open job, as its preview form does unseen;
// false at the first that cannot be read or printed (shown).
bool DrawPlanned(CClient& client, Prompter& prompter, ReportPrinter& printer,
                 const AnnexPrintChoices& choices, const std::vector<PlannedAnnex>& planned) {
  for (const PlannedAnnex& item : planned) {
    if (PrintListedAnnex(client, prompter, printer, choices.houses, item) !=
        AnnexPrintOutcome::kPrinted) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::optional<AnnexPrintout> ReadAnnexPrintout(CClient& client, Prompter& prompter,
                                               PrintedAnnex annex, const QString& cf,
                                               const QString& cas, const QString& month) {
  std::optional<AnnexPrintHead> head = ReadAnnexPrintHead(client, prompter, cf, cas, month);
  if (!head) return std::nullopt;
  AnnexPrintout printout;
  printout.annex = annex;
  printout.head = std::move(*head);
  switch (annex) {
    case PrintedAnnex::k2A: {
      auto lines = ReadInsuredLines(client, printout.head);
      if (!lines) return std::nullopt;
      printout.insured = std::move(*lines);
      printout.insuredTotals = SumInsured(printout.insured);
      break;
    }
    case PrintedAnnex::k2B: {
      auto lines = ReadDependantLines(client, printout.head);
      if (!lines) return std::nullopt;
      printout.dependants = std::move(*lines);
      break;
    }
    case PrintedAnnex::k2C: {
      auto summary = ReadHouseSummary(client, printout.head);
      if (!summary) return std::nullopt;
      printout.houses = std::move(*summary);
      break;
    }
  }
  return printout;
}

void DrawAnnex(ReportPrinter& printer, const AnnexPrintout& printout, const QString& footer) {
  switch (printout.annex) {
    case PrintedAnnex::k2A:
      DrawAnnex2a(printer, printout.head, printout.insured, printout.insuredTotals, footer);
      break;
    case PrintedAnnex::k2B:
      DrawAnnex2b(printer, printout.head, printout.dependants, footer);
      break;
    case PrintedAnnex::k2C:
      DrawAnnex2c(printer, printout.head, printout.houses, footer);
      break;
  }
}

QString AnnexDocumentTitle(const QString& cas, const QString& cf, const QString& month,
                           PrintedAnnex annex) {
  return QStringList{cas, cf, month, PrintedAnnexCode(annex)}.join(QLatin1Char('_'));
}

bool PrintsSeveral(const AnnexPrintChoices& choices) {
  return choices.houses.scope == HouseScope::kAll || !choices.annex;
}

std::optional<std::vector<PlannedAnnex>> PlanAnnexes(Prompter& prompter,
                                                     const AnnexPrintChoices& choices) {
  const SaveChoices& houses = choices.houses;
  QStringList codes;
  if (houses.scope == HouseScope::kSelected) {
    if (houses.selectedHouse.isEmpty()) {
      prompter.Inform(annex_print_texts::kNoHouse);
      return std::nullopt;
    }
    codes.append(houses.selectedHouse);
  } else {
    // No empty job: the refusals come before any printer is asked for.
    if (houses.cf.isEmpty()) {
      prompter.Inform(annex_print_texts::kNoCompany);
      return std::nullopt;
    }
    if (houses.houses.isEmpty()) {
      prompter.Inform(save_texts::kNoInsured);
      return std::nullopt;
    }
    codes = houses.houses;
  }
  std::vector<PlannedAnnex> planned;
  for (const QString& cas : codes) {
    if (choices.annex) {
      planned.push_back({cas, *choices.annex});
      continue;
    }
    for (const PrintedAnnex annex : kAllAnnexes) planned.push_back({cas, annex});
  }
  return planned;
}

AnnexPrintOutcome PrintAnnexes(CClient& client, Prompter& prompter, ReportPrinter& printer,
                               const AnnexPrintChoices& choices,
                               const std::function<void(const PlannedAnnex&)>& preview) {
  const std::optional<std::vector<PlannedAnnex>> planned = PlanAnnexes(prompter, choices);
  if (!planned) return AnnexPrintOutcome::kStopped;
  if (!PrintsSeveral(choices)) {
    preview(planned->front());
    return AnnexPrintOutcome::kPrinted;
  }
  if (!printer.BeginJob(PageOrientation::Portrait, true)) return AnnexPrintOutcome::kCancelled;
  if (!printer.StartDocument(annex_print_texts::kJobTitle)) return AnnexPrintOutcome::kStopped;
  // A failing annex ends the command; what was printed before it goes out.
  const bool drawn = DrawPlanned(client, prompter, printer, choices, *planned);
  printer.EndJob();
  return drawn ? AnnexPrintOutcome::kPrinted : AnnexPrintOutcome::kStopped;
}

QString AnnexPdfName(const AnnexPrintChoices& choices, const QString& selectedCas) {
  const SaveChoices& houses = choices.houses;
  if (!PrintsSeveral(choices)) {
    return AnnexDocumentTitle(selectedCas, houses.cf, houses.month, *choices.annex) +
           QStringLiteral(".pdf");
  }
  const QString house = houses.scope == HouseScope::kAll ? QStringLiteral("TOATE") : selectedCas;
  const QString annex = choices.annex ? PrintedAnnexCode(*choices.annex) : QStringLiteral("ANEXE");
  return QStringList{house, houses.cf, houses.month, annex}.join(QLatin1Char('_')) +
         QStringLiteral(".pdf");
}

PdfWrite WriteAnnexesPdf(CClient& client, Prompter& prompter, const AnnexPrintChoices& choices,
                         const std::vector<PlannedAnnex>& planned, const QString& path,
                         const QString& title) {
  QSaveFile file(path);
  if (!OpenWhole(file)) return PdfWrite::kFileFailed;
  // The engine stays silent here: a PDF that cannot be written has its own message.
  ReportPrinter printer(nullptr, [&file](PageOrientation, bool) {
    return PrinterChoice::Of(std::make_unique<PdfSurface>(&file));
  });
  if (!printer.BeginJob(PageOrientation::Portrait, false) || !printer.StartDocument(title)) {
    return PdfWrite::kFileFailed;
  }
  if (!DrawPlanned(client, prompter, printer, choices, planned)) {
    // Nothing of a half-drawn report reaches the folder.
    printer.EndJob();
    file.cancelWriting();
    return PdfWrite::kAnnexFailed;
  }
  printer.EndJob();
  return CommitWhole(file) ? PdfWrite::kWritten : PdfWrite::kFileFailed;
}

Saved<AnnexPrintOutcome> SaveAnnexesPdf(CClient& client, Prompter& prompter,
                                        const AnnexPrintChoices& choices,
                                        const QString& folderStart) {
  const std::optional<std::vector<PlannedAnnex>> planned = PlanAnnexes(prompter, choices);
  if (!planned) return {AnnexPrintOutcome::kStopped, {}};
  const QString folder = prompter.ChooseFolder(annex_print_texts::kChoosePdfFolder, folderStart);
  if (folder.isEmpty()) return {AnnexPrintOutcome::kCancelled, {}};
  WaitCursor wait;
  const QString cas = planned->front().cas;
  const QString title =
      PrintsSeveral(choices)
          ? annex_print_texts::kJobTitle
          : AnnexDocumentTitle(cas, choices.houses.cf, choices.houses.month, *choices.annex);
  const bool nameable = UsableInFileName(choices.houses.cf) &&
                        (choices.houses.scope == HouseScope::kAll || UsableInFileName(cas));
  const QString path = QDir(folder).filePath(AnnexPdfName(choices, cas));
  const PdfWrite written = nameable
                               ? WriteAnnexesPdf(client, prompter, choices, *planned, path, title)
                               : PdfWrite::kFileFailed;
  if (written == PdfWrite::kWritten) return {AnnexPrintOutcome::kPrinted, {path}};
  wait.Release();
  if (written == PdfWrite::kFileFailed) prompter.Inform(annex_print_texts::kPdfFailed);
  return {AnnexPrintOutcome::kStopped, {}};
}
