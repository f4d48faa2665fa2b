#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "common/saved_files.h"
#include "dbf/report_destination.h"
#include "health/annexes/annex_print_lists.h"
#include "health/annexes/annex_save.h"

class CClient;
class Prompter;
class ReportPrinter;

// "Tipareste" and "Salveaza ca PDF" of the report wizard's last step, without its form: the
// refusals, then annexes 2a, 2b and 2c of one house or of every house, into one print job or
// one PDF file.

namespace annex_print_texts {
inline const QString kNoHouse =
    QStringLiteral("Trebuie sa selectezi o casa de asigurari pentru a tipari raportul!");
inline const QString kNoCompany =
    QStringLiteral("Trebuie sa selectezi o societate pentru a tipari raportul!");
inline const QString kJobTitle = QStringLiteral("Velka Asigurati - Toate anexele");
inline const QString kChoosePdfFolder =
    QStringLiteral("Selecteaza directorul in care se va salva raportul");
inline const QString kPdfFailed = QStringLiteral("Nu se poate salva raportul in format PDF!");
}  // namespace annex_print_texts

// Everything one annex of one house prints, read before its pages are drawn.
struct AnnexPrintout {
  PrintedAnnex annex = PrintedAnnex::k2A;
  AnnexPrintHead head;
  std::vector<InsuredLine> insured;       // 2a
  InsuredTotals insuredTotals;            // 2a's TOTAL row
  std::vector<DependantLine> dependants;  // 2b
  HouseSummary houses;                    // 2c
};

// The company row, then the annex's list; nothing when a query failed (shown by the client)
// or the company row is missing ("Eroare #1234").
[[nodiscard]] std::optional<AnnexPrintout> ReadAnnexPrintout(CClient& client, Prompter& prompter,
                                                             PrintedAnnex annex, const QString& cf,
                                                             const QString& cas,
                                                             const QString& month);

// Draws the annex from a new page on into an open job; the job stays open.
void DrawAnnex(ReportPrinter& printer, const AnnexPrintout& printout, const QString& footer);

// The single annex's job title: CAS + "_" + CF + "_" + month + "_" + annex code.
[[nodiscard]] QString AnnexDocumentTitle(const QString& cas, const QString& cf,
                                         const QString& month, PrintedAnnex annex);

// The print choices of the form: the houses as for the files, and one annex or all three.
struct AnnexPrintChoices {
  SaveChoices houses;
  std::optional<PrintedAnnex> annex;  // nothing: every annex
};

struct PlannedAnnex {
  QString cas;
  PrintedAnnex annex;
};

// The annexes the choices produce, house by house in list order and 2a, 2b, 2c within a
// house; nothing after showing the refusal.
[[nodiscard]] std::optional<std::vector<PlannedAnnex>> PlanAnnexes(
    Prompter& prompter, const AnnexPrintChoices& choices);

// True when the choices make one job of several annexes (all houses or all annexes).
[[nodiscard]] bool PrintsSeveral(const AnnexPrintChoices& choices);

enum class AnnexPrintOutcome { kPrinted, kStopped, kCancelled };

// The print command. A single annex goes to `preview` (the standalone preview form, which
// prints on the user's word); several go into one job titled "Velka Asigurati - Toate
// anexele" without further questions, closed once, also after a failing annex.
[[nodiscard]] AnnexPrintOutcome PrintAnnexes(
    CClient& client, Prompter& prompter, ReportPrinter& printer, const AnnexPrintChoices& choices,
    const std::function<void(const PlannedAnnex&)>& preview);

// The PDF's name: the single annex's title + ".pdf"; for several, the house code or "TOATE",
// CF, month and the annex code or "ANEXE", joined by "_".
[[nodiscard]] QString AnnexPdfName(const AnnexPrintChoices& choices, const QString& selectedCas);

// "Salveaza ca PDF": the same refusals and annexes, one PDF file in a folder the user
// chooses (the chooser opening at `folderStart`); the file appears only when complete.
// kPrinted with the file's path once it is written.
[[nodiscard]] Saved<AnnexPrintOutcome> SaveAnnexesPdf(
    CClient& client, Prompter& prompter, const AnnexPrintChoices& choices,
    const QString& folderStart = FolderChooserStart());

enum class PdfWrite { kWritten, kAnnexFailed, kFileFailed };

// The annexes into a PDF at `path`, complete or not at all: kAnnexFailed after a failing
// annex (shown by then), kFileFailed when the file could not be written (not shown).
[[nodiscard]] PdfWrite WriteAnnexesPdf(CClient& client, Prompter& prompter,
                                       const AnnexPrintChoices& choices,
                                       const std::vector<PlannedAnnex>& planned,
                                       const QString& path, const QString& title);
