#include "screens/register/c_register_dialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "store/c_client.h"
#include "store/copies/copy_reader.h"
#include "store/copies/copy_writer.h"
#include "store/copies/daily_copies.h"
#include "store/copies/scheduled_restore.h"
#include "store/prompter.h"
#include "store/server/server_config.h"
#include "ui/buttons.h"
#include "ui/remembered_folders.h"

namespace {

constexpr int kSteps = 1000;
const QString kCopyFilter = QStringLiteral("Copii ale registrului (*.sql.gz)");
const QString kCopyFailed = QStringLiteral("Copia registrului nu a fost scrisa: ");
const QString kScheduleFailed = QStringLiteral(
    "Restaurarea nu a putut fi programata: in dosarul programului nu se poate scrie.");

QLabel* MakeNote(QWidget* parent, const QString& text, const char* name = nullptr) {
  auto* note = new QLabel(text, parent);
  note->setWordWrap(true);
  note->setIndent(12);
  if (name != nullptr) note->setObjectName(QLatin1String(name));
  return note;
}

QString Shown(const QString& path) { return QDir::toNativeSeparators(path); }

}  // namespace

CRegisterDialog::CRegisterDialog(QWidget* owner, CClient* client, Prompter* prompter,
                                 const QString& startDirectory)
    : CPanelDialog(owner, client, prompter), startDirectory_(startDirectory) {
  setWindowTitle(Title());
  auto* copies = new QGroupBox(QStringLiteral("   Copii ale registrului   "), this);
  copyButton_ = MakeButton(copies, QStringLiteral("Fa o copie a registrului..."), "takeCopy");
  dailyFolder_ = MakeNote(copies, {}, "dailyFolder");
  lastDaily_ = MakeNote(copies, {}, "lastDaily");
  auto* copyLayout = new QVBoxLayout(copies);
  copyLayout->addWidget(copyButton_);
  copyLayout->addWidget(MakeNote(
      copies, QStringLiteral("intr-un dosar ales (un disc extern, un dosar din retea): un fisier "
                             "velka-asigurati_AAAA-LL-ZZ_HHMM.sql.gz cu tot registrul")));
  copyLayout->addSpacing(8);
  copyLayout->addWidget(dailyFolder_);
  copyLayout->addWidget(lastDaily_);

  auto* restore = new QGroupBox(QStringLiteral("   Restaurare   "), this);
  restoreButton_ =
      MakeButton(restore, QStringLiteral("Restaureaza registrul dintr-o copie..."), "restore");
  auto* restoreLayout = new QVBoxLayout(restore);
  restoreLayout->addWidget(restoreButton_);
  restoreLayout->addWidget(MakeNote(
      restore, QStringLiteral("registrul de acum este inlocuit in intregime cu cel din copie, la "
                              "repornirea programului; el se pastreaza ca o copie de siguranta")));

  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("progress"));
  progress_->setRange(0, kSteps);
  progress_->setVisible(false);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(copies);
  layout->addWidget(restore);
  layout->addWidget(progress_);
  layout->addStretch();
  setMinimumSize(420, 300);
  ShowDailyCopies();

  connect(copyButton_, &QPushButton::clicked, this, &CRegisterDialog::TakeCopyNow);
  connect(restoreButton_, &QPushButton::clicked, this, &CRegisterDialog::ChooseRestore);
}

QString CRegisterDialog::RestoreQuestion(const QString& file, const QString& taken, int tables,
                                         qint64 rows, const QString& version) {
  return QStringLiteral(
             "Registrul va fi inlocuit in intregime cu cel din copia\n%1\nfacuta la %2 (%3 "
             "tabele, %4 randuri, registrul versiunea %5).\n\nRegistrul de acum se pastreaza ca "
             "o copie de siguranta in dosarul copii, langa dosarul de date.\n\nRestaurarea se "
             "face la pornirea programului: programul se inchide acum, face restaurarea si se "
             "deschide din nou, cu registrul din copie.\n\nContinuati?")
      .arg(file, taken)
      .arg(tables)
      .arg(rows)
      .arg(version);
}

