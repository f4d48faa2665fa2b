#include "screens/exchange/c_import_external_dialog.h"

#include "ui/c_list_view_ex.h"

CImportExternalDialog::CImportExternalDialog(QWidget* owner, CClient& client, Prompter& prompter)
    : CImportDialog(owner, client, prompter, ImportLayout::kExternal,
                    {Title(), QStringLiteral("Deschide fisier")}) {
  Build();
}

void CImportExternalDialog::SetColumnKinds() {
  for (const char* amount : {"SALARIU", "ASG_DAT", "ASG_VIR", "ANG_DAT", "ANG_VIR"}) {
    Records().SetColumnKind(QLatin1String(amount), QStringLiteral("5"));
  }
  Records().SetColumnKind(QStringLiteral("LA_LUNA"), QStringLiteral("2"));
}

bool CImportExternalDialog::PrepareSave() {
  rows_.emplace(FiscalCode());
  return rows_->Read(Client());
}

PreparedImport CImportExternalDialog::PrepareRecord(const ImportFields& fields) const {
  return PrepareExternalRecord(rows_->Cf(), fields);
}

ImportOutcome CImportExternalDialog::StoreRecord(const PreparedImport& record) {
  return StoreExternalRecord(Client(), *rows_, record);
}
