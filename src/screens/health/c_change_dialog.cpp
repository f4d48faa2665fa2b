#include "screens/health/c_change_dialog.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "common/code_lists.h"
#include "common/number_texts.h"
#include "health/register/employment_forms.h"
#include "store/prompter.h"
#include "ui/c_current_company_label.h"
#include "ui/c_date_input.h"

namespace {

using Fields = CChangeDialog::Fields;

constexpr int kNameLength = 50;

const FieldTable<Fields>& ChangeFieldTable() {
  static const FieldTable<Fields> table{
      "asigurati",
      "asigurati",
      {""},
      {{"CNP", "cnp", "CNP:", &Fields::cnp},
       {"NUME", "nume", "Nume:", &Fields::nume, Typing::kAsTyped, 0, kNameLength},
       {"PRENUME", "prenume", "Prenume:", &Fields::prenume, Typing::kAsTyped, 0, kNameLength},
       {"INTRARE", "intrare", "Data angajarii:", &Fields::intrare}}};
  return table;
}

struct KindTexts {
  const char* title;
  Qt::Key key;
  const char* okCaption;
  const char* choiceCaption;
  const char* exitLine;
  const char* entryLine;
};

KindTexts TextsOf(ChangeKind kind) {
  if (kind == ChangeKind::kForm) {
    return {"Modifica forma de angajare",
            Qt::Key_F8,
            "Modifica",
            "Noua forma de angajare:",
            "- iesire din forma curenta de angajare",
            "- intrare in noua forma de angajare"};
  }
  return {"Schimba casa de asigurare",
          Qt::Key_F9,
          "Schimba",
          "Noua casa de asigurari:",
          "- iesire din casa curenta de asigurari",
          "- intrare in noua casa de asigurari"};
}

std::vector<ChangeChoice> ChoicesOf(ChangeKind kind, const InsuredRecord& record) {
  return kind == ChangeKind::kForm ? FormChoices(record.forma) : HouseChoices();
}

}  // namespace

CChangeDialog::CChangeDialog(QWidget* parent, CClient& client, Prompter& prompter, ChangeKind kind,
                             const QString& denumire, const InsuredRecord& record)
    : CRecordFormOf<ChangedRecord>(parent, Mode::kModify, QLatin1String(TextsOf(kind).title)),
      client_(client),
      prompter_(prompter),
      kind_(kind),
      record_(record),
      choices_(ChoicesOf(kind, record)),
      fields_(ChangeFieldTable()) {
  const KindTexts texts = TextsOf(kind);
  SetOkKey(texts.key, QLatin1String(texts.okCaption));
  BuildForm(denumire);
}

void CChangeDialog::BuildForm(const QString& denumire) {
  auto* company = new CCurrentCompanyLabel(this);
  company->ShowCompany(denumire);
  AddRow(AddGroup(), QStringLiteral("Societate curenta:"), *company);
  const int group = fields_.Build(*this).front();
  fields_.Show({record_.cnp, record_.nume, record_.prenume,
                static_cast<int>(LeadingInteger(record_.intrare))});
  for (int field = 0; field < 4; ++field) MakeReadOnly(fields_.Input(field));

  auto* form = new QLineEdit(EmploymentFormText(EmploymentFormIndex(record_.forma)), this);
  form->setObjectName(QStringLiteral("forma"));
  MakeReadOnly(*form);
  form->setMinimumWidth(form->fontMetrics().horizontalAdvance(EmploymentFormText(3)) + 16);
  auto* house = new QComboBox(this);
  house->setObjectName(QStringLiteral("cas"));
  for (const ChangeChoice& entry : HouseChoices()) house->addItem(entry.text);
  house->setCurrentIndex(HouseIndex(record_.cas, HouseList::kRegister));
  house->setEnabled(false);
  AddRow(group, QStringLiteral("Forma de angajare:"), *form);
  AddRow(group, QStringLiteral("CAS:"), *house);

  const int changeGroup = AddGroup();
  date_ = new CDateInput(QStringLiteral("data"), this);
  AddRow(changeGroup, QStringLiteral("In data:"), *date_);
  choice_ = new QComboBox(this);
  choice_->setObjectName(QStringLiteral("noua"));
  for (const ChangeChoice& entry : choices_) choice_->addItem(entry.text);
  choice_->setCurrentIndex(0);
  AddRow(changeGroup, QLatin1String(TextsOf(kind_).choiceCaption), *choice_);
  AddNotice(changeGroup);
  date_->setFocus();
}

void CChangeDialog::AddNotice(int group) {
  const KindTexts texts = TextsOf(kind_);
  auto* notice = new QVBoxLayout;
  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  notice->addWidget(line);
  for (const char* text :
       {"ATENTIE: vor fi generate automat 2 inregistrari:", texts.exitLine, texts.entryLine}) {
    notice->addWidget(new QLabel(QLatin1String(text), this));
  }
  AddRow(group, *notice);
}

std::optional<ChangedRecord> CChangeDialog::Save() {
  const int change = date_->Value();
  const int hiring = static_cast<int>(LeadingInteger(record_.intrare));
  if (const Refusal problem = ChangeDateProblem(kind_, hiring, change)) {
    prompter_.Inform(*problem);
    return std::nullopt;
  }
  const int chosen = choice_->currentIndex();
  if (chosen < 0 || chosen >= static_cast<int>(choices_.size())) return std::nullopt;
  InsuredRecord entry = record_;
  entry.intrare = QString::number(change);
  // The entry carries the stored codes it keeps, never codes read back from shown texts.
  if (kind_ == ChangeKind::kForm) {
    entry.forma = choices_[static_cast<size_t>(chosen)].code;
  } else {
    entry.cas = choices_[static_cast<size_t>(chosen)].code;
  }
  return WriteChange(client_, record_.index, ExitDateOf(change), entry);
}
