#include "screens/health/c_print_preview_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "health/annexes/annex_print_pages.h"
#include "health/annexes/annex_print_rows.h"
#include "print/report_printer.h"
#include "store/c_client.h"
#include "ui/c_list_view_ex.h"
#include "ui/modal.h"

AnnexPrintOutcome CPrintPreviewDialog::Open(QWidget* parent, CClient& client, Prompter& prompter,
                                            ReportPrinter& printer, const SaveChoices& houses,
                                            const PlannedAnnex& planned, bool standalone) {
  // Unseen, the form would only list and print: that needs no window.
  if (!standalone) return PrintListedAnnex(client, prompter, printer, houses, planned);
  CPrintPreviewDialog form(parent, client, prompter, printer, houses, planned, standalone);
  if (!form.FillList()) return AnnexPrintOutcome::kStopped;
  RunModal(form);
  return form.printed_ ? AnnexPrintOutcome::kPrinted : AnnexPrintOutcome::kCancelled;
}

CPrintPreviewDialog::CPrintPreviewDialog(QWidget* parent, CClient& client, Prompter& prompter,
                                         ReportPrinter& printer, const SaveChoices& houses,
                                         const PlannedAnnex& planned, bool standalone)
    : QDialog(parent),
      client_(client),
      prompter_(prompter),
      printer_(printer),
      cf_(houses.cf),
      month_(houses.month),
      planned_(planned),
      standalone_(standalone) {
  setWindowTitle(Title());
  BuildWindow();
}

void CPrintPreviewDialog::BuildWindow() {
  auto* layout = new QVBoxLayout(this);
  auto* caption = new QHBoxLayout;
  caption->addWidget(new QLabel(QStringLiteral("Se tipareste:"), this));
  auto* annex = new QLabel(QStringLiteral("Anexa ") + PrintedAnnexCode(planned_.annex), this);
  annex->setObjectName(QStringLiteral("annex"));
  caption->addWidget(annex);
  caption->addStretch();
  layout->addLayout(caption);
  list_ = new CListViewEx(this);
  list_->setObjectName(QStringLiteral("list"));
  // The TOTAL row must stay last: the printout takes every row above it as a person.
  list_->header()->setSectionsClickable(false);
  disconnect(list_->header(), &QHeaderView::sectionClicked, list_, nullptr);
  layout->addWidget(list_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* print = new QPushButton(QStringLiteral("Tipareste"), this);
  print->setObjectName(QStringLiteral("print"));
  print->setDefault(true);
  connect(print, &QPushButton::clicked, this, [this] { (void)Print(); });
  auto* cancel = new QPushButton(QStringLiteral("[ESC]   Renunta"), this);
  cancel->setObjectName(QStringLiteral("cancel"));
  cancel->setAutoDefault(false);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(print);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  resize(1060, 560);
}

bool CPrintPreviewDialog::FillList() {
  const std::optional<AnnexPrintout> printout =
      ReadAnnexPrintout(client_, prompter_, planned_.annex, cf_, planned_.cas, month_);
  if (!printout) return false;
  FillAnnexRows(*printout, list_->Model());
  return true;
}

std::optional<AnnexPrintout> CPrintPreviewDialog::PrintoutFromList() {
  return ListedPrintout(client_, prompter_, cf_, month_, planned_, list_->Model());
}

AnnexPrintOutcome CPrintPreviewDialog::Print() {
  if (standalone_) {
    // A cancelled dialog is silent and leaves the form open; a missing printer has been told.
    if (!printer_.BeginJob(PageOrientation::Portrait, true)) return AnnexPrintOutcome::kCancelled;
    if (!printer_.StartDocument(AnnexDocumentTitle(planned_.cas, cf_, month_, planned_.annex))) {
      return AnnexPrintOutcome::kStopped;
    }
  }
  const std::optional<AnnexPrintout> printout = PrintoutFromList();
  if (printout) DrawAnnex(printer_, *printout, client_.Version());
  if (standalone_) printer_.EndJob();
  if (!printout) return AnnexPrintOutcome::kStopped;
  printed_ = true;
  accept();
  return AnnexPrintOutcome::kPrinted;
}

AnnexPrintOutcome PrintSingleAnnex(CClient& client, Prompter& prompter, ReportPrinter& printer,
                                   const AnnexPrintChoices& choices, const PlannedAnnex& planned) {
  CPrintPreviewDialog form(nullptr, client, prompter, printer, choices.houses, planned, true);
  if (!form.FillList()) return AnnexPrintOutcome::kStopped;
  return form.Print();
}
