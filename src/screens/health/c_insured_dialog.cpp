#include "screens/health/c_insured_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

#include "common/code_lists.h"
#include "common/number_texts.h"
#include "health/register/employment_forms.h"
#include "health/register/insured_checks.h"
#include "health/register/insured_fields.h"
#include "health/register/insured_store.h"
#include "store/c_client.h"
#include "store/named_lock.h"
#include "store/prompter.h"
#include "store/transaction.h"
#include "ui/c_current_company_label.h"
#include "ui/c_date_input.h"

namespace {

QString TitleOf(CRecordForm::Mode mode) {
  return mode == CRecordForm::Mode::kAdd ? QStringLiteral("Adauga un asigurat")
                                         : QStringLiteral("Modifica un asigurat");
}

QComboBox* MakeChoice(QWidget& parent, const char* name, const QStringList& entries) {
  auto* choice = new QComboBox(&parent);
  choice->setObjectName(QLatin1String(name));
  choice->addItems(entries);
  return choice;
}

QStringList HouseEntries() {
  QStringList entries;
  for (int house = 0; house < kHouseCount; ++house) {
    entries.append(HouseListText(house, HarghitaText::kHR));
  }
  return entries;
}

QStringList FormEntries() {
  QStringList entries;
  for (int form = 0; form < kEmploymentFormCount; ++form) entries.append(EmploymentFormText(form));
  return entries;
}

}  // namespace

CInsuredDialog::CInsuredDialog(QWidget* parent, CClient& client, Prompter& prompter, Mode mode,
                               const QString& denumire, const QString& cf, int index)
    : CRecordFormOf<InsuredRecord>(parent, mode, TitleOf(mode)),
      client_(client),
      prompter_(prompter),
      cf_(cf),
      index_(index),
      fields_(InsuredFormFieldTable()) {
  BuildForm(denumire);
  if (mode == Mode::kModify) SetLoaded(Load());
}

void CInsuredDialog::BuildForm(const QString& denumire) {
  auto* company = new CCurrentCompanyLabel(this);
  company->ShowCompany(denumire);
  AddRow(AddGroup(), QStringLiteral("Societate curenta:"), *company);
  group_ = fields_.Build(*this).front();
  house_ = MakeChoice(*this, "cas", HouseEntries());
  form_ = MakeChoice(*this, "forma", FormEntries());
  AddRow(group_, QStringLiteral("CAS:"), *house_);
  AddRow(group_, QStringLiteral("Forma de angajare:"), *form_);
  fields_.Input(0).setFocus();
}

bool CInsuredDialog::Load() {
  const InsuredLoad load = LoadInsured(client_, index_);
  if (load.outcome == InsuredLoad::Outcome::kQueryFailed) return false;
  if (load.outcome == InsuredLoad::Outcome::kMissing) {
    prompter_.Inform(QStringLiteral("A survenit o eroare!"));
    return false;
  }
  const InsuredRecord& record = load.record;
  InsuredFields shown;
  shown.nume = record.nume;
  shown.prenume = record.prenume;
  shown.cnp = record.cnp;
  shown.hiring = static_cast<int>(LeadingInteger(record.intrare));
  fields_.Show(shown);
  // A code outside the list (old data) selects no house: the user must choose one.
  house_->setCurrentIndex(HouseIndex(record.cas, HouseList::kRegister));
  const int form = EmploymentFormIndex(record.forma);
  if (form >= 0) form_->setCurrentIndex(form);
  oldCnp_ = record.cnp;
  const int exit = static_cast<int>(LeadingInteger(record.iesire));
  if (IsCalendarDate(exit)) ShowLiquidation(exit);
  return true;
}

void CInsuredDialog::ShowLiquidation(int date) {
  liquidation_ = new CDateInput(QStringLiteral("iesire"), this);
  liquidation_->SetValue(date);
  AddRow(group_, QStringLiteral("Data lichidarii:"), *liquidation_);
  auto* hint = new QLabel(LiquidationHint(), this);
  hint->setObjectName(QStringLiteral("liquidationHint"));
  hint->setTextFormat(Qt::PlainText);  // "<Data lichidarii>" is text, not markup
  auto* row = new QHBoxLayout;
  row->addWidget(hint);
  AddRow(group_, *row);
}

InsuredFields CInsuredDialog::ReadFields() const {
  InsuredFields fields;
  fields_.Read(fields);
  fields.house = house_->currentIndex();
  fields.form = form_->currentIndex();
  fields.liquidated = liquidation_ != nullptr;
  if (liquidation_ != nullptr) fields.liquidation = liquidation_->Value();
  return fields;
}

std::optional<InsuredRecord> CInsuredDialog::Save() {
  const InsuredFields fields = ReadFields();
  if (const Refusal problem = InsuredFieldsProblem(fields)) {
    prompter_.Inform(*problem);
    return std::nullopt;
  }
  InsuredRecord record = RecordOf(fields, cf_);
  // The checks against the register and the write, on one workstation at a time.
  const NamedLock lock(client_, lock_names::kInsured);
  if (!lock.Held()) return std::nullopt;
  if (!PassesRegisterChecks(record, fields.hiring)) return std::nullopt;
  const bool modify = FormMode() == Mode::kModify;
  // On a server the record and the rows that follow its CNP are written whole or not at all.
  Transaction transaction(client_);
  if (!transaction.Begun()) return std::nullopt;
  if (!WriteInsured(client_, record, modify ? index_ : 0, fields.liquidated)) return std::nullopt;
  record.index = modify ? index_ : static_cast<int>(client_.LastInsertId());
  // The rows of a corrected CNP follow it only once the record holds it. A failed move
  // leaves the form open with the old CNP remembered (and on the embedded register the
  // record saved): confirming again finishes the move.
  if (modify && record.cnp != oldCnp_) {
    if (!MoveCnp(client_, oldCnp_, record.cnp)) return std::nullopt;
  }
  if (!transaction.Commit()) return std::nullopt;
  oldCnp_ = record.cnp;
  return record;
}

bool CInsuredDialog::PassesRegisterChecks(const InsuredRecord& record, int hiring) {
  const bool modify = FormMode() == Mode::kModify;
  // Only a record that stays active can clash with another active one: a liquidated record
  // stays correctable while the person has a newer active record.
  if (record.iesire == QLatin1String("0")) {
    const std::optional<bool> activeHere =
        ActiveHere(client_, cf_, record.cnp, modify ? index_ : 0);
    if (!activeHere) return false;
    if (*activeHere) {
      prompter_.Inform(QStringLiteral("CNP-ul introdus exista deja in societatea curenta!"));
      return false;
    }
  }
  if (!modify) {
    const std::optional<int> last = LastLiquidation(client_, cf_, record.cnp);
    if (!last) return false;
    if (const Refusal problem = RehireProblem(*last, hiring)) {
      prompter_.Inform(*problem);
      return false;
    }
  }
  const std::optional<OtherEmployment> other = ActiveElsewhere(client_, cf_, record.cnp);
  if (!other) return false;
  if (other->found && !prompter_.Ask(ActiveElsewhereQuestion(other->denumire, other->forma))) {
    return false;
  }
  const std::optional<DependantOf> dependant = DependantOfActive(client_, record.cnp);
  if (!dependant) return false;
  return !dependant->found ||
         prompter_.Ask(DependantQuestion(dependant->nume, dependant->prenume, dependant->denumire));
}
