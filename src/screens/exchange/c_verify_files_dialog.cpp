#include "screens/exchange/c_verify_files_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "exchange/verify/verify_file.h"
#include "store/prompter.h"
#include "store/wait_cursor.h"
#include "ui/buttons.h"
#include "ui/c_list_view_ex.h"
#include "ui/progress_steps.h"
#include "ui/remembered_folders.h"

namespace {

struct VerifyButton {
  const char* caption;
  const char* name;
  VerifiedFile file;
};

QLabel* Caption(QWidget* parent, const QString& text) {
  auto* label = new QLabel(text, parent);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  return label;
}

}  // namespace

CVerifyFilesDialog::CVerifyFilesDialog(QWidget* owner, Prompter& prompter)
    : QDialog(owner), prompter_(prompter) {
  setWindowTitle(Title());
  records_ = new CListViewEx(this);
  records_->setObjectName(QStringLiteral("records"));
  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("progress"));
  progress_->setVisible(false);

  const auto add = [this](QVBoxLayout& side, const VerifyButton& button) {
    QPushButton* push = MakeButton(this, QLatin1String(button.caption), button.name);
    connect(push, &QPushButton::clicked, this, [this, file = button.file] { Verify(file); });
    side.addWidget(push);
  };
  auto* side = new QVBoxLayout;
  side->addWidget(Caption(this, QStringLiteral("Sanatate:")));
  add(*side, {"Verifica anexa A", "verifyA", VerifiedFile::kAnnexA});
  add(*side, {"Verifica anexa B", "verifyB", VerifiedFile::kAnnexB});
  add(*side, {"Verifica anexa C", "verifyC", VerifiedFile::kAnnexC});
  side->addSpacing(16);
  side->addWidget(Caption(this, QStringLiteral("Concedii medicale:")));
  add(*side, {"Verifica anexa 1", "verify1", VerifiedFile::kLeave1});
  add(*side, {"Verifica anexa 2", "verify2", VerifiedFile::kLeave2});
  side->addStretch();
  auto* exit = MakeButton(this, QStringLiteral("[ESC]   Iesire"), "exit");
  connect(exit, &QPushButton::clicked, this, &QDialog::reject);
  side->addWidget(exit);

  auto* note = new QLabel(
      QStringLiteral("ATENTIE: verificarea fisierelor se realizeaza conform standardelor CAS "
                     "Bucuresti"),
      this);
  note->setWordWrap(true);
  auto* body = new QHBoxLayout;
  body->addWidget(records_, 1);
  body->addLayout(side);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addWidget(progress_);
  layout->addWidget(note);
  resize(1100, 620);
}

void CVerifyFilesDialog::Verify(VerifiedFile file) {
  const QString path = ChooseRememberedFile(prompter_, FolderKind::kVerification, FileFilter());
  if (path.isEmpty() || !IsVerifiableName(path)) return;
  VerifyReport report;
  {
    WaitCursor cursor;
    ListModel& list = records_->Model();
    const DbfProgress progress = ProgressOn(*progress_);
    const QStringList names = ReadVerifiedFile(path, list, progress);
    report = VerifyTable(file, {names, list}, progress);
    ShowVerifyReport(report, list);
    progress_->setVisible(false);
  }
  prompter_.Inform(report.message);
}
