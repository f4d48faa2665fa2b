#pragma once

#include <QString>
#include <optional>

#include "common/saved_files.h"
#include "dbf/report_destination.h"
#include "leave/output/declaration_pages.h"

class CClient;
class Prompter;
class ReportPrinter;

// "Tipareste declaratia selectata" and "Salveaza declaratia ca PDF" of the declarations
// panel, without the panel: the preparation with its refusals, then the pages to the printer
// the user chooses or to a PDF file in a folder the user chooses.

namespace print_texts {
inline const QString kNotSelected =
    QStringLiteral("Trebuie sa selectezi o declaratie pentru a o tipari!");
inline const QString kNoCounty = QStringLiteral(
    "Nu se poate tipari declaratia deoarece nu ai introdus judetul societatii curente.\n\r"
    "Acceseaza 'Modifica societate'.");
inline const QString kChoosePdfFolder =
    QStringLiteral("Selecteaza directorul in care se va salva declaratia");
inline const QString kPdfFailed = QStringLiteral("Nu se poate salva declaratia in format PDF!");
}  // namespace print_texts

enum class PrintOutcome {
  kPrinted,    // every page went to the printer or the file
  kStopped,    // a refusal or a failure was shown (by the client, for a failed query)
  kCancelled,  // the user left the print dialog or the folder chooser
};

// Reads everything the pages show, refusing in order: no declaration selected, the
// declaration gone ("Eroare #1"), its month's replay, the company gone ("Eroare #12"), a
// company without county, then the declaration's certificates. Nothing when refused (shown).
// The certificates are read here, before any page, so that a declaration never goes out
// with Anexa 1 and without the Anexa 2 it needs.
[[nodiscard]] std::optional<DeclarationPrintout> PrepareDeclarationPrintout(
    CClient& client, Prompter& prompter, std::optional<qint64> selected);

// The print job's title: cf + "_" + YYYYMM + "_concedii".
[[nodiscard]] QString DeclarationDocumentTitle(const StoredDeclaration& declaration);

// The PDF's name: the job's title + ".pdf" for the initial declaration, with
// "_rectificativa_" + number before ".pdf" for a rectification.
[[nodiscard]] QString DeclarationPdfName(const StoredDeclaration& declaration);

// Prepares, asks for a printer (landscape), prints.
[[nodiscard]] PrintOutcome PrintDeclaration(CClient& client, Prompter& prompter,
                                            ReportPrinter& printer, std::optional<qint64> selected);

// Prepares, asks for a folder (the chooser opening at `folderStart`), writes the PDF there.
// The file appears under its name only when it is complete; an older file of that name stays
// whole when writing fails. kPrinted with the file's path once it is written.
[[nodiscard]] Saved<PrintOutcome> SaveDeclarationPdf(
    CClient& client, Prompter& prompter, std::optional<qint64> selected,
    const QString& folderStart = FolderChooserStart());

// A fiscal code of digits only: anything else read from old data never becomes part of a
// file name, where it could reach outside the chosen folder.
[[nodiscard]] bool CfUsableInFileName(const QString& cf);

// The pages into a PDF file at `path`, complete or not at all; false when it could not be
// written.
[[nodiscard]] bool WriteDeclarationPdf(const DeclarationPrintout& printout, const QString& path,
                                       const QString& footer);
