#include "screens/health/c_employee_amounts_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/amounts.h"
#include "common/free_space.h"
#include "common/number_texts.h"
#include "companies/company_store.h"
#include "health/amounts/amounts_checks.h"
#include "health/amounts/amounts_copy.h"
#include "health/amounts/amounts_record.h"
#include "health/amounts/amounts_store.h"
#include "health/annexes/report_month.h"
#include "history/history_tables.h"
#include "screens/health/c_edit_employee_amounts_dialog.h"
#include "screens/history/record_history_keys.h"
#include "store/c_client.h"
#include "store/prompter.h"
#include "store/schema/schema_tables.h"
#include "ui/buttons.h"
#include "ui/c_list_view_ex.h"
#include "ui/function_keys.h"
#include "ui/modal.h"

using namespace employee_columns;

namespace {

const QString kCompanyCf = QStringLiteral("CF");
const QString kCompanyName = QStringLiteral("DENUMIRE");
const QString kCaption = QStringLiteral("Angajati existenti:");
constexpr QRgb kLiquidated = qRgb(255, 0, 0);
constexpr QRgb kHired = qRgb(0, 127, 0);

QLabel* ColouredLabel(QWidget* parent, const QString& text, QRgb colour) {
  auto* label = new QLabel(text, parent);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor(colour));
  label->setPalette(palette);
  return label;
}

QLabel* ValueLabel(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QLatin1String(name));
  label->setMinimumWidth(110);
  return label;
}

}  // namespace

void CEmployeeAmountsDialog::Open(QWidget* parent, CClient& client, Prompter& prompter, int month) {
  CEmployeeAmountsDialog step(parent, client, prompter, month);
  if (step.IsLoaded()) RunModal(step);
}

CEmployeeAmountsDialog::CEmployeeAmountsDialog(QWidget* parent, CClient& client, Prompter& prompter,
                                               int month)
    : QDialog(parent), client_(client), prompter_(prompter), month_(month) {
  setWindowTitle(QStringLiteral("Pasul 2: Introducere / actualizare a obligatiilor"));
  BuildWindow();
  loaded_ = QueryCompanies(client_);
  if (!loaded_) return;
  client_.FillList(companies_->Model());
  companies_->SetColumnWidth(kCompanyCf, 0);
  companies_->SetColumnWidth(kCompanyName, 350);
  companies_->clearSelection();
  ShowTotals();
  AttachHistory();
}

void CEmployeeAmountsDialog::AttachHistory() {
  AttachRecordHistory(*companies_, *this, client_, prompter_,
                      {HistoryTableOf(CompaniesTable()),
                       [this](int row) {
                         return CompanyIndexOf(client_, companies_->GetCellText(row, kCompanyCf));
                       },
                       {},
                       {}});
  const auto reload = [this] {
    if (loadedCf_) LoadEmployees(*loadedCf_);
    ShowTotals();
  };
  AttachRecordHistory(
      *employees_, *this, client_, prompter_,
      {HistoryTableOf(MonthlyAmountsTable()),
       [this](int row) {
         return EmployeeAmountsIndex(
             client_, static_cast<int>(employees_->GetCellInteger(row, QStringLiteral("INDEX"))),
             month_);
       },
       [this] { return DeletedOfCompanyMonth(client_, loadedCf_.value_or(QString()), month_); },
       reload});
}

void CEmployeeAmountsDialog::BuildWindow() {
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(BuildLists());
  auto* month = new QLabel(QStringLiteral("Luna curenta: ") + ReportMonthText(month_), this);
  month->setObjectName(QStringLiteral("month"));
  layout->addWidget(month);
  layout->addLayout(BuildTotals());
  layout->addLayout(BuildButtons());
  for (const char* help :
       {"Campul LA_LUNA reprezinta ultima luna la care au fost modificate sumele (luna din care "
        "provin sumele)",
        "Apasa butonul <[F6]   Modifica sumele angajatului selectat> numai daca s-a modificat "
        "salariul realizat de la ultima luna introdusa (campul LA_LUNA) "}) {
    layout->addWidget(new QLabel(QLatin1String(help), this));
  }
  resize(1300, 680);

  connect(companies_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &CEmployeeAmountsDialog::OnCompanySelected);
  connect(employees_, &QAbstractItemView::doubleClicked, this,
          &CEmployeeAmountsDialog::ModifySelectedEmployee);
}

