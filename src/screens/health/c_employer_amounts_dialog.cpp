#include "screens/health/c_employer_amounts_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/number_texts.h"
#include "health/amounts/amounts_record.h"
#include "health/amounts/amounts_store.h"
#include "health/annexes/report_month.h"
#include "history/history_tables.h"
#include "screens/health/c_edit_employer_amounts_dialog.h"
#include "screens/history/record_history_keys.h"
#include "store/c_client.h"
#include "store/prompter.h"
#include "store/schema/schema_tables.h"
#include "ui/c_list_view_ex.h"
#include "ui/function_keys.h"
#include "ui/modal.h"

namespace {

const QString kCf = QStringLiteral("CF");
const QString kName = QStringLiteral("DENUMIRE");
const QString kFund = QStringLiteral("FOND DE SALARII");
const QString kOwed = QStringLiteral("DATORAT");
const QString kPaid = QStringLiteral("VIRAT");
const QString kIdSuma = QStringLiteral("ID_SUMA");

void ShowAmounts(CListViewEx& list, int row, const EmployerAmounts& amounts) {
  list.SetCellText(row, kFund, amounts.fund);
  list.SetCellText(row, kOwed, amounts.owed);
  list.SetCellText(row, kPaid, amounts.paid);
  list.SetCellText(row, kIdSuma, amounts.idSuma > 0 ? QString::number(amounts.idSuma) : QString());
}

}  // namespace

void CEmployerAmountsDialog::Open(QWidget* parent, CClient& client, Prompter& prompter, int month) {
  CEmployerAmountsDialog step(parent, client, prompter, month);
  if (step.IsLoaded()) RunModal(step);
}

CEmployerAmountsDialog::CEmployerAmountsDialog(QWidget* parent, CClient& client, Prompter& prompter,
                                               int month)
    : QDialog(parent), client_(client), prompter_(prompter), month_(month) {
  setWindowTitle(QStringLiteral("Pasul 3: Sumele datorate de catre angajator"));
  companies_ = new CListViewEx(this);
  companies_->setObjectName(QStringLiteral("companies"));
  auto* modify = new QPushButton(QStringLiteral("[F4]   Modifica sumele"), this);
  modify->setObjectName(QStringLiteral("modify"));
  auto* close = new QPushButton(QStringLiteral("[ESC]   Iesire"), this);
  close->setObjectName(QStringLiteral("close"));
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {modify, close}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Societati:"), this));
  layout->addWidget(companies_, 1);
  auto* shownMonth = new QLabel(QStringLiteral("Luna curenta: ") + ReportMonthText(month_), this);
  shownMonth->setObjectName(QStringLiteral("month"));
  layout->addWidget(shownMonth);
  layout->addLayout(buttons);
  resize(640, 480);
  connect(modify, &QPushButton::clicked, this, &CEmployerAmountsDialog::ModifySelectedCompany);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(companies_, &QAbstractItemView::doubleClicked, this,
          &CEmployerAmountsDialog::ModifySelectedCompany);
  loaded_ = LoadCompanies();
  // The history keys work on the company's amounts of the month.
  AttachRecordHistory(*companies_, *this, client_, prompter_,
                      {HistoryTableOf(EmployerAmountsTable()),
                       [this](int row) -> std::optional<qint64> {
                         const qint64 index =
                             static_cast<qint64>(companies_->GetCellInteger(row, kIdSuma));
                         return index;
                       },
                       {},
                       [this] {
                         for (int row = 0; row < companies_->RowCount(); ++row) {
                           if (!LoadAmounts(row)) return;
                         }
                       }});
}

bool CEmployerAmountsDialog::LoadCompanies() {
  if (!QueryCompanies(client_)) return false;
  client_.FillList(companies_->Model());
  companies_->SetColumnWidth(kCf, 0);
  companies_->SetColumnWidth(kName, 250);
  const int first = companies_->Model().ColumnCount();
  companies_->InsertColumn(first, kFund, QStringLiteral("N"), 120);
  companies_->InsertColumn(first + 1, kOwed, QStringLiteral("N"), 100);
  companies_->InsertColumn(first + 2, kPaid, QStringLiteral("N"), 100);
  companies_->InsertColumn(first + 3, kIdSuma, QStringLiteral("N"), 0);
  companies_->SetColumnKind(kFund, QStringLiteral("5"));
  companies_->SetColumnKind(kOwed, QStringLiteral("3"));
  companies_->SetColumnKind(kPaid, QStringLiteral("3"));
  for (int row = 0; row < companies_->RowCount(); ++row) {
    if (!LoadAmounts(row)) return false;
  }
  companies_->clearSelection();
  return true;
}

bool CEmployerAmountsDialog::LoadAmounts(int row) {
  const std::optional<EmployerAmounts> amounts =
      LoadEmployerAmounts(client_, companies_->GetCellText(row, kCf), month_);
  if (!amounts) return false;
  ShowAmounts(*companies_, row, *amounts);
  return true;
}

void CEmployerAmountsDialog::keyPressEvent(QKeyEvent* event) {
  if (!HandleScreenKey(*event, {{Qt::Key_F4, [this] { ModifySelectedCompany(); }}})) {
    QDialog::keyPressEvent(event);
  }
}

void CEmployerAmountsDialog::ModifySelectedCompany() {
  const int row = companies_->SelectedRow();
  if (row < 0) {
    prompter_.Inform(
        QStringLiteral("Trebuie sa selectezi o societate pentru a-i modifica sumele!"));
    return;
  }
  EmployerAmounts amounts;
  amounts.idSuma = static_cast<int>(companies_->GetCellInteger(row, kIdSuma));
  amounts.cf = companies_->GetCellText(row, kCf);
  amounts.fund = companies_->GetCellText(row, kFund);
  amounts.owed = companies_->GetCellText(row, kOwed);
  amounts.paid = companies_->GetCellText(row, kPaid);
  const std::optional<EmployerAmounts> saved = CEditEmployerAmountsDialog::Modify(
      this, client_, prompter_, month_, companies_->GetCellText(row, kName), amounts);
  if (saved) ShowAmounts(*companies_, row, *saved);
}
