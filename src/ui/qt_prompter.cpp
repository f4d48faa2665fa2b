#include "ui/qt_prompter.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "ui/c_saved_files_dialog.h"
#include "ui/modal.h"
#include "ui/placement.h"

namespace {

QMessageBox::Icon BoxIcon(Prompter::Icon icon) {
  switch (icon) {
    case Prompter::Icon::Information:
      return QMessageBox::Information;
    case Prompter::Icon::Question:
      return QMessageBox::Question;
    case Prompter::Icon::Error:
      return QMessageBox::Critical;
    case Prompter::Icon::Exclamation:
      break;
  }
  return QMessageBox::Warning;
}

}  // namespace

QWidget* QtPrompter::Owner() const {
  // Over the window that raised the box, so that it opens centred over it.
  return WindowToCentreOver(parent_.data());
}

void QtPrompter::ShowMessage(const QString& text, const QString& caption, Icon icon) {
  QMessageBox box(BoxIcon(icon), caption, text, QMessageBox::NoButton, Owner());
  box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  box.exec();
}

bool QtPrompter::AskQuestion(const QString& text, const QString& caption, Icon icon) {
  QMessageBox box(BoxIcon(icon), caption, text, QMessageBox::NoButton, Owner());
  QPushButton* yes = box.addButton(QStringLiteral("Da"), QMessageBox::YesRole);
  QPushButton* no = box.addButton(QStringLiteral("Nu"), QMessageBox::NoRole);
  box.setDefaultButton(yes);
  box.setEscapeButton(no);
  box.exec();
  return box.clickedButton() == yes;
}

QString QtPrompter::ChooseFile(const QString& filter, const QString& start) {
  return QFileDialog::getOpenFileName(Owner(), QStringLiteral("Deschide fisier"), start, filter);
}

QString QtPrompter::ChooseFolder(const QString& title, const QString& start) {
  return QFileDialog::getExistingDirectory(Owner(), title, start);
}

std::optional<QString> QtPrompter::AskPassword(const QString& text) {
  QInputDialog dialog(Owner());
  dialog.setWindowTitle(DefaultCaption());
  dialog.setLabelText(text);
  dialog.setTextEchoMode(QLineEdit::Password);
  dialog.setOkButtonText(QStringLiteral("OK"));
  dialog.setCancelButtonText(QStringLiteral("Renunta"));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue();
}

void QtPrompter::ConfirmSaved(const SaveConfirmation& confirmation) {
  CSavedFilesDialog dialog(Owner(), confirmation);
  RunModal(dialog);
}
