#pragma once

#include "ui/c_panel_dialog.h"

class QLabel;
class QProgressBar;
class QPushButton;

// The "Registru" panel of the main menu: a copy of the register into a chosen folder, where
// the daily copies go and the last one, and the restore of the register from a copy (checked
// here, done at the program's next start).
class CRegisterDialog : public CPanelDialog {
  Q_OBJECT

 public:
  CRegisterDialog(QWidget* owner, CClient* client, Prompter* prompter,
                  const QString& startDirectory);

  static QString Title() { return QStringLiteral("Registru: copii si restaurare"); }
  // The question before a restore is scheduled, for the copy's header.
  static QString RestoreQuestion(const QString& file, const QString& taken, int tables, qint64 rows,
                                 const QString& version);
  static QString ServerRestoreText(const QString& server);

 signals:
  // A restore is scheduled: the program ends and starts again to do it.
  void RestartRequested();

 private:
  void TakeCopyNow();
  void ChooseRestore();
  void ShowDailyCopies();
  void SetBusy(bool busy);
  void Step(double done);

  QString startDirectory_;
  QPushButton* copyButton_;
  QPushButton* restoreButton_;
  QLabel* dailyFolder_;
  QLabel* lastDaily_;
  QProgressBar* progress_;
};
