#include "screens/health/c_liquidate_dialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

#include "common/code_lists.h"
#include "common/number_texts.h"
#include "health/register/employment_forms.h"
#include "health/register/insured_checks.h"
#include "health/register/insured_store.h"
#include "store/c_client.h"
#include "store/prompter.h"
#include "ui/c_current_company_label.h"
#include "ui/c_date_input.h"
#include "ui/c_edit_ex.h"

namespace {

using Fields = CLiquidateDialog::Fields;

// Names are shown in at most 50 characters, as the insured form keeps them.
constexpr int kNameLength = 50;
// The position of the fields in the table below.
enum { kCnp, kNume, kPrenume, kIntrare };

const FieldTable<Fields>& LiquidationFieldTable() {
  static const FieldTable<Fields> table{
      "asigurati",
      "asigurati",
      {""},
      {{"CNP", "cnp", "CNP:", &Fields::cnp, Typing::kDigits},
       {"NUME", "nume", "Nume:", &Fields::nume, Typing::kAsTyped, 0, kNameLength},
       {"PRENUME", "prenume", "Prenume:", &Fields::prenume, Typing::kAsTyped, 0, kNameLength},
       {"INTRARE", "intrare", "Data angajarii:", &Fields::intrare}}};
  return table;
}

ChosenPerson PersonOf(const InsuredRecord& record) {
  return {record.cnp,
          record.nume,
          record.prenume,
          EmploymentFormText(EmploymentFormIndex(record.forma)),
          static_cast<int>(LeadingInteger(record.intrare)),
          record.cas};
}

}  // namespace

CLiquidateDialog::CLiquidateDialog(QWidget* parent, CClient& client, Prompter& prompter,
                                   const QString& denumire, const QString& cf,
                                   const std::optional<ChosenPerson>& chosen)
    : CRecordFormOf<int>(parent, Mode::kModify, QStringLiteral("Lichideaza un asigurat")),
      client_(client),
      prompter_(prompter),
      cf_(cf),
      chosen_(chosen.has_value()),
      fields_(LiquidationFieldTable()) {
  SetOkKey(Qt::Key_F6, QStringLiteral("Lichideaza"));
  BuildForm(denumire);
  if (chosen) {
    searched_ = chosen->cnp;
    filling_ = true;
    cnp_->setText(chosen->cnp);
    filling_ = false;
    ShowPerson(*chosen);
  }
  connect(cnp_, &QLineEdit::textChanged, this, &CLiquidateDialog::OnCnpChanged);
}

void CLiquidateDialog::BuildForm(const QString& denumire) {
  auto* company = new CCurrentCompanyLabel(this);
  company->ShowCompany(denumire);
  AddRow(AddGroup(), QStringLiteral("Societate curenta:"), *company);
  const int group = fields_.Build(*this).front();
  cnp_ = qobject_cast<CEditEx*>(&fields_.Input(kCnp));
  for (int field : {kNume, kPrenume, kIntrare}) MakeReadOnly(fields_.Input(field));

  house_ = new QComboBox(this);
  house_->setObjectName(QStringLiteral("cas"));
  for (int house = 0; house < kHouseCount; ++house) {
    house_->addItem(HouseListText(house, HarghitaText::kHG));
  }
  house_->setCurrentIndex(-1);
  house_->setEnabled(false);
  form_ = new QLineEdit(this);
  form_->setObjectName(QStringLiteral("forma"));
  MakeReadOnly(*form_);
  form_->setMinimumWidth(form_->fontMetrics().horizontalAdvance(EmploymentFormText(3)) + 16);
  liquidation_ = new CDateInput(QStringLiteral("iesire"), this);
  AddRow(group, QStringLiteral("Forma de angajare:"), *form_);
  AddRow(group, QStringLiteral("CAS:"), *house_);
  AddRow(group, QStringLiteral("Data lichidarii:"), *liquidation_);
  cnp_->setFocus();
}

void CLiquidateDialog::ShowPerson(const ChosenPerson& person) {
  // The CNP and the liquidation date are the user's: only the person's fields change.
  ShowText(fields_.Input(kNume), person.nume);
  ShowText(fields_.Input(kPrenume), person.prenume);
  ShowDate(fields_.Input(kIntrare), person.intrare);
  form_->setText(person.formText);
  house_->setCurrentIndex(HouseIndex(person.cas, HouseList::kRegister));
}

void CLiquidateDialog::OnCnpChanged(const QString& text) {
  if (filling_) return;
  const bool deleting = cnp_->LastKeyWasDelete();
  // A completed digit typed over itself leaves the same CNP: its person stays shown.
  if (!deleting && text == searched_) return;
  ShowPerson({});
  // While the user deletes, the completion must not come back.
  if (deleting) {
    searched_ = text;
    return;
  }
  if (text.isEmpty()) return;
  const std::optional<InsuredRecord> found = FindActiveByPrefix(client_, cf_, text);
  if (!found) return;
  searched_ = found->cnp;
  filling_ = true;
  cnp_->setText(found->cnp);
  // The completed digits stay selected: typing on replaces them.
  cnp_->setSelection(static_cast<int>(text.size()),
                     static_cast<int>(found->cnp.size() - text.size()));
  filling_ = false;
  ShowPerson(PersonOf(*found));
}

void CLiquidateDialog::showEvent(QShowEvent* event) {
  CRecordFormOf<int>::showEvent(event);
  if (shown_ || !chosen_) return;
  shown_ = true;
  // Once the form is on screen: the CNP of a chosen person is fixed, the date comes next.
  QTimer::singleShot(10, this, &CLiquidateDialog::FixChosenPerson);
}

void CLiquidateDialog::FixChosenPerson() {
  cnp_->setReadOnly(true);
  liquidation_->setFocus();
}

std::optional<int> CLiquidateDialog::Save() {
  const QString cnp = cnp_->text();
  if (const Refusal problem = LiquidationCnpProblem(cnp)) {
    prompter_.Inform(*problem);
    return std::nullopt;
  }
  const std::optional<ActiveRecords> active = ActiveRecordsOf(client_, cf_, cnp);
  if (!active) return std::nullopt;
  if (active->count == 0) {
    prompter_.Inform(QStringLiteral("CNP-ul introdus nu exista la societatea curenta!"));
    return std::nullopt;
  }
  const int date = liquidation_->Value();
  Refusal problem = LiquidationDateProblem(date);
  // The stored hiring date, not the fields a search may have emptied; with several active
  // records (older data) the latest, since all of them end.
  if (!problem) problem = LiquidationOrderProblem(active->latestHiring, date);
  if (problem) {
    prompter_.Inform(*problem);
    return std::nullopt;
  }
  if (!Liquidate(client_, cf_, cnp, date)) return std::nullopt;
  return date;
}
