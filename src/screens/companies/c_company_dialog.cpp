#include "screens/companies/c_company_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <map>
#include <vector>

#include "common/code_lists.h"
#include "companies/company_checks.h"
#include "companies/company_fields.h"
#include "companies/company_store.h"
#include "store/c_client.h"
#include "store/named_lock.h"
#include "store/prompter.h"
#include "ui/c_edit_ex.h"
#include "ui/typing_rules.h"

std::optional<CompanyRecord> CCompanyDialog::Add(QWidget* parent, CClient& client,
                                                 Prompter& prompter) {
  CCompanyDialog form(parent, client, prompter, Mode::kAdd);
  return form.Run();
}

std::optional<CompanyRecord> CCompanyDialog::Modify(QWidget* parent, CClient& client,
                                                    Prompter& prompter, int index) {
  CCompanyDialog form(parent, client, prompter, Mode::kModify, index);
  return form.Run();
}

CCompanyDialog::CCompanyDialog(QWidget* parent, CClient& client, Prompter& prompter, Mode mode,
                               int index)
    : CRecordFormOf<CompanyRecord>(parent, mode,
                                   mode == Mode::kAdd ? QStringLiteral("Adauga societate")
                                                      : QStringLiteral("Modifica societate")),
      client_(client),
      prompter_(prompter),
      fields_(CompanyFieldTable()),
      index_(mode == Mode::kModify ? index : 0) {
  BuildOwnFields(fields_.Build(*this));
  CompanyRecord company;
  if (mode == Mode::kModify) {
    const std::optional<CompanyRecord> loaded = LoadCompany(client_, index_);
    SetLoaded(loaded.has_value());
    if (loaded) company = *loaded;
    oldCf_ = company.cf;
  }
  ShowRecord(company);
  fields_.Input(0).setFocus();
}

namespace {

// Tab goes down the screen: each group's table fields, then the rows the form adds under
// them, then the buttons.
void OrderTabs(QWidget& form, const std::map<int, std::vector<QWidget*>>& ownRows) {
  std::vector<QWidget*> order;
  const auto addOwnRows = [&](int group) {
    const auto rows = ownRows.find(group);
    if (rows != ownRows.end()) order.insert(order.end(), rows->second.begin(), rows->second.end());
  };
  int group = -1;
  for (const FieldDef<CompanyRecord>& field : CompanyFieldTable().fields) {
    if (field.use == FieldUse::kRowOnly) continue;
    if (field.group != group) addOwnRows(group);
    group = field.group;
    order.push_back(form.findChild<QWidget*>(QLatin1String(field.objectName)));
  }
  addOwnRows(group);
  for (const char* button : {"ok", "cancel"}) {
    order.push_back(form.findChild<QWidget*>(QLatin1String(button)));
  }
  for (size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace

void CCompanyDialog::BuildOwnFields(const std::vector<int>& groups) {
  sameMonth_ = new QRadioButton(QStringLiteral("a aceleiasi luni"), this);
  sameMonth_->setObjectName(QStringLiteral("luna_lic_0"));
  nextMonth_ = new QRadioButton(QStringLiteral("a lunii urmatoare"), this);
  nextMonth_->setObjectName(QStringLiteral("luna_lic_1"));
  auto* payMonth = new QHBoxLayout;
  payMonth->addWidget(sameMonth_);
  payMonth->addWidget(nextMonth_);
  payMonth->addStretch();
  AddRow(groups[kCompanyGroup], *payMonth);

  judet_ = new QComboBox(this);
  judet_->setObjectName(QStringLiteral("jud"));
  for (int position = 0; position < kCountyCount; ++position) {
    judet_->addItem(CountyChoiceText(position));
  }
  AddRow(groups[kAddressGroup], QStringLiteral("Judet:"), *judet_);
  sect_ = qobject_cast<CEditEx*>(CreateInput(*this, FieldKind::kText, "sect", 1, Typing::kDigits));
  AddRow(groups[kAddressGroup], QStringLiteral("Sector:"), *sect_);
  connect(judet_, &QComboBox::currentIndexChanged, this, &CCompanyDialog::OnCountyChosen);
  OrderTabs(*this, {{kCompanyGroup, {sameMonth_, nextMonth_}}, {kAddressGroup, {judet_, sect_}}});
}

void CCompanyDialog::OnCountyChosen(int position) {
  sect_->setEnabled(position == kBucharestCounty);
}

void CCompanyDialog::ShowRecord(const CompanyRecord& company) {
  fields_.Show(company);
  (company.lunaLicUrmatoare ? nextMonth_ : sameMonth_)->setChecked(true);
  judet_->setCurrentIndex(company.judet);
  OnCountyChosen(company.judet);
  sect_->setText(company.sect);
}

CompanyRecord CCompanyDialog::ReadRecord() const {
  CompanyRecord company;
  company.index = index_;
  fields_.Read(company);
  company.lunaLicUrmatoare = nextMonth_->isChecked();
  company.judet = judet_->currentIndex();
  company.sect = sect_->text();
  return company;
}

std::optional<CompanyRecord> CCompanyDialog::Save() {
  CompanyRecord company = ReadRecord();
  if (const Refusal problem = CompanyFieldsProblem(company)) {
    prompter_.Inform(*problem);
    return std::nullopt;
  }
  // Another workstation saving the same fiscal code waits here and then meets this one.
  const NamedLock lock(client_, lock_names::kCompanyCode);
  if (!lock.Held()) return std::nullopt;
  const std::optional<bool> taken = FiscalCodeTaken(client_, company.cf, index_);
  if (!taken) return std::nullopt;
  if (*taken) {
    prompter_.Inform(
        QStringLiteral("CUI-ul/CNP-ul introdus exista deja inregistrat un baza de date!"));
    return std::nullopt;
  }
  if (!WriteCompany(client_, company)) return std::nullopt;
  if (FormMode() == Mode::kAdd) {
    index_ = static_cast<int>(client_.LastInsertId());
    company.index = index_;
    return company;
  }
  // Until the move has gone through every table the old code is kept, so that confirming
  // again after a failure finishes the move.
  if (company.cf != oldCf_) {
    if (!MoveFiscalCode(client_, oldCf_, company.cf)) return std::nullopt;
    oldCf_ = company.cf;
  }
  return company;
}
