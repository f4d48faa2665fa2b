#pragma once

#include <optional>

#include "health/annexes/annex_print.h"

class CClient;
class ListModel;
class Prompter;
class ReportPrinter;

// The "Tiparire" form's list of one annex, without the form: the annex's lines as the form
// lists them, and those rows read back as page lines, so that the pages show what the list
// shows. The form, the several-annex job, "Salveaza ca PDF" and the command line share it.

// The columns (with their widths and kinds) and the rows of the annex; the lists of 2a and 2c
// end with their TOTAL row.
void FillAnnexRows(const AnnexPrintout& printout, ListModel& rows);

// The listed rows as the page lines of the annex, under the company row as it is now (read
// here, as the form reads it when it prints); nothing when that could not be read (told).
[[nodiscard]] std::optional<AnnexPrintout> ListedPrintout(CClient& client, Prompter& prompter,
                                                          const QString& cf, const QString& month,
                                                          const PlannedAnnex& planned,
                                                          const ListModel& rows);

// One annex read, listed and drawn from its list into the job the printer has open, as the
// form does without being shown; kStopped when it could not be read (told).
[[nodiscard]] AnnexPrintOutcome PrintListedAnnex(CClient& client, Prompter& prompter,
                                                 ReportPrinter& printer, const SaveChoices& houses,
                                                 const PlannedAnnex& planned);
