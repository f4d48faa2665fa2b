#include "screens/exchange/c_import_dialog.h"

#include <QCoreApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <memory>
#include <thread>
#include <vector>

#include "common/free_space.h"
#include "exchange/import/prepared_ahead.h"
#include "screens/exchange/c_import_reason_label.h"
#include "store/c_client.h"
#include "store/database_thread.h"
#include "store/grouped_flushes.h"
#include "store/named_lock.h"
#include "store/prompter.h"
#include "store/wait_cursor.h"
#include "ui/buttons.h"
#include "ui/c_list_view_ex.h"
#include "ui/remembered_folders.h"
#include "ui/window_thread_prompter.h"

namespace {

QLineEdit* MakeEdit(QWidget* parent, const char* name, int maxLength) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QLatin1String(name));
  edit->setMaxLength(maxLength);
  return edit;
}

// While a file is read or saved, the window repaints, shows its progress and takes input
// this often (milliseconds): often enough to feel immediate, rarely enough to cost nothing.
constexpr int kRefreshInterval = 50;

}  // namespace

CImportDialog::CImportDialog(QWidget* owner, CClient& client, Prompter& prompter,
                             ImportLayout layout, const Captions& captions)
    : QDialog(owner), client_(client), prompter_(prompter), layout_(layout), captions_(captions) {}

QString CImportDialog::SavedMessage() {
  return QStringLiteral(
      "Salvarea a fost realizata cu succes!\n\nInregistrarile cu rosu nu au putut fi "
      "importate.\nDeruleaza lista catre dreapta pentru a vedea mesajele de eroare.");
}

QString CImportDialog::StopQuestion() {
  return QStringLiteral(
      "Opresti salvarea in baza de date?\n\nInregistrarile salvate pana acum raman in baza de "
      "date.");
}

QString CImportDialog::StoppedMessage(int done, int total) {
  return QStringLiteral(
             "Salvarea a fost oprita dupa %1 din %2 inregistrari.\n\nInregistrarile salvate pana "
             "acum raman in baza de date; celelalte nu au fost procesate.")
      .arg(done)
      .arg(total);
}

QString CImportDialog::FiscalCode() const { return cf_->text(); }

void CImportDialog::Build() {
  setWindowTitle(captions_.title);
  records_ = new CListViewEx(this);
  records_->setObjectName(QStringLiteral("records"));
  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("progress"));
  progress_->setVisible(false);

  auto* open = MakeButton(this, captions_.open, "open");
  save_ = MakeButton(this, QStringLiteral("Salveaza in baza de date"), "save");
  auto* cancel = MakeButton(this, QStringLiteral("[ESC]   Renunta"), "cancel");
  connect(open, &QPushButton::clicked, this, &CImportDialog::OpenFile);
  connect(save_, &QPushButton::clicked, this, &CImportDialog::Save);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  controls_ = new QWidget(this);
  auto* controls = new QVBoxLayout(controls_);
  controls->setContentsMargins(0, 0, 0, 0);
  controls->addWidget(open);
  AddControls(*controls);
  controls->addWidget(BuildCompanyGroup());
  controls->addWidget(save_);
  auto* side = new QVBoxLayout;
  side->addWidget(controls_);
  side->addStretch();
  side->addWidget(cancel);
  reasons_ = new CImportReasonLabel(*records_, this);
  auto* list = new QVBoxLayout;
  list->addWidget(records_, 1);
  list->addWidget(reasons_);
  auto* body = new QHBoxLayout;
  body->addLayout(list, 1);
  body->addLayout(side);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addWidget(progress_);
  SetCompanyEnabled(false);
  resize(1100, 620);
}

QGroupBox* CImportDialog::BuildCompanyGroup() {
  company_ = new QGroupBox(QStringLiteral("   Informatii despre societatea curenta   "), this);
  // The lengths of the company form, so that what is typed here fits the register.
  denumire_ = MakeEdit(company_, "denumire", 255);
  cf_ = MakeEdit(company_, "cf", 13);
  cf_->setReadOnly(true);
  regCom_ = MakeEdit(company_, "regCom", 50);
  repr_ = MakeEdit(company_, "repr", 255);
  ziuaLic_ = MakeEdit(company_, "ziuaLic", 2);
  ziuaLic_->setMaximumWidth(40);
  sameMonth_ = new QRadioButton(QStringLiteral("a aceleiasi luni"), company_);
  sameMonth_->setObjectName(QStringLiteral("sameMonth"));
  nextMonth_ = new QRadioButton(QStringLiteral("a lunii urmatoare"), company_);
  nextMonth_->setObjectName(QStringLiteral("nextMonth"));
  sameMonth_->setChecked(true);

  auto* form = new QFormLayout(company_);
  form->addRow(QStringLiteral("Denumire:"), denumire_);
  form->addRow(QStringLiteral("CUI / CNP:"), cf_);
  form->addRow(QStringLiteral("Reg. Com.:"), regCom_);
  form->addRow(QString(), new QLabel(QStringLiteral("(de forma: J40/1234/2003)"), company_));
  form->addRow(QStringLiteral("Reprezentant legal:"), repr_);
  form->addRow(new QLabel(QStringLiteral("Ziua lichidarii drepturilor salariale:"), company_));
  auto* day = new QHBoxLayout;
  day->addWidget(ziuaLic_);
  day->addWidget(sameMonth_);
  day->addWidget(nextMonth_);
  day->addStretch();
  form->addRow(day);
  company_->setMinimumWidth(380);
  return company_;
}

