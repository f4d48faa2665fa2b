#include "health/c_print_preview_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/number_texts.h"
#include "health/annex_print_pages.h"
#include "ui/c_list_view_ex.h"
#include "ui/modal.h"

namespace {

constexpr QRgb kTotalRow = qRgb(255, 0, 0);

// The columns with widths that show a whole CNP and the longer names.
void SetColumns(CListViewEx& list, std::initializer_list<std::pair<const char*, int>> columns) {
  int position = 0;
  for (const auto& [name, width] : columns) {
    list.InsertColumn(position++, QLatin1String(name));
    list.SetColumnWidth(QLatin1String(name), width);
  }
}

// A person still employed shows no date of leaving, as on paper.
QString NoDateEmpty(const QString& stored) {
  return stored.trimmed().toLongLong() < 1 ? QString() : stored;
}

void Fill2a(CListViewEx& list, const std::vector<InsuredLine>& lines) {
  SetColumns(list, {{"CNP", 120},
                    {"NUME", 140},
                    {"PRENUME", 140},
                    {"CATEGORIA", 90},
                    {"DATORAT_LUNA", 130},
                    {"VIRAT_LUNA", 130},
                    {"DATA_ANGAJARII", 130},
                    {"DATA_PLECARII", 130}});
  std::vector<QStringList> rows;
  rows.reserve(lines.size() + 1);
  for (const InsuredLine& l : lines) {
    rows.push_back({l.cnp, l.nume, l.prenume, l.categoria, FormatInteger(l.owed),
                    FormatInteger(l.paid), l.hired, NoDateEmpty(l.left)});
  }
  const InsuredTotals totals = SumInsured(lines);
  rows.push_back({QString(), QString(), QString(), QStringLiteral("TOTAL"),
                  FormatInteger(totals.owed), FormatInteger(totals.paid), QString(), QString()});
  list.Model().AppendRows(std::move(rows));
  list.SetRowColor(list.RowCount() - 1, kTotalRow);
  list.SetColumnKind(QStringLiteral("DATORAT_LUNA"), QStringLiteral("3"));
  list.SetColumnKind(QStringLiteral("VIRAT_LUNA"), QStringLiteral("3"));
  list.SetColumnKind(QStringLiteral("DATA_ANGAJARII"), QStringLiteral("1"));
  list.SetColumnKind(QStringLiteral("DATA_PLECARII"), QStringLiteral("1"));
}

void Fill2b(CListViewEx& list, const std::vector<DependantLine>& lines) {
  SetColumns(list,
             {{"CNP_ANGAJAT", 130}, {"CNP", 120}, {"NUME", 200}, {"PRENUME", 200}, {"TIP", 60}});
  std::vector<QStringList> rows;
  rows.reserve(lines.size());
  for (const DependantLine& l : lines)
    rows.push_back({l.cnpAngajat, l.cnp, l.nume, l.prenume, l.tip});
  list.Model().AppendRows(std::move(rows));
}

void Fill2c(CListViewEx& list, const HouseSummary& summary) {
  SetColumns(list, {{"CASA", 90},
                    {"ANG DATORAT LUNA", 150},
                    {"ANG VIRAT LUNA", 150},
                    {"ASIG DATORAT LUNA", 150},
                    {"ASIG VIRAT LUNA", 150}});
  std::vector<QStringList> rows;
  for (const HouseLine& h : summary.houses) {
    rows.push_back({h.cas, QString(), QString(), FormatInteger(h.owed), FormatInteger(h.paid)});
  }
  rows.push_back({QStringLiteral("TOTAL"), FormatInteger(summary.employerOwed),
                  FormatInteger(summary.employerPaid), FormatInteger(summary.insuredOwed),
                  FormatInteger(summary.insuredPaid)});
  list.Model().AppendRows(std::move(rows));
}

}  // namespace

void CPrintPreviewDialog::Open(QWidget* parent, CClient& client, Prompter& prompter,
                               ReportPrinter& printer, const AnnexPrintChoices& choices,
                               const PlannedAnnex& planned) {
  const std::optional<AnnexPrintout> printout = ReadAnnexPrintout(
      client, prompter, planned.annex, choices.houses.cf, planned.cas, choices.houses.month);
  if (!printout) return;
  CPrintPreviewDialog form(parent, client, prompter, printer, choices, planned, *printout);
  RunModal(form);
}

CPrintPreviewDialog::CPrintPreviewDialog(QWidget* parent, CClient& client, Prompter& prompter,
                                         ReportPrinter& printer, const AnnexPrintChoices& choices,
                                         const PlannedAnnex& planned, const AnnexPrintout& printout)
    : QDialog(parent),
      client_(client),
      prompter_(prompter),
      printer_(printer),
      choices_(choices),
      planned_(planned) {
  setWindowTitle(Title());
  BuildWindow();
  FillList(printout);
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

void CPrintPreviewDialog::FillList(const AnnexPrintout& printout) {
  switch (printout.annex) {
    case PrintedAnnex::k2A:
      Fill2a(*list_, printout.insured);
      break;
    case PrintedAnnex::k2B:
      Fill2b(*list_, printout.dependants);
      break;
    case PrintedAnnex::k2C:
      Fill2c(*list_, printout.houses);
      break;
  }
}

AnnexPrintOutcome CPrintPreviewDialog::Print() {
  const AnnexPrintOutcome outcome =
      PrintSingleAnnex(client_, prompter_, printer_, choices_, planned_);
  if (outcome == AnnexPrintOutcome::kPrinted) accept();
  return outcome;
}