QLayout* CEmployeeAmountsDialog::BuildLists() {
  companies_ = new CListViewEx(this);
  companies_->setObjectName(QStringLiteral("companies"));
  companies_->setFixedWidth(375);
  employees_ = new CListViewEx(this);
  employees_->setObjectName(QStringLiteral("employees"));
  employeesCaption_ = new QLabel(kCaption, this);
  employeesCaption_->setObjectName(QStringLiteral("employeesCaption"));

  auto* legend = new QHBoxLayout;
  legend->addWidget(ColouredLabel(this, QStringLiteral("lichidat in luna curenta"), kLiquidated));
  legend->addWidget(ColouredLabel(this, QStringLiteral("angajat in luna curenta"), kHired));
  legend->addStretch();
  legend->addWidget(
      new QLabel(QStringLiteral("(dublu click - modifica sumele angajatului)"), this));

  auto* grid = new QGridLayout;
  grid->addWidget(
      new QLabel(QStringLiteral("Societati: (selecteaza o societate pentru a-i afisa angajatiii)"),
                 this),
      0, 0);
  grid->addWidget(employeesCaption_, 0, 1);
  grid->addWidget(companies_, 1, 0);
  grid->addWidget(employees_, 1, 1);
  grid->addLayout(legend, 2, 1);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(1, 1);
  return grid;
}

QLayout* CEmployeeAmountsDialog::BuildTotals() {
  fund_ = ValueLabel(this, "fund");
  employerOwed_ = ValueLabel(this, "employerOwed");
  employeesOwed_ = ValueLabel(this, "employeesOwed");
  employeesPaid_ = ValueLabel(this, "employeesPaid");
  const auto rateCaption = [this](const char* who, RatePayer payer) {
    return QStringLiteral("Datorat de catre %1 (%2%):")
        .arg(QLatin1String(who), RateText(ContributionRate(month_, payer)));
  };
  const std::pair<QString, QLabel*> totals[] = {
      {QStringLiteral("Fond de salarii:"), fund_},
      {rateCaption("angajator", RatePayer::kEmployer), employerOwed_},
      {rateCaption("salariati", RatePayer::kEmployees), employeesOwed_},
      {QStringLiteral("TOTAL virat de catre asigurati:"), employeesPaid_}};
  auto* grid = new QGridLayout;
  for (int i = 0; i < 4; ++i) {
    auto* caption = new QLabel(totals[i].first, this);
    caption->setObjectName(QStringLiteral("totalCaption%1").arg(i));
    grid->addWidget(caption, i / 2, (i % 2) * 2);
    grid->addWidget(totals[i].second, i / 2, (i % 2) * 2 + 1);
  }
  grid->setColumnStretch(4, 1);
  return grid;
}

QLayout* CEmployeeAmountsDialog::BuildButtons() {
  auto* modify =
      MakeButton(this, QStringLiteral("[F6]   Modifica sumele angajatului selectat"), "modify");
  auto* copy = MakeButton(this, QStringLiteral("[F8]   Preia sumele din luna anterioara"), "copy");
  auto* close = MakeButton(this, QStringLiteral("[ESC]   Iesire"), "close");
  connect(modify, &QPushButton::clicked, this, &CEmployeeAmountsDialog::ModifySelectedEmployee);
  connect(copy, &QPushButton::clicked, this, &CEmployeeAmountsDialog::CopyFromEarlierMonths);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  auto* row = new QHBoxLayout;
  for (QPushButton* button : {modify, copy, close}) row->addWidget(button);
  row->addStretch();
  return row;
}

void CEmployeeAmountsDialog::keyPressEvent(QKeyEvent* event) {
  const bool taken = HandleScreenKey(*event, {{Qt::Key_F6, [this] { ModifySelectedEmployee(); }},
                                              {Qt::Key_F8, [this] { CopyFromEarlierMonths(); }}});
  if (!taken) QDialog::keyPressEvent(event);
}

void CEmployeeAmountsDialog::OnCompanySelected() {
  const int row = companies_->SelectedRow();
  if (row < 0) {
    ForgetEmployees();
  } else {
    const QString cf = companies_->GetCellText(row, kCompanyCf);
    if (cf != loadedCf_) {
      loadedName_ = companies_->GetCellText(row, kCompanyName);
      LoadEmployees(cf);
    }
  }
  ShowTotals();
}