void CImportDialog::SetCompanyEnabled(bool enabled) {
  company_->setEnabled(enabled);
  save_->setEnabled(enabled);
}

void CImportDialog::SetBusy(Work work) {
  work_ = work;
  stopAsked_ = false;
  const bool idle = work == Work::kNone;
  controls_->setEnabled(idle);
  // The list too: a click on its header would re-sort the rows under the save.
  records_->setEnabled(idle);
  if (idle) progress_->setVisible(false);
}

void CImportDialog::reject() {
  if (work_ == Work::kNone) {
    QDialog::reject();
  } else if (work_ == Work::kSaving) {
    stopAsked_ = true;
  }
}

DbfProgress CImportDialog::ProgressReporter() {
  auto shown = std::make_shared<QElapsedTimer>();
  return [this, shown](int done, int total) {
    if (done == 0) {
      progress_->setRange(0, std::max(total, 1));
      progress_->setVisible(true);
    } else if (done != total && shown->isValid() && shown->elapsed() < kRefreshInterval) {
      return;
    }
    progress_->setValue(done);
    QCoreApplication::processEvents();
    shown->start();
  };
}

void CImportDialog::OpenFile() {
  const QString path = ChooseRememberedFile(prompter_, FolderKind::kImport,
                                            QStringLiteral("Fisier dbf  (*.dbf *.DBF)"));
  if (path.isEmpty()) return;
  SetCompanyEnabled(false);
  ImportFileResult result;
  {
    WaitCursor cursor;
    SetBusy(Work::kReading);
    result = ReadImportFile(path, layout_, records_->Model(), ProgressReporter());
    SetBusy(Work::kNone);
  }
  if (result.outcome == ImportFileResult::Outcome::kIgnored) return;
  if (result.outcome == ImportFileResult::Outcome::kRefused) {
    prompter_.Inform(result.message);
    return;
  }
  const auto found = FindImportCompany(client_, result.cf);
  if (!found) return;
  if (const Refusal refused = ImportCompanyRefusal(result, found->has_value(), records_->Model())) {
    prompter_.Inform(*refused);
    return;
  }
  cf_->setText(result.cf);
  cfChecked_ = result.cfChecked;
  ShowCompany(*found);
}

void CImportDialog::ShowCompany(const std::optional<CompanyRecord>& registered) {
  for (QLineEdit* edit : {denumire_, regCom_, repr_, ziuaLic_}) edit->clear();
  sameMonth_->setChecked(true);
  if (registered) {
    const CompanyRecord& company = *registered;
    denumire_->setText(company.denumire);
    regCom_->setText(company.regCom);
    repr_->setText(company.repr);
    ziuaLic_->setText(company.ziuaLic);
    (company.lunaLicUrmatoare ? nextMonth_ : sameMonth_)->setChecked(true);
  }
  SetCompanyEnabled(true);
  SetColumnKinds();
}

bool CImportDialog::CheckCompany() const {
  if (denumire_->text().trimmed().isEmpty()) {
    prompter_.Inform(QStringLiteral("Trebuie sa introduci denumirea societatii!"));
    return false;
  }
  const int day = ziuaLic_->text().trimmed().toInt();
  if (day < 1 || day > 31) {
    prompter_.Inform(QStringLiteral(
        "Ziua lichidarii drepturilor salariale este incorecta!\n\nTrebuie sa fie intre 1 si 31."));
    return false;
  }
  return true;
}

void CImportDialog::Save() {
  if (!CheckCompany()) return;
  CompanyRecord company;
  company.cf = cf_->text();
  company.denumire = denumire_->text().trimmed();
  company.regCom = regCom_->text().trimmed();
  company.repr = repr_->text().trimmed();
  company.ziuaLic = QString::number(ziuaLic_->text().trimmed().toInt());
  company.lunaLicUrmatoare = nextMonth_->isChecked();
  SaveEnd end = SaveEnd::kFailed;
  {
    WaitCursor cursor;
    SetBusy(Work::kSaving);
    // On a shared server the same checks as the company and insured forms' saves: no other
    // workstation adds the company or a person's active record while this file is saved.
    const NamedLock insured(client_, lock_names::kInsured);
    const bool companyReady = insured.Held() && [&] {
      const NamedLock code(client_, lock_names::kCompanyCode);
      return code.Held() && StillImportable() && EnsureImportCompany(client_, company);
    }();
    if (companyReady && PrepareSave()) {
      const GroupedFlushes flushes(client_);
      end = ProcessRecords();
    }
    SetBusy(Work::kNone);
  }
  // Whatever stopped the save, the rows it went through have their texts.
  reasons_->FitColumn();
  if (end == SaveEnd::kDone) prompter_.Inform(SavedMessage());
  if (end == SaveEnd::kStopped) prompter_.Inform(StoppedMessage(processed_, records_->RowCount()));
}

