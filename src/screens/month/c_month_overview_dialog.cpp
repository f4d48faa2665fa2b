#include "screens/month/c_month_overview_dialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "health/annexes/report_month.h"
#include "screens/month/c_month_batch_dialog.h"
#include "screens/month/c_panel_choice_dialog.h"
#include "store/prompter.h"
#include "store/wait_cursor.h"
#include "store/written_files.h"
#include "ui/c_list_view_ex.h"
#include "ui/function_keys.h"
#include "ui/modal.h"

namespace {

const QString kNothingToWrite = QStringLiteral(
    "Nicio societate nu este gata pentru luna aceasta si nu este selectata niciuna.");

QString OnlySelectedQuestion(const std::vector<OverviewCompany>& selected, int ready) {
  const QString which = selected.size() == 1
                            ? QStringLiteral("societatea selectata, %1").arg(selected.front().name)
                            : QStringLiteral("cele %1 societati selectate").arg(selected.size());
  return QStringLiteral(
             "Se scriu fisierele lunii numai pentru %1?\n\n"
             "Nu: pentru toate cele %2 societati gata.")
      .arg(which)
      .arg(ready);
}

const struct {
  const char* header;
  int width;
} kColumns[] = {
    {"Societate", 180},       {"CF", 72},     {"Asigurati", 58},   {"Fara sume", 62},
    {"Sume angajator", 100},  {"Case", 85},   {"Declaratie", 180}, {"Sanatate scrisa", 150},
    {"Concedii scrise", 150}, {"Stare", 262},
};

QString StateCell(const OverviewCompany& company) {
  QString text = StateText(company.state);
  if (company.state == MonthState::kIncomplete) {
    text += QStringLiteral(": ") + company.missing.join(QStringLiteral(", "));
  } else if (company.state == MonthState::kHandedIn) {
    text += QStringLiteral(" ") + WrittenText(company.handedInAt, std::nullopt);
  }
  return text;
}

QStringList RowCells(const OverviewCompany& company) {
  return {company.name,
          company.cf,
          QString::number(company.insured),
          QString::number(company.withoutAmounts),
          company.employerAmounts ? QStringLiteral("da") : QStringLiteral("lipsa"),
          company.houses.join(QStringLiteral(", ")),
          DeclarationText(company),
          WrittenText(company.healthWrittenAt, company.healthDiffers),
          WrittenText(company.leaveWrittenAt, company.leaveDiffers),
          StateCell(company)};
}

// The text colour of a row: what needs work stands out, what is done recedes.
QRgb StateColor(MonthState state) {
  switch (state) {
    case MonthState::kIncomplete:
      return qRgb(176, 0, 0);
    case MonthState::kChanged:
      return qRgb(160, 82, 0);
    case MonthState::kReady:
      return qRgb(0, 0, 0);
    case MonthState::kWritten:
      return qRgb(0, 110, 0);
    case MonthState::kHandedIn:
      break;
  }
  return qRgb(0, 60, 150);
}

QPushButton* KeyButton(QWidget* parent, const char* caption, const char* name) {
  auto* button = new QPushButton(QLatin1String(caption), parent);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

std::optional<CMonthOverviewDialog::PanelChoice> CMonthOverviewDialog::Open(
    QWidget* parent, CClient& client, Prompter& prompter, int month, WriteMonthFiles writeFiles) {
  CMonthOverviewDialog dialog(parent, client, prompter, month, std::move(writeFiles));
  // Shown first, so the progress of the files' check is seen.
  dialog.show();
  if (!dialog.Reload()) return std::nullopt;
  RunModal(dialog);
  return dialog.Choice();
}

CMonthOverviewDialog::CMonthOverviewDialog(QWidget* parent, CClient& client, Prompter& prompter,
                                           int month, WriteMonthFiles writeFiles)
    : QDialog(parent),
      client_(client),
      prompter_(prompter),
      month_(month),
      writeFiles_(std::move(writeFiles)) {
  setWindowTitle(Title() + QStringLiteral(" ") + ReportMonthText(month_));
  BuildWindow();
}

void CMonthOverviewDialog::BuildWindow() {
  auto* layout = new QVBoxLayout(this);
  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("summary"));
  layout->addWidget(summary_);
  list_ = new CListViewEx(this);
  list_->setObjectName(QStringLiteral("companies"));
  // Several companies may be chosen for the month's files (Ctrl and Shift with the mouse or
  // the arrows); F2 and Enter act on the first of them.
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  int position = 0;
  for (const auto& column : kColumns) {
    list_->InsertColumn(position++, QLatin1String(column.header), QStringLiteral("C"),
                        column.width);
  }
  // Enter reaches the window through keyPressEvent; a double click does the same.
  connect(list_, &QAbstractItemView::doubleClicked, this, [this] { ChoosePanel(); });
  layout->addWidget(list_, 1);
  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("progress"));
  progress_->setVisible(false);
  layout->addWidget(progress_);

