#include "screens/month/c_month_batch_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "health/annexes/annex_values.h"
#include "health/annexes/report_month.h"
#include "store/prompter.h"
#include "ui/buttons.h"
#include "ui/c_list_view_ex.h"
#include "ui/c_report_naming_dialog.h"
#include "ui/function_keys.h"
#include "ui/modal.h"
#include "ui/remembered_folders.h"

namespace {

const QString kChooseTitle =
    QStringLiteral("Selecteaza directorul in care se vor salva fisierele lunii");
const QString kSummarySaved = QStringLiteral("Rezumatul a fost salvat in fisierul:\n\n%1");
const QString kSummaryFailed = QStringLiteral("Nu se poate salva rezumatul!");
constexpr QRgb kFaultColor = qRgb(255, 0, 0);
constexpr QRgb kPlainColor = qRgb(0, 0, 0);

// The naming form shows the names with stand-ins, since the run writes many companies.
NamingChoice GenericNames(int month) {
  const MonthParts parts = *SplitMonth(QString::number(month));
  return {
      ShownFileNames(NamingForm::kLegal, parts, QStringLiteral("CUI"), {}),
      ShownFileNames(NamingForm::kByHouse, parts, QStringLiteral("CUI"), QStringLiteral("CAS"))};
}

QString Counts(const std::vector<CompanySummary>& rows) {
  int written = 0;
  int skipped = 0;
  int failed = 0;
  int faulty = 0;
  int files = 0;
  for (const CompanySummary& row : rows) {
    written += row.state == CompanyState::kWritten ? 1 : 0;
    skipped += row.state == CompanyState::kSkipped ? 1 : 0;
    failed += row.state == CompanyState::kFailed ? 1 : 0;
    faulty += row.faults.isEmpty() ? 0 : 1;
    files += static_cast<int>(row.files.size());
  }
  return QStringLiteral(
             "%1 fisiere scrise; societati: %2 scrise, %3 sarite, %4 esuate, %5 cu "
             "greseli gasite.")
      .arg(files)
      .arg(written)
      .arg(skipped)
      .arg(failed)
      .arg(faulty);
}

}  // namespace

void RunMonthBatch(QWidget* parent, CClient& client, Prompter& prompter, const QString& month,
                   const std::vector<BatchCompany>& companies) {
  if (!SplitMonth(month)) return;
  CMonthBatchDialog dialog(parent, client, prompter, month.toInt(), companies);
  RunModal(dialog);
}

CMonthBatchDialog::CMonthBatchDialog(QWidget* parent, CClient& client, Prompter& prompter,
                                     int month, std::vector<BatchCompany> companies)
    : QDialog(parent),
      client_(client),
      prompter_(prompter),
      month_(month),
      companies_(std::move(companies)) {
  setWindowTitle(QStringLiteral("Fisierele lunii ") + ReportMonthText(month_));
  BuildWindow();
  SetRunning(false);
}

void CMonthBatchDialog::BuildWindow() {
  auto* layout = new QVBoxLayout(this);
  auto* heading = new QLabel(QStringLiteral("Luna: %1      Societati: %2")
                                 .arg(ReportMonthText(month_))
                                 .arg(companies_.size()),
                             this);
  heading->setObjectName(QStringLiteral("heading"));
  layout->addWidget(heading);
  layout->addWidget(BuildOptions());
  bar_ = new QProgressBar(this);
  bar_->setObjectName(QStringLiteral("progress"));
  bar_->setRange(0, static_cast<int>(companies_.size()));
  bar_->setValue(0);
  layout->addWidget(bar_);
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("status"));
  layout->addWidget(status_);
  layout->addWidget(new QLabel(QStringLiteral("Rezumat pe societati:"), this));
  list_ = new CListViewEx(this);
  list_->setObjectName(QStringLiteral("summary"));
  const std::pair<const char*, int> columns[] = {{"CF", 90},      {"SOCIETATE", 220},
                                                 {"STARE", 70},   {"FISIERE", 60},
                                                 {"GRESELI", 60}, {"MOTIV", 560}};
  int position = 0;
  for (const auto& [name, width] : columns) {
    (void)list_->InsertColumn(position++, QLatin1String(name), QStringLiteral("C"), width);
  }
  layout->addWidget(list_, 1);
  // The list's reason column is cut to its width: the selected company's row in full.
  details_ = new QPlainTextEdit(this);
  details_->setObjectName(QStringLiteral("details"));
  details_->setReadOnly(true);
  details_->setPlaceholderText(QStringLiteral(
      "Selectati o societate din rezumat pentru fisierele, greselile si motivele ei."));
  details_->setMaximumHeight(110);
  layout->addWidget(details_);
  connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &CMonthBatchDialog::ShowDetails);
  layout->addLayout(BuildButtons());
  resize(1200, 700);
}

