#include "screens/health/c_coinsured_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "common/number_texts.h"
#include "health/register/coinsured_checks.h"
#include "health/register/coinsured_store.h"
#include "health/register/employment_forms.h"
#include "health/register/insured_store.h"
#include "store/c_client.h"
#include "store/prompter.h"
#include "ui/c_current_company_label.h"
#include "ui/c_edit_ex.h"

namespace {

using InsuredFields = CCoinsuredDialog::InsuredFields;
using DependantFields = CCoinsuredDialog::DependantFields;

// Names are kept to 50 characters, narrower than their columns.
constexpr int kNameLength = 50;
enum { kCnp, kNume, kPrenume, kIntrare };

const FieldTable<InsuredFields>& InsuredFieldTable() {
  static const FieldTable<InsuredFields> table{
      "asigurati",
      "asigurati",
      {"   Asigurat   "},
      {{"CNP", "asigurat_cnp", "CNP-ul asiguratului:", &InsuredFields::cnp, Typing::kDigits},
       {"NUME", "asigurat_nume", "Numele asiguratului:", &InsuredFields::nume, Typing::kUpper, 0,
        kNameLength},
       {"PRENUME", "asigurat_prenume", "Prenumele asiguratului:", &InsuredFields::prenume,
        Typing::kUpper, 0, kNameLength},
       {"INTRARE", "asigurat_intrare", "Data angajarii:", &InsuredFields::intrare}}};
  return table;
}

const FieldTable<DependantFields>& DependantFieldTable() {
  static const FieldTable<DependantFields> table{
      "asigurati",
      "coasigurati",
      {""},
      {{"CNP", "cnp", "CNP-ul coasiguratului:", &DependantFields::cnp, Typing::kDigits},
       {"NUME", "nume", "Numele coasiguratului:", &DependantFields::nume, Typing::kUpper, 0,
        kNameLength},
       {"PRENUME", "prenume", "Prenumele coasiguratului:", &DependantFields::prenume,
        Typing::kUpper, 0, kNameLength}}};
  return table;
}

QString TitleOf(CRecordForm::Mode mode) {
  // The modify title is the register's own, as the insured form's.
  return mode == CRecordForm::Mode::kAdd ? QStringLiteral("Adauga un coasigurat")
                                         : QStringLiteral("Modifica un asigurat");
}

}  // namespace

CCoinsuredDialog::CCoinsuredDialog(QWidget* parent, CClient& client, Prompter& prompter, Mode mode,
                                   const QString& denumire, const QString& cf,
                                   const std::optional<InsuredRecord>& insured,
                                   const DependantRecord& dependant)
    : CRecordFormOf<DependantRecord>(parent, mode, TitleOf(mode)),
      client_(client),
      prompter_(prompter),
      cf_(cf),
      given_(insured.has_value()),
      index_(dependant.index),
      insuredFields_(InsuredFieldTable()),
      dependantFields_(DependantFieldTable()) {
  BuildForm(denumire);
  if (insured) {
    ShowInsured(*insured);
    for (int field : {kCnp, kNume, kPrenume}) MakeReadOnly(insuredFields_.Input(field));
  }
  if (mode == Mode::kModify) {
    dependantFields_.Show({dependant.cnp, dependant.nume, dependant.prenume});
    tip_->setCurrentIndex(TipPosition(dependant.tip));
  }
  for (int field : {kByCnp, kByNume, kByPrenume}) {
    const auto which = static_cast<SearchField>(field);
    connect(search_[static_cast<size_t>(field)], &QLineEdit::textChanged, this,
            [this, which](const QString& text) { OnInsuredTyped(which, text); });
  }
}

void CCoinsuredDialog::BuildForm(const QString& denumire) {
  auto* company = new CCurrentCompanyLabel(this);
  company->ShowCompany(denumire);
  AddRow(AddGroup(), QStringLiteral("Societate curenta:"), *company);
  const int insuredGroup = insuredFields_.Build(*this).front();
  for (int field : {kCnp, kNume, kPrenume}) {
    search_[static_cast<size_t>(field)] = qobject_cast<CEditEx*>(&insuredFields_.Input(field));
  }
  MakeReadOnly(insuredFields_.Input(kIntrare));
  form_ = new QLineEdit(this);
  form_->setObjectName(QStringLiteral("asigurat_forma"));
  MakeReadOnly(*form_);
  form_->setMinimumWidth(form_->fontMetrics().horizontalAdvance(EmploymentFormText(3)) + 16);
  AddRow(insuredGroup, QStringLiteral("Forma de angajare:"), *form_);

  const int group = dependantFields_.Build(*this).front();
  tip_ = new QComboBox(this);
  tip_->setObjectName(QStringLiteral("tip"));
  for (const char* entry : kDependantTypes) tip_->addItem(QLatin1String(entry));
  AddRow(group, QStringLiteral("Tipul coasiguratului:"), *tip_);
  auto* footnote = new QLabel(Footnote(), this);
  footnote->setObjectName(QStringLiteral("footnote"));
  auto* row = new QHBoxLayout;
  row->addWidget(footnote);
  AddRow(group, *row);
  insuredFields_.Input(kCnp).setFocus();
}