bool CImportDialog::StillImportable() const {
  if (cfChecked_) return true;
  // A company registered under a code that fails the check, when the file was opened: it is
  // not registered anew if it was deleted since.
  const auto found = FindImportCompany(client_, cf_->text());
  if (!found) return false;
  if (!found->has_value()) prompter_.Inform(BadFiscalCodeMessage());
  return found->has_value();
}

bool CImportDialog::StopConfirmed() {
  stopAsked_ = false;
  // The question is answered with the ordinary pointer, not the wait cursor of the save.
  QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
  const bool stop = prompter_.Ask(StopQuestion());
  QGuiApplication::restoreOverrideCursor();
  return stop;
}

// Records saved between two looks at the room left on the register's disk.
constexpr int kRecordsPerRoomCheck = 200;
// Records whose outcomes go to the window together, and move the progress bar once.
constexpr int kOutcomesPerPost = 50;

CImportDialog::SaveEnd CImportDialog::ProcessRecords() {
  ListModel& list = records_->Model();
  const int rows = list.RowCount();
  // Read here, on the window's thread that owns the list; the records go to the database
  // thread, where their statements run one after the other without a hand-over each.
  std::vector<ImportFields> records;
  records.reserve(static_cast<size_t>(rows));
  for (int row = 0; row < rows; ++row) records.push_back(RowFields(list, row));
  const DbfProgress progress = ProgressReporter();
  progress(0, rows);
  WindowThreadPrompter relay(prompter_);
  Prompter* const previous = client_.ReplacePrompter(&relay);
  SaveEnd end = SaveEnd::kFailed;
  QEventLoop saving;
  std::thread worker([&] {
    PreparedAhead prepared(records,
                           [this](const ImportFields& fields) { return PrepareRecord(fields); });
    end = OnDatabaseThread([&] { return SaveRecords(prepared, rows, relay); });
    QMetaObject::invokeMethod(&saving, &QEventLoop::quit, Qt::QueuedConnection);
  });
  // The window repaints, shows the rows' outcomes and takes the stop key meanwhile.
  saving.exec();
  worker.join();
  client_.ReplacePrompter(previous);
  return end;
}

// On the database thread: each record's statements, its outcome sent to the window.
CImportDialog::SaveEnd CImportDialog::SaveRecords(PreparedAhead& records, int rows,
                                                  Prompter& relay) {
  std::vector<ImportOutcome> outcomes;  // of the records from `first` on, not yet shown
  int first = 0;
  const auto post = [&] {
    if (outcomes.empty()) return;
    QMetaObject::invokeMethod(
        this, [this, first, outcomes] { ShowOutcomes(first, outcomes); }, Qt::QueuedConnection);
    first += static_cast<int>(outcomes.size());
    outcomes.clear();
  };
  SaveEnd end = SaveEnd::kDone;
  for (processed_ = 0; processed_ < rows; ++processed_) {
    // Between two records: the one before is whole, the next not begun.
    if (stopAsked_) {
      bool stop = false;
      post();
      WindowThreadPrompter::OnWindowThread([&] { stop = StopConfirmed(); });
      if (stop) {
        end = SaveEnd::kStopped;
        break;
      }
    }
    if (processed_ % kRecordsPerRoomCheck == 0) {
      // The server would wait for room inside the next statement, with no word to the user.
      const QStringList dataFolder{client_.EmbeddedDataDir()};
      if (const std::optional<SpaceShortage> shortage = FindSpaceShortage(dataFolder)) {
        post();
        relay.Inform(SpaceShortageText(*shortage));
        end = SaveEnd::kStopped;
        break;
      }
    }
    const ImportOutcome outcome = StoreRecord(records.At(processed_));
    if (outcome.kind == ImportOutcome::Kind::kFailed) {
      end = SaveEnd::kFailed;
      break;
    }
    outcomes.push_back(outcome);
    if (static_cast<int>(outcomes.size()) == kOutcomesPerPost) post();
  }
  post();
  return end;
}

void CImportDialog::ShowOutcomes(int first, const std::vector<ImportOutcome>& outcomes) {
  ListModel& list = records_->Model();
  const QString error = QLatin1String(kErrorColumn);
  int row = first;
  for (const ImportOutcome& outcome : outcomes) {
    list.SetCellText(row, error, outcome.text);
    const bool rejected = outcome.kind == ImportOutcome::Kind::kRejected;
    list.SetRowColor(row, rejected ? RejectedColor() : qRgb(0, 0, 0));
    ++row;
  }
  progress_->setValue(row);
}