QWidget* CMonthBatchDialog::BuildOptions() {
  auto* group = new QGroupBox(QStringLiteral("   Optiuni   "), this);
  auto* grid = new QGridLayout(group);
  grid->addWidget(new QLabel(QStringLiteral("Folderul fisierelor:"), group), 0, 0);
  folderLine_ = new QLineEdit(group);
  folderLine_->setObjectName(QStringLiteral("folder"));
  folderLine_->setReadOnly(true);
  folderLine_->setPlaceholderText(QStringLiteral("(se alege la pornire)"));
  grid->addWidget(folderLine_, 0, 1);
  choose_ = MakeButton(group, QStringLiteral("[F2]   Alege folderul"), "chooseFolder");
  connect(choose_, &QPushButton::clicked, this, &CMonthBatchDialog::ChooseFolder);
  grid->addWidget(choose_, 0, 2);
  listsPdf_ =
      new QCheckBox(QStringLiteral("listele tiparite ANEXA 2a), 2b), 2c) ca PDF, pe case"), group);
  listsPdf_->setObjectName(QStringLiteral("listsPdf"));
  declarationPdf_ =
      new QCheckBox(QStringLiteral("declaratia de concedii medicale tiparita ca PDF"), group);
  declarationPdf_->setObjectName(QStringLiteral("declarationPdf"));
  grid->addWidget(listsPdf_, 1, 1, 1, 2);
  grid->addWidget(declarationPdf_, 2, 1, 1, 2);
  auto* note = new QLabel(
      QStringLiteral("Se scriu anexele 1A, 1B, 1C ale fiecarei case si fisierele A1, A2 ale "
                     "declaratiei; forma denumirii se alege o singura data."),
      group);
  note->setWordWrap(true);
  grid->addWidget(note, 3, 0, 1, 3);
  grid->setColumnStretch(1, 1);
  return group;
}

QLayout* CMonthBatchDialog::BuildButtons() {
  start_ = MakeButton(this, QStringLiteral("[F5]   Scrie fisierele"), "start");
  connect(start_, &QPushButton::clicked, this, [this] { (void)Start(); });
  stop_ = MakeButton(this, QStringLiteral("[F8]   Opreste"), "stop");
  connect(stop_, &QPushButton::clicked, this, &CMonthBatchDialog::Stop);
  save_ = MakeButton(this, QStringLiteral("[F7]   Salveaza rezumatul (CSV)"), "saveSummary");
  connect(save_, &QPushButton::clicked, this, [this] { (void)SaveSummary(); });
  close_ = MakeButton(this, QStringLiteral("[ESC]   Iesire"), "close");
  connect(close_, &QPushButton::clicked, this, &QDialog::reject);
  auto* row = new QHBoxLayout;
  row->addWidget(start_);
  row->addWidget(stop_);
  row->addWidget(save_);
  row->addStretch();
  row->addWidget(close_);
  return row;
}

void CMonthBatchDialog::ChooseFolder() {
  const QString start = folder_.isEmpty() ? StartFolder(FolderKind::kMonthFiles) : folder_;
  const QString chosen = prompter_.ChooseFolder(kChooseTitle, start);
  if (chosen.isEmpty()) return;
  folder_ = chosen;
  RememberFolder(FolderKind::kMonthFiles, folder_);
  folderLine_->setText(QDir::toNativeSeparators(folder_));
}

bool CMonthBatchDialog::Start() {
  if (running_ || asking_) return false;
  // Not started again while its own questions are open.
  asking_ = true;
  if (folder_.isEmpty()) ChooseFolder();
  const std::optional<NamingForm> naming =
      folder_.isEmpty() ? std::nullopt : CReportNamingDialog::Choose(this, GenericNames(month_));
  asking_ = false;
  if (!naming) return false;
  const MonthRunOptions options{month_, folder_, *naming, listsPdf_->isChecked(),
                                declarationPdf_->isChecked()};
  summary_.clear();
  list_->Model().DeleteAllRows();
  details_->clear();
  stopAsked_ = false;
  SetRunning(true);
  RunHooks hooks;
  hooks.progress = [this](int done, int total, const BatchCompany& current) {
    ShowProgress(done, total, current);
  };
  hooks.stop = [this] {
    // The stop key is read between two files: the one under way is always whole.
    QCoreApplication::processEvents();
    return stopAsked_;
  };
  hooks.ended = [this](const CompanySummary& row) { AddSummaryRow(row); };
  summary_ = RunMonthFiles(client_, options, companies_, hooks);
  SetRunning(false);
  ShowSummary();
  return true;
}

