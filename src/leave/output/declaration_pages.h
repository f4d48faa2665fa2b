#pragma once

#include <QString>
#include <vector>

#include "leave/declarations/declaration_sources.h"
#include "leave/output/declaration_page_elements.h"
#include "leave/replay/declaration_totals.h"

class ReportPrinter;

// Everything the printed declaration shows, read before the print job starts.
struct DeclarationPrintout {
  DeclarationTotals totals;
  DeclarationCompany company;
  std::vector<DeclaredCertificate> certificates;
};

// Rows of certificates on one Anexa 2 page.
inline constexpr int kAnexa2Rows = 36;

// Page "Anexa 1": the figures A to P, the statement and the signature block; `today` is the
// date printed beside the representative's name.
[[nodiscard]] PageElements Anexa1Page(const DeclarationPrintout& printout, const QString& today);

// The heading and the column heads of every Anexa 2 page.
[[nodiscard]] PageElements Anexa2Heading(const DeclarationPrintout& printout);

// Certificate rows first..first+count-1 on their page, numbered from first+1.
[[nodiscard]] PageElements Anexa2Rows(const std::vector<DeclaredCertificate>& certificates,
                                      int first, int count);

// Draws the whole declaration into a job whose document has started, then ends the job:
// Anexa 1, then the Anexa 2 pages the certificates need. Each page carries `footer`.
void DrawDeclaration(ReportPrinter& printer, const DeclarationPrintout& printout,
                     const QString& footer, const QString& today);