void CCoinsuredDialog::ShowInsured(const InsuredRecord& record) {
  filling_ = true;
  insuredFields_.Show(
      {record.cnp, record.nume, record.prenume, static_cast<int>(LeadingInteger(record.intrare))});
  form_->setText(EmploymentFormText(EmploymentFormIndex(record.forma)));
  filling_ = false;
  searched_ = {record.cnp, record.nume, record.prenume};
}

void CCoinsuredDialog::EmptyAround(SearchField field) {
  // Typing in the CNP empties the names; typing in the surname empties the CNP and the given
  // names; typing in the given names keeps the surname the search goes by.
  filling_ = true;
  if (field != kByCnp) search_[kByCnp]->clear();
  if (field == kByCnp) search_[kByNume]->clear();
  if (field != kByPrenume) search_[kByPrenume]->clear();
  ShowDate(insuredFields_.Input(kIntrare), 0);
  form_->clear();
  filling_ = false;
}

void CCoinsuredDialog::OnInsuredTyped(SearchField field, const QString& text) {
  if (filling_ || given_) return;
  CEditEx& edit = *search_[static_cast<size_t>(field)];
  const bool deleting = edit.LastKeyWasDelete();
  // A completed letter typed over itself leaves the same text: the person stays shown.
  if (!deleting && text == searched_[static_cast<size_t>(field)]) return;
  EmptyAround(field);
  if (deleting) {
    searched_[static_cast<size_t>(field)] = text;
    return;
  }
  if (text.isEmpty()) return;
  const std::optional<InsuredRecord> found =
      field == kByCnp
          ? FindActiveByPrefix(client_, cf_, text)
          : FindActiveByNames(client_, cf_, search_[kByNume]->text(), search_[kByPrenume]->text());
  if (!found) return;
  ShowInsured(*found);
  // The completed characters stay selected: typing on replaces them.
  const auto typed = static_cast<int>(text.size());
  edit.setSelection(typed, static_cast<int>(edit.text().size()) - typed);
}

void CCoinsuredDialog::showEvent(QShowEvent* event) {
  CRecordFormOf<DependantRecord>::showEvent(event);
  if (shown_ || !given_) return;
  shown_ = true;
  // Once the form is on screen the dependant's CNP comes first, ready to be typed over.
  QTimer::singleShot(10, this, &CCoinsuredDialog::FocusDependantCnp);
}

void CCoinsuredDialog::FocusDependantCnp() {
  auto& cnp = dependantFields_.Input(kCnp);
  cnp.setFocus();
  if (auto* edit = qobject_cast<QLineEdit*>(&cnp)) edit->selectAll();
}

std::optional<DependantRecord> CCoinsuredDialog::Save() {
  InsuredFields insured;
  insuredFields_.Read(insured);
  const std::optional<bool> active = InsuredActiveHere(client_, cf_, insured.cnp);
  if (!active) return std::nullopt;
  if (!*active) {
    prompter_.Inform(
        QStringLiteral("Trebuie sa introduci un asigurat care exista in societatea curenta!"));
    return std::nullopt;
  }
  DependantFields fields;
  dependantFields_.Read(fields);
  if (const Refusal problem = DependantFieldsProblem(fields.cnp, fields.nume, fields.prenume)) {
    prompter_.Inform(*problem);
    return std::nullopt;
  }
  DependantRecord record{FormMode() == Mode::kModify ? index_ : 0,
                         cf_,
                         insured.cnp,
                         fields.cnp,
                         fields.nume,
                         fields.prenume,
                         TipOf(tip_->currentIndex())};
  if (!PassesRegisterChecks(record) || !WriteDependant(client_, record)) return std::nullopt;
  if (record.index == 0) record.index = static_cast<int>(client_.LastInsertId());
  return record;
}

bool CCoinsuredDialog::PassesRegisterChecks(const DependantRecord& record) {
  const std::optional<DependantTaken> taken = DependantTakenBy(client_, record.cnp, record.index);
  if (!taken) return false;
  if (taken->found) {
    prompter_.Inform(DependantTakenMessage(taken->nume, taken->prenume, taken->denumire));
    return false;
  }
  const std::optional<InsuredSomewhere> somewhere = DependantInsuredSomewhere(client_, record.cnp);
  if (!somewhere) return false;
  return !somewhere->found || prompter_.Ask(DependantInsuredQuestion(somewhere->denumire));
}
