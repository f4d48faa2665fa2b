#pragma once

#include "screens/exchange/c_import_dialog.h"

class QComboBox;

// "Import de date din fisiere de raportare anterioare": the insured persons and amounts of
// an anexa 1A file handed in for an earlier month, under the house the user chooses.
class CImportPreviousDialog : public CImportDialog {
  Q_OBJECT

 public:
  CImportPreviousDialog(QWidget* owner, CClient& client, Prompter& prompter);

  static QString Title() {
    return QStringLiteral("Import de date din fisiere de raportare anterioare");
  }
  QComboBox& Houses() { return *houses_; }

 protected:
  void AddControls(QVBoxLayout& extra) override;
  void SetColumnKinds() override;
  bool PrepareSave() override;
  PreparedImport PrepareRecord(const ImportFields& fields) const override;
  ImportOutcome StoreRecord(const PreparedImport& record) override;

 private:
  QComboBox* houses_ = nullptr;
  QString cf_;     // of the company, kept for the save
  QString month_;  // of the amounts, from the first record
  QString cas_;
};
