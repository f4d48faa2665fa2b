#pragma once

#include <QDialog>

#include "store/save_confirmation.h"

class QLabel;

// The confirmation after a save: the folder, the files written there, what their check
// found, a button that opens the folder in the desktop's file manager and "Inchide", the
// default button, so that Enter closes it and the keyboard flow goes on.
class CSavedFilesDialog : public QDialog {
  Q_OBJECT

 public:
  CSavedFilesDialog(QWidget* parent, const SaveConfirmation& confirmation);

  static QString Title() { return QStringLiteral("Fisiere salvate"); }
  static QString OpenFailedText() {
    return QStringLiteral("Dosarul nu poate fi deschis: nu exista un program pentru dosare.");
  }

 private:
  void AddFiles(const QStringList& files);
  void AddCheck(const SaveConfirmation& confirmation);
  void OpenFolder();

  QString folder_;
  QLabel* openFailed_ = nullptr;
};
