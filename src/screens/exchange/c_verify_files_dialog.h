#pragma once

#include <QDialog>

#include "exchange/verify/verify_checks.h"

class CListViewEx;
class Prompter;
class QProgressBar;

// "Verifica fisiere de raportare generate de alta aplicatie": reporting files made by
// another program are read into the list and checked; faulty records turn red with the
// reason in "EROARE". Nothing is written anywhere.
class CVerifyFilesDialog : public QDialog {
  Q_OBJECT

 public:
  CVerifyFilesDialog(QWidget* owner, Prompter& prompter);

  static QString Title() {
    return QStringLiteral("Verifica fisiere de raportare generate de alta aplicatie");
  }
  static QString FileFilter() { return QStringLiteral("Fisier dbf  (*.dbf *.DBF)"); }

  CListViewEx& Records() { return *records_; }

 private:
  void Verify(VerifiedFile file);

  Prompter& prompter_;
  CListViewEx* records_ = nullptr;
  QProgressBar* progress_ = nullptr;
};