  auto* keys = new QHBoxLayout;
  onlyNotHandedIn_ = new QCheckBox(QStringLiteral("doar cele nepredate"), this);
  onlyNotHandedIn_->setObjectName(QStringLiteral("onlyNotHandedIn"));
  connect(onlyNotHandedIn_, &QCheckBox::toggled, this, [this] { ShowRows(SelectedCf()); });
  keys->addWidget(onlyNotHandedIn_);
  keys->addStretch(1);
  auto* handedIn = KeyButton(this, "[F2]   Predat / nepredat", "handedIn");
  connect(handedIn, &QPushButton::clicked, this, [this] { ToggleHandedIn(); });
  keys->addWidget(handedIn);
  auto* open = KeyButton(this, "[ENTER]   Deschide societatea", "openCompany");
  connect(open, &QPushButton::clicked, this, [this] { ChoosePanel(); });
  keys->addWidget(open);
  writeButton_ = KeyButton(this, "[F5]   Scrie fisierele lunii", "writeFiles");
  connect(writeButton_, &QPushButton::clicked, this, [this] { WriteFiles(); });
  // Only an opener that supplies the month's writing shows the key.
  writeButton_->setVisible(static_cast<bool>(writeFiles_));
  keys->addWidget(writeButton_);
  auto* close = KeyButton(this, "[ESC]   Inchide", "close");
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  keys->addWidget(close);
  layout->addLayout(keys);
  resize(1340, 600);
}

bool CMonthOverviewDialog::Reload() {
  const WaitCursor wait;
  std::optional<std::vector<OverviewCompany>> read = ReadMonthOverview(client_, month_);
  if (!read) return false;
  // Taken before the rows the list points at are replaced.
  const QString selectedCf = SelectedCf();
  shown_.clear();
  companies_ = std::move(*read);
  ShowRows(selectedCf);
  // The rows are seen at once; the check of the written files follows on the bar.
  const bool checked =
      CheckDifferToday(client_, prompter_, month_, companies_, [this](int done, int total) {
        if (done == 0) {
          progress_->setRange(0, std::max(total, 1));
          progress_->setVisible(total > 0);
        }
        progress_->setValue(done);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
      });
  progress_->setVisible(false);
  ShowRows(selectedCf);
  return checked;
}

std::vector<OverviewCompany> CMonthOverviewDialog::SelectedCompanies() const {
  std::vector<int> rows;
  for (const QModelIndex& index : list_->selectionModel()->selectedRows()) {
    if (index.row() < static_cast<int>(shown_.size())) rows.push_back(index.row());
  }
  std::sort(rows.begin(), rows.end());
  std::vector<OverviewCompany> companies;
  companies.reserve(rows.size());
  for (const int row : rows) companies.push_back(*shown_[static_cast<size_t>(row)]);
  return companies;
}

QString CMonthOverviewDialog::SelectedCf() const {
  const OverviewCompany* company = Selected();
  return company != nullptr ? company->cf : QString();
}

