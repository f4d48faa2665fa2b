#include "screens/leave/c_leave_certificate_dialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOption>
#include <algorithm>

#include "common/code_lists.h"
#include "leave/certificates/certificate_fields.h"
#include "leave/certificates/emergency_lists.h"
#include "screens/leave/c_code_list_dialog.h"
#include "store/named_lock.h"
#include "store/prompter.h"
#include "ui/c_edit_ex.h"
#include "ui/record_fields.h"

namespace {

using Values = CertificateValues;

// The typed fields in screen order: those of the certificate's table with an input; a field
// marked `beside` stands on its predecessor's row.
const std::vector<const FieldDef<Values>*>& FormFields() {
  static const std::vector<const FieldDef<Values>*> fields = [] {
    std::vector<const FieldDef<Values>*> typed;
    for (const FieldDef<Values>& field : CertificateFieldTable().fields) {
      if (field.use == FieldUse::kForm) typed.push_back(&field);
    }
    return typed;
  }();
  return fields;
}

QString Values::*MemberOf(const FieldDef<Values>& field) {
  return std::get<QString Values::*>(field.member);
}

// The column's width, or the field's own limit where it is narrower or the column numeric.
int LengthOf(const FieldDef<Values>& field) {
  const FieldTable<Values>& table = CertificateFieldTable();
  return FieldLength(table.database, table.table, field.column, field.limit);
}

constexpr int kIndemnityShownCharacters = 50;

const char* const kIndemnities[] = {
    "1 - Boala obisnuita",
    "2 - Accident in timpul deplasarii la/de la locul de munca",
    "3 - Accident de munca",
    "4 - Boala profesionala",
    "5 - Boala infectocontagioasa din grupa A",
    "6 - Urgenta medico-chirurgicala",
    "7 - Carantina",
    "8 - Sarcina si lehuzie",
    "9 - Ingrijirea copilului bolnav in varsta de pana la 7 ani sau copilul cu handicap, pentru "
    "afectiuni intercurente, pana la implinirea varstei de 18 ani",
    "10 - Reducerea cu 1/4 a duratei normale de lucru",
    "11 - Trecerea temporara in alta munca",
    "12 - Tuberculoza",
    "13 - Boala cardiovasculara",
    "14 - Cancer, HIV, SIDA",
    "15 - Risc maternal",
};

const char* const kRectificationTypes[] = {
    "A - adaugarea unui concediu nou",
    "M - modificarea unui concediu deja raportat",
    "S - stergerea unui concediu deja raportat",
};
const QString kRectificationCodes = QStringLiteral("AMS");

QComboBox* NewList(QWidget& form, const char* objectName) {
  auto* list = new QComboBox(&form);
  list->setObjectName(QLatin1String(objectName));
  return list;
}

// A closed list as wide as its longest entry and two characters more, so that no entry is
// cut where the desktop's font draws a little wider than measured.
void FitLongestEntry(QComboBox& list) {
  const QFontMetrics metrics = list.fontMetrics();
  int widest = 0;
  for (int entry = 0; entry < list.count(); ++entry) {
    widest = std::max(widest, metrics.horizontalAdvance(list.itemText(entry)));
  }
  QStyleOptionComboBox option;
  option.initFrom(&list);
  const QSize text(widest + 2 * metrics.averageCharWidth(), metrics.height());
  list.setMinimumWidth(
      list.style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, &list).width());
}

size_t FieldPosition(QString Values::*member) {
  for (size_t field = 0; field < FormFields().size(); ++field) {
    if (MemberOf(*FormFields()[field]) == member) return field;
  }
  return 0;
}

}  // namespace

std::optional<SavedCertificate> CLeaveCertificateDialog::Add(
    QWidget* parent, CClient& client, Prompter& prompter, const CertificateDeclaration& declaration,
    const QString& companyName) {
  CLeaveCertificateDialog form(parent, client, prompter, Mode::kAdd, declaration, companyName);
  return form.Run();
}

std::optional<SavedCertificate> CLeaveCertificateDialog::Modify(
    QWidget* parent, CClient& client, Prompter& prompter, const CertificateDeclaration& declaration,
    const QString& companyName, qint64 index) {
  CLeaveCertificateDialog form(parent, client, prompter, Mode::kModify, declaration, companyName,
                               index);
  return form.Run();
}

