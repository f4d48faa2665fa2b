#pragma once

#include <QDialog>

#include "health/annexes/annex_print.h"

class CClient;
class CListViewEx;
class Prompter;
class ReportPrinter;

// "Tiparire": one annex of one house gathered into a list, then printed from that list.
// Standalone, the form is shown and "Tipareste" runs the annex's own print job and closes
// the form (a cancelled print dialog leaves it open). Otherwise the form prints at once into
// the job the printer has open and closes without being shown.
class CPrintPreviewDialog : public QDialog {
  Q_OBJECT

 public:
  // Fills the list; standalone, shows it modally (kPrinted once printed, kCancelled when
  // left), otherwise prints it into the open job. kStopped when the annex could not be read
  // or printed (told).
  static AnnexPrintOutcome Open(QWidget* parent, CClient& client, Prompter& prompter,
                                ReportPrinter& printer, const SaveChoices& houses,
                                const PlannedAnnex& planned, bool standalone);

  CPrintPreviewDialog(QWidget* parent, CClient& client, Prompter& prompter, ReportPrinter& printer,
                      const SaveChoices& houses, const PlannedAnnex& planned, bool standalone);

  static QString Title() { return QStringLiteral("Tiparire"); }
  CListViewEx& List() { return *list_; }

  // The annex's query into the list; false when it failed or the company row is missing
  // (told).
  [[nodiscard]] bool FillList();
  // "Tipareste": the rows of the list onto pages.
  AnnexPrintOutcome Print();

 private:
  void BuildWindow();
  // The list's rows as the pages take them, under the company row read now.
  [[nodiscard]] std::optional<AnnexPrintout> PrintoutFromList();

  CClient& client_;
  Prompter& prompter_;
  ReportPrinter& printer_;
  const QString cf_;
  const QString month_;
  const PlannedAnnex planned_;
  const bool standalone_;
  bool printed_ = false;
  CListViewEx* list_ = nullptr;
};

// One annex as its standalone preview form prints it on "Tipareste": its own job under
// AnnexDocumentTitle, ended after the pages.
[[nodiscard]] AnnexPrintOutcome PrintSingleAnnex(CClient& client, Prompter& prompter,
                                                 ReportPrinter& printer,
                                                 const AnnexPrintChoices& choices,
                                                 const PlannedAnnex& planned);