void CMonthOverviewDialog::ShowRows(const QString& selectedCf) {
  shown_.clear();
  for (const OverviewCompany& company : companies_) {
    if (onlyNotHandedIn_->isChecked() && company.state == MonthState::kHandedIn) continue;
    shown_.push_back(&company);
  }
  std::vector<QStringList> rows;
  rows.reserve(shown_.size());
  for (const OverviewCompany* company : shown_) rows.push_back(RowCells(*company));
  ListModel& model = list_->Model();
  model.DeleteAllRows();
  model.AppendRows(std::move(rows));
  int counts[5] = {};
  for (size_t row = 0; row < shown_.size(); ++row) {
    list_->SetRowColor(static_cast<int>(row), StateColor(shown_[row]->state));
    if (shown_[row]->cf == selectedCf) list_->SelectRow(static_cast<int>(row));
  }
  for (const OverviewCompany& company : companies_) ++counts[static_cast<int>(company.state)];
  summary_->setText(QStringLiteral("%1 societati: %2 incomplete, %3 modificate dupa scriere, %4 "
                                   "gata, %5 scrise, %6 predate")
                        .arg(companies_.size())
                        .arg(counts[0])
                        .arg(counts[1])
                        .arg(counts[2])
                        .arg(counts[3])
                        .arg(counts[4]));
}

const OverviewCompany* CMonthOverviewDialog::Selected() const {
  const int row = list_->SelectedRow();
  if (row < 0 || row >= static_cast<int>(shown_.size())) return nullptr;
  return shown_[row];
}

void CMonthOverviewDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    ChoosePanel();
    return;
  }
  const bool taken = HandleScreenKey(
      *event, {{Qt::Key_F2, [this] { ToggleHandedIn(); }}, {Qt::Key_F5, [this] { WriteFiles(); }}});
  if (!taken) QDialog::keyPressEvent(event);
}

void CMonthOverviewDialog::ToggleHandedIn() {
  const OverviewCompany* company = Selected();
  if (company == nullptr) {
    prompter_.Inform(QStringLiteral("Trebuie sa selectezi o societate!"));
    return;
  }
  const bool mark = company->state != MonthState::kHandedIn;
  if (!SetHandedIn(client_, company->cf, month_, mark)) return;
  // The mark changes only that row's state; the files' check stands.
  for (OverviewCompany& row : companies_) {
    if (row.cf != company->cf) continue;
    row.handedInAt =
        mark ? QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
             : QString();
    SettleState(row);
  }
  const QString cf = company->cf;
  shown_.clear();  // the sort moves the rows it points at
  SortOverview(companies_);
  ShowRows(cf);
}

void CMonthOverviewDialog::WriteFiles() {
  if (!writeFiles_) return;
  std::vector<OverviewCompany> ready;
  for (const OverviewCompany& company : companies_) {
    if (company.state == MonthState::kReady) ready.push_back(company);
  }
  std::vector<OverviewCompany> chosen = ready;
  // Selected rows may be meant alone or only be where the cursor was left: asked.
  if (const std::vector<OverviewCompany> selected = SelectedCompanies();
      !selected.empty() && (ready.empty() || prompter_.Ask(OnlySelectedQuestion(
                                                 selected, static_cast<int>(ready.size()))))) {
    chosen = selected;
  }
  if (chosen.empty()) {
    prompter_.Inform(kNothingToWrite);
    return;
  }
  writeFiles_(this, chosen);
  // What was written changes the states.
  (void)Reload();
}

CMonthOverviewDialog::WriteMonthFiles CMonthOverviewDialog::MonthRun(CClient& client,
                                                                     Prompter& prompter,
                                                                     int month) {
  return [&client, &prompter, month](QWidget* parent, const std::vector<OverviewCompany>& chosen) {
    std::vector<BatchCompany> companies;
    companies.reserve(chosen.size());
    for (const OverviewCompany& company : chosen) companies.push_back({company.cf, company.name});
    RunMonthBatch(parent, client, prompter, QString::number(month), companies);
  };
}

void CMonthOverviewDialog::ChoosePanel() {
  const OverviewCompany* company = Selected();
  if (company == nullptr) return;
  const std::optional<PanelArea> area = CPanelChoiceDialog::Choose(this, company->name);
  if (!area) return;
  choice_ = PanelChoice{*area, company->cf};
  accept();
}