CLeaveCertificateDialog::CLeaveCertificateDialog(QWidget* parent, CClient& client,
                                                 Prompter& prompter, Mode mode,
                                                 const CertificateDeclaration& declaration,
                                                 const QString& companyName, qint64 certificate)
    : CRecordFormOf<SavedCertificate>(parent, mode,
                                      mode == Mode::kAdd
                                          ? QStringLiteral("Adauga un concediu medical")
                                          : QStringLiteral("Modifica un concediu meedical")),
      client_(client),
      prompter_(prompter),
      declaration_(declaration),
      certificate_(certificate) {
  BuildHeader(companyName);
  BuildPerson();
  BuildDeclarationType();
  BuildCertificate();
  BuildDays();
  inputs_[FieldPosition(&Values::zileLucratoare)]->setText(declaration_.workingDays);
  if (mode == Mode::kModify) Load();
  // Only the user's typing looks the person up, never the form's own filling.
  connect(cnp_, &QLineEdit::textEdited, this, &CLeaveCertificateDialog::ProposePerson);
  cnp_->setFocus();
}

void CLeaveCertificateDialog::BuildHeader(const QString& companyName) {
  const int group = AddGroup();
  auto* company = new QLabel(companyName, this);
  company->setObjectName(QStringLiteral("company"));
  company->setTextFormat(Qt::PlainText);
  AddRow(group, QStringLiteral("Societate curenta:"), *company);
  auto* month = new QLabel(CertificateMonthText(declaration_.luna, declaration_.workingDays), this);
  month->setObjectName(QStringLiteral("month"));
  AddRow(group, QStringLiteral("Luna declaratiei curente:"), *month);
}

void CLeaveCertificateDialog::BuildTextFields(int section, int group) {
  const std::vector<const FieldDef<Values>*>& fields = FormFields();
  for (size_t field = 0; field < fields.size(); ++field) {
    const FieldDef<Values>& def = *fields[field];
    if (def.group != section) continue;
    auto* input = qobject_cast<QLineEdit*>(
        CreateInput(*this, FieldKind::kText, def.objectName, LengthOf(def), def.typing));
    inputs_.push_back(input);
    if (def.beside) continue;  // laid out by its predecessor
    QWidget* hint = nullptr;
    const size_t next = field + 1;
    if (next < fields.size() && fields[next]->beside) {
      hint = new QWidget(this);
      auto* row = new QHBoxLayout(hint);
      row->setContentsMargins(0, 0, 0, 0);
      row->addWidget(new QLabel(QLatin1String(fields[next]->caption), hint));
      auto* partner =
          qobject_cast<QLineEdit*>(CreateInput(*hint, FieldKind::kText, fields[next]->objectName,
                                               LengthOf(*fields[next]), fields[next]->typing));
      row->addWidget(partner);
      row->addStretch();
      inputs_.push_back(partner);
      ++field;
    } else if (MemberOf(def) == &Values::codUrg || MemberOf(def) == &Values::codContag) {
      const bool emergency = MemberOf(def) == &Values::codUrg;
      auto* button = new QPushButton(QStringLiteral("lista"), this);
      button->setObjectName(emergency ? QStringLiteral("emergencyList")
                                      : QStringLiteral("infectiousList"));
      button->setAutoDefault(false);
      connect(button, &QPushButton::clicked, this, [this, emergency] {
        CCodeListDialog::Show(this, emergency ? EmergencyListText() : InfectiousDiseaseListText());
      });
      hint = button;
    }
    AddRow(group, QLatin1String(def.caption), *input, hint);
  }
}

void CLeaveCertificateDialog::BuildPerson() {
  const int group = AddGroup();
  BuildTextFields(kPersonSection, group);
  cnp_ = qobject_cast<CEditEx*>(inputs_[FieldPosition(&Values::cnp)]);
  house_ = NewList(*this, "cas");
  for (int position = 0; position < kHouseCount; ++position) {
    house_->addItem(HouseListText(position, HarghitaText::kHG));
  }
  AddRow(group, QStringLiteral("Luat in evidenta la CAS:"), *house_);
}

void CLeaveCertificateDialog::BuildDeclarationType() {
  rectificationType_ = NewList(*this, "tip_rectif");
  for (const char* text : kRectificationTypes) rectificationType_->addItem(QLatin1String(text));
  FitLongestEntry(*rectificationType_);
  // Only a rectifying declaration acts on earlier entries; an initial one has no type.
  if (!declaration_.rectifying) {
    rectificationType_->hide();
    return;
  }
  const int group = AddGroup();
  auto* type = new QLineEdit(QStringLiteral("rectificativa"), this);
  type->setObjectName(QStringLiteral("tip_declaratie"));
  MakeReadOnly(*type);
  AddRow(group, QStringLiteral("Tipul declaratiei curente:"), *type);
  AddRow(group, QStringLiteral("Tipul rectificarii:"), *rectificationType_);
}

void CLeaveCertificateDialog::BuildCertificate() {
  const int group = AddGroup();
  BuildTextFields(kCertificateSection, group);
  indemnity_ = NewList(*this, "cod_indemn");
  for (const char* text : kIndemnities) indemnity_->addItem(QLatin1String(text));
  // The longest indemnity text would widen the form past the screen; its drop-down shows it
  // whole.
  indemnity_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  indemnity_->setMinimumContentsLength(kIndemnityShownCharacters);
  indemnity_->view()->setTextElideMode(Qt::ElideNone);
  indemnity_->view()->setMinimumWidth(
      indemnity_->fontMetrics().horizontalAdvance(QLatin1String(kIndemnities[8])) + 40);
  AddRow(group, QStringLiteral("Codul indemnizatiei:"), *indemnity_);
}