void CEmployeeAmountsDialog::LoadEmployees(const QString& cf) {
  // After a failed query the list must not keep another company's rows under this
  // selection: F6 and F8 would write them under the wrong company.
  if (!QueryEmployees(client_, cf, month_)) {
    ForgetEmployees();
    return;
  }
  client_.FillList(employees_->Model());
  loadedCf_ = cf;
  ShowEmployees();
}

void CEmployeeAmountsDialog::ForgetEmployees() {
  employees_->Model().DeleteAllRows();
  employeesCaption_->setText(kCaption);
  loadedCf_.reset();
}

void CEmployeeAmountsDialog::ShowEmployees() {
  for (const auto& [column, width] : {std::pair{kCas, 50},
                                      {kCf, 0},
                                      {kCnp, 0},
                                      {kForma, 50},
                                      {kIntrare, 80},
                                      {kIesire, 80},
                                      {kSalariu, 80},
                                      {kIndex, 0}}) {
    employees_->SetColumnWidth(column, width);
  }
  for (const auto& [column, kind] : {std::pair{kIntrare, "1"},
                                     {kIesire, "1"},
                                     {kSalariu, "5"},
                                     {kOwed, "3"},
                                     {kPaid, "3"},
                                     {kLaLuna, "2"}}) {
    employees_->SetColumnKind(column, QLatin1String(kind));
  }
  ColourEmployees();
  employeesCaption_->setText(kCaption + u' ' + QString::number(employees_->RowCount()));
}

void CEmployeeAmountsDialog::ColourEmployees() {
  ListModel& model = employees_->Model();
  const int intrare = model.FindColumn(kIntrare);
  const int iesire = model.FindColumn(kIesire);
  const long long first = FirstDayBound(month_);
  const long long last = LastDayBound(month_);
  for (int row = 0; row < model.RowCount(); ++row) {
    const long long hired = LeadingInteger(model.Cell(row, intrare));
    // Red marks any liquidation, as in the insured list; hired in the month wins over it.
    if (hired >= first && hired <= last) {
      model.SetRowColor(row, kHired);
    } else if (LeadingInteger(model.Cell(row, iesire)) > 0) {
      model.SetRowColor(row, kLiquidated);
    }
  }
}

void CEmployeeAmountsDialog::ShowTotals() {
  const TotalsTexts totals = FormatTotals(SumEmployeeAmounts(employees_->Model()), month_);
  fund_->setText(totals.fund);
  employerOwed_->setText(totals.employer);
  employeesOwed_->setText(totals.owed);
  employeesPaid_->setText(totals.paid);
}

void CEmployeeAmountsDialog::ModifySelectedEmployee() {
  const int row = employees_->SelectedRow();
  if (!loadedCf_ || row < 0) {
    prompter_.Inform(QStringLiteral("Trebuie sa selectezi un angajat pentru a-i modifica sumele!"));
    return;
  }
  const EmployeeRow employee = ReadEmployeeRow(employees_->Model(), row);
  const std::optional<EmployeeAmounts> saved = CEditEmployeeAmountsDialog::Modify(
      this, client_, prompter_, month_, loadedName_, *loadedCf_, employee);
  if (!saved) return;
  ShowEmployeeAmounts(employees_->Model(), row, *saved);
  ShowTotals();
}

void CEmployeeAmountsDialog::CopyFromEarlierMonths() {
  if (!loadedCf_) {
    prompter_.Inform(QStringLiteral("Trebuie sa selectezi o societate pentru a prelua sumele!"));
    return;
  }
  if (!prompter_.Ask(QStringLiteral(
          "ATENTIE:\nLa toti salariatii care nu au inca sume introduse, se vor completa automat "
          "sumele din ultima luna anterioara.\nCotele de contributie vor fi actualizate "
          "automat.\n\nVrei sa continui?"))) {
    return;
  }
  const QStringList dataFolder{client_.EmbeddedDataDir()};
  if (const std::optional<SpaceShortage> shortage = FindSpaceShortage(dataFolder)) {
    prompter_.Inform(SpaceShortageText(*shortage));
    return;
  }
  // Stopped by a failure, the rows filled before it are stored and shown: the totals
  // follow them either way.
  static_cast<void>(CopyEarlierAmounts(client_, employees_->Model(), *loadedCf_, month_));
  ShowTotals();
}
