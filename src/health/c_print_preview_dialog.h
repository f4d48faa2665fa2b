#pragma once

#include <QDialog>

#include "health/annex_print.h"

class CClient;
class CListViewEx;
class Prompter;
class ReportPrinter;

// "Tiparire": one annex of one house shown as a list before it is printed. "Tipareste" runs
// the annex's own print job and closes the form; a cancelled print dialog leaves it open.
class CPrintPreviewDialog : public QDialog {
  Q_OBJECT

 public:
  // Reads the annex and shows it modally; nothing is shown when it cannot be read (told).
  static void Open(QWidget* parent, CClient& client, Prompter& prompter, ReportPrinter& printer,
                   const AnnexPrintChoices& choices, const PlannedAnnex& planned);

  CPrintPreviewDialog(QWidget* parent, CClient& client, Prompter& prompter, ReportPrinter& printer,
                      const AnnexPrintChoices& choices, const PlannedAnnex& planned,
                      const AnnexPrintout& printout);

  static QString Title() { return QStringLiteral("Tiparire"); }
  CListViewEx& List() { return *list_; }

  // "Tipareste".
  AnnexPrintOutcome Print();

 private:
  void BuildWindow();
  void FillList(const AnnexPrintout& printout);

  CClient& client_;
  Prompter& prompter_;
  ReportPrinter& printer_;
  const AnnexPrintChoices choices_;
  const PlannedAnnex planned_;
  CListViewEx* list_ = nullptr;
};