void CMonthBatchDialog::ShowProgress(int done, int total, const BatchCompany& current) {
  bar_->setRange(0, total);
  bar_->setValue(done);
  status_->setText(done < total ? QStringLiteral("Societatea %1 din %2: %3 (%4)")
                                      .arg(done + 1)
                                      .arg(total)
                                      .arg(current.name, current.cf)
                                : QString());
  QCoreApplication::processEvents();
}

void CMonthBatchDialog::AddSummaryRow(const CompanySummary& row) {
  // What needs the user first: the failure, then the faults found, then the notes.
  QStringList reasons = row.faults + row.notes;
  if (!row.error.isEmpty()) reasons.prepend(row.error);
  const int at = list_->RowCount();
  list_->Model().AppendRowCells({row.company.cf, row.company.name, StateText(row.state),
                                 QString::number(row.files.size()),
                                 QString::number(row.faults.size()), reasons.join(u' ')});
  const bool bad = row.state == CompanyState::kFailed || !row.faults.isEmpty();
  list_->SetRowColor(at, bad ? kFaultColor : kPlainColor);
  list_->scrollToBottom();
}

void CMonthBatchDialog::ShowSummary() {
  const bool stopped = std::any_of(summary_.begin(), summary_.end(), [](const CompanySummary& r) {
    return r.state == CompanyState::kStopped || r.state == CompanyState::kNotReached;
  });
  status_->setText((stopped ? QStringLiteral("Oprit. ") : QStringLiteral("Gata. ")) +
                   Counts(summary_));
}

void CMonthBatchDialog::ShowDetails() {
  const int row = list_->SelectedRow();
  // The list sorts by a header's click: its row is found again by the fiscal code.
  const QString cf = row < 0 ? QString() : list_->GetCellText(row, QStringLiteral("CF"));
  const auto found = std::find_if(summary_.begin(), summary_.end(),
                                  [&cf](const CompanySummary& r) { return r.company.cf == cf; });
  if (row < 0 || found == summary_.end()) {
    details_->clear();
    return;
  }
  const CompanySummary& company = *found;
  QStringList lines = {company.company.name + QStringLiteral(" (") + company.company.cf +
                       QStringLiteral("): ") + StateText(company.state)};
  if (!company.error.isEmpty()) lines.append(QStringLiteral("Eroare: ") + company.error);
  for (const QString& fault : company.faults) lines.append(QStringLiteral("Greseli: ") + fault);
  for (const QString& note : company.notes) lines.append(note);
  for (const QString& file : company.files) {
    lines.append(QStringLiteral("Fisier: ") + QDir::toNativeSeparators(file));
  }
  details_->setPlainText(lines.join(u'\n'));
}

bool CMonthBatchDialog::SaveSummary() {
  if (summary_.empty() || running_) return false;
  const MonthRunOptions options{month_, folder_, NamingForm::kByHouse, false, false};
  const QString path = SummaryCsvPath(options);
  if (!WriteSummaryCsv(path, summary_)) {
    prompter_.Inform(kSummaryFailed);
    return false;
  }
  prompter_.Inform(kSummarySaved.arg(QDir::toNativeSeparators(path)), Prompter::DefaultCaption(),
                   Prompter::Icon::Information);
  return true;
}

void CMonthBatchDialog::SetRunning(bool running) {
  running_ = running;
  choose_->setEnabled(!running);
  start_->setEnabled(!running);
  listsPdf_->setEnabled(!running);
  declarationPdf_->setEnabled(!running);
  close_->setEnabled(!running);
  stop_->setEnabled(running);
  save_->setEnabled(!running && !summary_.empty());
}

void CMonthBatchDialog::keyPressEvent(QKeyEvent* event) {
  if (running_) {
    // While the run goes on, only its stop key acts.
    if (event->key() == Qt::Key_F8) Stop();
    event->accept();
    return;
  }
  const bool taken = HandleScreenKey(*event, {{Qt::Key_F2, [this] { ChooseFolder(); }},
                                              {Qt::Key_F5, [this] { (void)Start(); }},
                                              {Qt::Key_F7, [this] { (void)SaveSummary(); }}});
  if (!taken) QDialog::keyPressEvent(event);
}

void CMonthBatchDialog::closeEvent(QCloseEvent* event) {
  if (running_) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void CMonthBatchDialog::reject() {
  if (!running_) QDialog::reject();
}