QString CRegisterDialog::ServerRestoreText(const QString& server) {
  return QStringLiteral(
             "Registrul este pe serverul %1, folosit si de alte calculatoare. Restaurarea o face "
             "administratorul bazelor de date, cu comanda velka-asigurati restaureaza COPIE, "
             "numai pe un server fara registru (manualul: \"Copii ale registrului si "
             "restaurarea\").")
      .arg(server);
}

void CRegisterDialog::ShowDailyCopies() {
  QString dataDir = Client() != nullptr ? Client()->EmbeddedDataDir() : QString();
  if (dataDir.isEmpty()) dataDir = StartDataDir(startDirectory_);
  if (dataDir.isEmpty()) dataDir = QDir(startDirectory_).absoluteFilePath(QStringLiteral("data"));
  const DailyCopiesPlace place = DailyCopiesFolder(startDirectory_, dataDir);
  dailyFolder_->setText(QStringLiteral("Copia zilnica, la prima iesire din program in fiecare "
                                       "zi, se scrie in %1")
                            .arg(Shown(place.folder)));
  std::optional<QDateTime> last;
  for (const QString& name : QDir(place.folder).entryList(QDir::Files)) {
    const std::optional<QDateTime> time = CopyFileTime(name);
    if (time && (!last || *time > *last)) last = time;
  }
  lastDaily_->setText(last ? QStringLiteral("Ultima copie zilnica: %1")
                                 .arg(last->toString(QStringLiteral("yyyy-MM-dd HH:mm")))
                           : QStringLiteral("Nu exista inca o copie zilnica."));
}

void CRegisterDialog::SetBusy(bool busy) {
  copyButton_->setEnabled(!busy);
  restoreButton_->setEnabled(!busy);
  progress_->setValue(0);
  progress_->setVisible(busy);
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void CRegisterDialog::Step(double done) {
  const int value = static_cast<int>(std::lround(std::clamp(done, 0.0, 1.0) * kSteps));
  if (value == progress_->value()) return;
  progress_->setValue(value);
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void CRegisterDialog::TakeCopyNow() {
  const QString folder = GetPrompter()->ChooseFolder(
      QStringLiteral("Alegeti dosarul in care se scrie copia registrului"),
      StartFolder(FolderKind::kCopies));
  if (folder.isEmpty()) return;
  RememberFolder(FolderKind::kCopies, folder);
  SetBusy(true);
  const auto taken = TakeCopy(*Client(), folder, CopyProgramName(Client()->Version()),
                              [this](qint64 done, qint64 total) {
                                Step(total > 0 ? static_cast<double>(done) / total : 1.0);
                              });
  SetBusy(false);
  if (const auto* failed = std::get_if<QString>(&taken)) {
    GetPrompter()->Inform(kCopyFailed + *failed);
    return;
  }
  GetPrompter()->Inform(TakenCopyText(std::get<TakenCopy>(taken)), Prompter::DefaultCaption(),
                        Prompter::Icon::Information);
  ShowDailyCopies();
}

void CRegisterDialog::ChooseRestore() {
  if (Client() != nullptr && Client()->OnServer()) {
    GetPrompter()->Inform(ServerRestoreText(Client()->ServerName()));
    return;
  }
  const QString file = ChooseRememberedFile(*GetPrompter(), FolderKind::kCopies, kCopyFilter);
  if (file.isEmpty()) return;
  // The whole file is read and checked now, so a copy that cannot be used is refused before
  // the program closes for it.
  SetBusy(true);
  const auto checked = CheckCopy(file, [this](double done) { Step(done); });
  SetBusy(false);
  if (const auto* refused = std::get_if<CopyRefusal>(&checked)) {
    GetPrompter()->Inform(refused->text);
    return;
  }
  const CopyHeader& header = std::get<CheckedCopy>(checked).header;
  if (!GetPrompter()->Ask(RestoreQuestion(Shown(QFileInfo(file).absoluteFilePath()), header.taken,
                                          static_cast<int>(header.tables.size()),
                                          header.TotalRows(), header.registerVersion))) {
    return;
  }
  if (!ScheduleRestore(startDirectory_, QFileInfo(file).absoluteFilePath())) {
    GetPrompter()->Inform(kScheduleFailed);
    return;
  }
  emit RestartRequested();
}