void CLeaveCertificateDialog::BuildDays() { BuildTextFields(kDaysSection, AddGroup()); }

void CLeaveCertificateDialog::Load() {
  const std::optional<Values> stored = ReadCertificate(client_, certificate_);
  if (!stored) {
    SetLoaded(false);
    return;
  }
  for (size_t field = 0; field < FormFields().size(); ++field) {
    const QString& text = (*stored).*MemberOf(*FormFields()[field]);
    // A series stored longer by an older version stays whole unless the user retypes it.
    if (text.size() > inputs_[field]->maxLength()) inputs_[field]->setMaxLength(text.size());
    inputs_[field]->setText(text);
  }
  rememberedCnp_ = stored->cnp;
  ShowHouse(stored->cas);
  rectificationType_->setCurrentIndex(
      static_cast<int>(kRectificationCodes.indexOf(stored->tipRectif)));
  if (stored->tipRectif.isEmpty()) rectificationType_->setCurrentIndex(0);
  indemnity_->setCurrentIndex(static_cast<int>(LeadingInteger(stored->codIndemn)) - 1);
}

void CLeaveCertificateDialog::ShowHouse(const QString& code) {
  // The register knows Harghita as CASHR, the certificates as CASHG; an unknown code leaves
  // no house selected, so the user must choose one.
  const QString certificateCode = code == u"CASHR" ? QStringLiteral("CASHG") : code;
  house_->setCurrentIndex(HouseIndex(certificateCode, HouseList::kCertificate));
}

CertificateValues CLeaveCertificateDialog::ReadValues() const {
  Values values;
  for (size_t field = 0; field < FormFields().size(); ++field) {
    values.*MemberOf(*FormFields()[field]) = inputs_[field]->text();
  }
  // Series and numbers as the existence checks and the month's replay compare them.
  for (QString Values::*member :
       {&Values::serie, &Values::numar, &Values::initSerie, &Values::initNumar}) {
    values.*member = (values.*member).trimmed().toUpper();
  }
  values.cas = house_->currentIndex() < 0
                   ? QString()
                   : HouseCode(house_->currentIndex(), HouseList::kCertificate);
  if (declaration_.rectifying && rectificationType_->currentIndex() >= 0) {
    values.tipRectif = kRectificationCodes.at(rectificationType_->currentIndex());
  }
  values.codIndemn = QString::number(indemnity_->currentIndex() + 1);
  return values;
}

void CLeaveCertificateDialog::ProposePerson(const QString& typed) {
  inputs_[FieldPosition(&Values::prenume)]->clear();
  inputs_[FieldPosition(&Values::nume)]->clear();
  // Quiet while the user deletes, and for a text already looked up.
  if (cnp_->LastKeyWasDelete() || typed.isEmpty() || typed == rememberedCnp_) {
    rememberedCnp_ = typed;
    return;
  }
  rememberedCnp_ = typed;
  const std::optional<PersonProposal> person = ::ProposePerson(client_, declaration_.cf, typed);
  if (!person) return;
  const int typedLength = static_cast<int>(typed.size());
  cnp_->setText(person->cnp);
  rememberedCnp_ = person->cnp;
  inputs_[FieldPosition(&Values::nume)]->setText(person->nume);
  inputs_[FieldPosition(&Values::prenume)]->setText(person->prenume);
  ShowHouse(person->cas);
  // Typing on replaces the proposed rest of the CNP.
  cnp_->setSelection(typedLength, static_cast<int>(person->cnp.size()) - typedLength);
}

std::optional<SavedCertificate> CLeaveCertificateDialog::Save() {
  const Values values = ReadValues();
  // The existence check and the write, on one workstation at a time.
  const NamedLock lock(client_, lock_names::kCertificate);
  if (!lock.Held()) return std::nullopt;
  const CheckResult check = CertificateConfirmProblem(client_, declaration_, values, certificate_);
  if (check.IsFailed()) return std::nullopt;  // a query failed: the client said why
  if (check.IsRefused()) {
    prompter_.Inform(check.Text());
    return std::nullopt;
  }
  SavedCertificate saved{certificate_, values};
  if (FormMode() == Mode::kModify) {
    if (!UpdateCertificate(client_, declaration_, certificate_, values)) return std::nullopt;
    return saved;
  }
  const std::optional<qint64> index = InsertCertificate(client_, declaration_, values);
  if (!index) return std::nullopt;
  saved.index = *index;
  return saved;
}
