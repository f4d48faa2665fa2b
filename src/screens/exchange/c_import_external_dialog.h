#pragma once

#include <optional>

#include "screens/exchange/c_import_dialog.h"

// "Import de date din sursa externa": insured persons and their month's amounts from a file
// of the external-source layout; a person already active at the company is updated.
class CImportExternalDialog : public CImportDialog {
  Q_OBJECT

 public:
  CImportExternalDialog(QWidget* owner, CClient& client, Prompter& prompter);

  static QString Title() { return QStringLiteral("Import de date din sursa externa"); }

 protected:
  void SetColumnKinds() override;
  bool PrepareSave() override;
  PreparedImport PrepareRecord(const ImportFields& fields) const override;
  ImportOutcome StoreRecord(const PreparedImport& record) override;

 private:
  std::optional<ExternalImportRows> rows_;  // the company's rows, read at the start of a save
};
