#pragma once

#include <QString>
#include <vector>

#include "health/annexes/annex_print_lists.h"
#include "print/print_elements.h"

class ReportPrinter;

// The pages of the printed annexes 2a, 2b and 2c, portrait, as element lists, and their
// drawing into an open print job. Every page carries the head, the column heads and the
// footnotes; rows go 50 (2a), 30 (2b) or 49 (2c) to a page, and the closing lines (TOTAL,
// the legal representative) move to a page of their own when the rows filled the last one.

inline constexpr int kAnnex2aRows = 50;
inline constexpr int kAnnex2bRows = 30;
inline constexpr int kAnnex2cRows = 49;

// A stored date AAAALLZZ as ZZ.LL.AAAA; empty when its value is below 1.
[[nodiscard]] QString PrintedDate(const QString& stored);
// Whole lei with thousands points.
[[nodiscard]] QString PrintedLei(double lei);

// Head, column heads and footnotes of every page of the annex.
[[nodiscard]] PageElements AnnexPageHead(PrintedAnnex annex, const AnnexPrintHead& head);

// Rows first..first+count-1 at the page's places 0..count-1.
[[nodiscard]] PageElements Annex2aRows(const std::vector<InsuredLine>& lines, int first, int count);
[[nodiscard]] PageElements Annex2bRows(const std::vector<DependantLine>& lines, int first,
                                       int count);
// House rows then the TOTAL row, counted together; the row of `formHouse` bold and shaded.
[[nodiscard]] PageElements Annex2cRows(const HouseSummary& summary, const QString& formHouse,
                                       int first, int count);

// The lines after the rows, at the page's next free place.
[[nodiscard]] PageElements Annex2aClosing(const InsuredTotals& totals, const QString& repr,
                                          int place);
[[nodiscard]] PageElements Annex2bClosing(const QString& repr, int place);
[[nodiscard]] PageElements Annex2cClosing(const QString& repr, int place);

// Draws the annex into a job whose document has started, from a new page on; the last page
// is ended, the job stays open. Each page carries `footer`.
// 2a's TOTAL shows `totals`.
void DrawAnnex2a(ReportPrinter& printer, const AnnexPrintHead& head,
                 const std::vector<InsuredLine>& lines, const InsuredTotals& totals,
                 const QString& footer);
void DrawAnnex2b(ReportPrinter& printer, const AnnexPrintHead& head,
                 const std::vector<DependantLine>& lines, const QString& footer);
void DrawAnnex2c(ReportPrinter& printer, const AnnexPrintHead& head, const HouseSummary& summary,
                 const QString& footer);
