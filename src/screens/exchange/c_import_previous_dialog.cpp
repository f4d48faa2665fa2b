#include "screens/exchange/c_import_previous_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "common/code_lists.h"
#include "ui/c_list_view_ex.h"

CImportPreviousDialog::CImportPreviousDialog(QWidget* owner, CClient& client, Prompter& prompter)
    : CImportDialog(owner, client, prompter, ImportLayout::kPrevious,
                    {Title(), QStringLiteral("Deschide fisier de tip anexa 1A")}) {
  Build();
}

void CImportPreviousDialog::AddControls(QVBoxLayout& extra) {
  houses_ = new QComboBox(this);
  houses_->setObjectName(QStringLiteral("houses"));
  for (int house = 0; house < kHouseCount; ++house) {
    houses_->addItem(HouseListText(house, HarghitaText::kHG));
  }
  houses_->setCurrentIndex(0);
  auto* row = new QFormLayout;
  row->addRow(QStringLiteral("Casa de asigurari:"), houses_);
  extra.addLayout(row);
}

void CImportPreviousDialog::SetColumnKinds() {
  for (const char* amount : {"SDL", "SVL"}) {
    Records().SetColumnKind(QLatin1String(amount), QStringLiteral("5"));
  }
  for (const char* date : {"ANG", "PL"}) {
    Records().SetColumnKind(QLatin1String(date), QStringLiteral("1"));
  }
}

bool CImportPreviousDialog::PrepareSave() {
  const ListModel& list = Records().Model();
  month_ = PreviousAmountsMonth(list.GetCellText(0, QStringLiteral("AN")),
                                list.GetCellText(0, QStringLiteral("LN")));
  cas_ = HouseCode(houses_->currentIndex(), HouseList::kRegister);
  cf_ = FiscalCode();
  return true;
}

PreparedImport CImportPreviousDialog::PrepareRecord(const ImportFields& fields) const {
  return PreparePreviousRecord(cf_, cas_, month_, fields);
}

ImportOutcome CImportPreviousDialog::StoreRecord(const PreparedImport& record) {
  return StorePreviousRecord(Client(), cf_, month_, record);
}
