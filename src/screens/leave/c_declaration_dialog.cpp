#include "screens/leave/c_declaration_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "common/dates.h"
#include "common/number_texts.h"
#include "leave/declarations/declaration_checks.h"
#include "leave/declarations/declaration_fields.h"
#include "leave/replay/declaration_totals.h"
#include "store/named_lock.h"
#include "store/prompter.h"
#include "ui/record_fields.h"
#include "ui/typing_rules.h"

namespace {

using Values = DeclarationFormValues;

const QString kInitial = QStringLiteral("initiala");
const QString kRectifying = QStringLiteral("rectificativa");

// The fields below the month and the type, in screen order: the declaration's field table.
const std::vector<FieldDef<Values>>& Fields() { return DeclarationFieldTable().fields; }

QString Values::*MemberOf(const FieldDef<Values>& field) {
  return std::get<QString Values::*>(field.member);
}

int DigitsOf(const FieldDef<Values>& field) {
  const FieldTable<Values>& table = DeclarationFieldTable();
  return FieldLength(table.database, table.table, field.column, field.limit);
}

// A change typed into these computes base, F and I again.
bool ChangesContributions(const FieldDef<Values>& field) {
  const auto member = MemberOf(field);
  return member == &Values::minimumWage || member == &Values::d || member == &Values::e;
}

// The first year of the medical-leave declarations.
constexpr long long kFirstDeclarationYear = 2006;

QLineEdit* NewInput(QWidget& form, const char* objectName, int digits, bool computed) {
  auto* edit = qobject_cast<QLineEdit*>(
      CreateInput(form, FieldKind::kText, objectName, digits, Typing::kDigits));
  if (computed) {
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
  }
  return edit;
}

}  // namespace

std::optional<SavedDeclaration> CDeclarationDialog::Add(QWidget* parent, CClient& client,
                                                        Prompter& prompter, const QString& cf) {
  CDeclarationDialog form(parent, client, prompter, Mode::kAdd, cf);
  return form.Run();
}

std::optional<SavedDeclaration> CDeclarationDialog::Modify(QWidget* parent, CClient& client,
                                                           Prompter& prompter, qint64 index) {
  CDeclarationDialog form(parent, client, prompter, Mode::kModify, QString(), index);
  return form.Run();
}

CDeclarationDialog::CDeclarationDialog(QWidget* parent, CClient& client, Prompter& prompter,
                                       Mode mode, const QString& cf, qint64 index)
    : CRecordFormOf<SavedDeclaration>(parent, mode,
                                      mode == Mode::kAdd ? QStringLiteral("Adauga declaratie")
                                                         : QStringLiteral("Modifica declaratie")),
      client_(client),
      prompter_(prompter),
      cf_(cf),
      index_(index) {
  BuildForm();
  BuildFootnotes();
  if (mode == Mode::kModify) Load();
  // Only the user's typing computes the figures again, never the form's own filling.
  for (QLineEdit* edit : {month_, year_}) {
    connect(edit, &QLineEdit::textEdited, this, &CDeclarationDialog::RecalculateContributions);
  }
  for (size_t field = 0; field < Fields().size(); ++field) {
    if (ChangesContributions(Fields()[field])) {
      connect(inputs_[field], &QLineEdit::textEdited, this,
              &CDeclarationDialog::RecalculateContributions);
    } else if (MemberOf(Fields()[field]) == &Values::g) {
      connect(inputs_[field], &QLineEdit::textEdited, this, &CDeclarationDialog::RecalculateFaambp);
    }
  }
  (mode == Mode::kAdd ? month_ : inputs_.front())->setFocus();
}

void CDeclarationDialog::BuildForm() {
  const int group = AddGroup();
  month_ = NewInput(*this, "luna", kMonthDigits, false);
  month_->setPlaceholderText(QStringLiteral("LL"));
  year_ = NewInput(*this, "an", kYearDigits, false);
  year_->setPlaceholderText(QStringLiteral("AAAA"));
  AddRow(group, QStringLiteral("Luna declaratiei:"), *month_, year_);
  MoveOnWhenFull(*month_, *year_);
  type_ = qobject_cast<QLineEdit*>(
      CreateInput(*this, FieldKind::kText, "tip", kRectifying.size(), Typing::kAsTyped));
  type_->setReadOnly(true);
  type_->setFocusPolicy(Qt::NoFocus);
  AddRow(group, QStringLiteral("Tipul declaratiei:"), *type_);
  for (const FieldDef<Values>& field : Fields()) {
    QLineEdit* input = NewInput(*this, field.objectName, DigitsOf(field), field.computed);
    inputs_.push_back(input);
    QLabel* hint = nullptr;
    if (field.hint != nullptr) {
      hint = new QLabel(QLatin1String(field.hint), this);
      if (MemberOf(field) == &Values::f) {
        rate_ = hint;
        rate_->setObjectName(QStringLiteral("rate"));
        // Wide enough for either rate from the start: the form keeps its size.
        rate_->setMinimumWidth(
            rate_->fontMetrics().horizontalAdvance(LeaveRateLabel(QStringLiteral("2006"))) + 4);
      }
    }
    AddRow(group, QLatin1String(field.caption), *input, hint);
  }
}

void CDeclarationDialog::BuildFootnotes() {
  auto* notes = new QVBoxLayout;
  for (const char* text : {"* - baza de calcul = fond de salarii, dar nu mai mult de:\n"
                           "numar de angajati x 12 luni x salariul  minim pe economie",
                           "** = Total suma de recuperat de la FNUASS (campul N) din luna "
                           "anterioara"}) {
    notes->addWidget(new QLabel(QLatin1String(text), this));
  }
  AddRow(AddGroup(), *notes);
}

void CDeclarationDialog::Load() {
  const std::optional<StoredDeclaration> stored = ReadDeclaration(client_, index_);
  if (!stored) {
    SetLoaded(false);
    return;
  }
  cf_ = stored->cf;
  const QString luna = QString::number(stored->luna);
  year_->setText(luna.left(4));
  month_->setText(luna.mid(4, 2));
  month_->setEnabled(false);
  year_->setEnabled(false);
  // An initial declaration reads number 0: a later rectification of its month is any.
  ShowKind(DeclarationKind{stored->rectifying, stored->rectifying ? stored->rectifNr : 0});
  if (!stored->rectifying) number_ = QStringLiteral("0");
  ShowValue(&Values::workingDays, stored->workingDays);
  ShowValue(&Values::d, stored->d);
  ShowValue(&Values::minimumWage, stored->minimumWage);
  ShowValue(&Values::e, stored->e);
  ShowValue(&Values::f, stored->f);  // as stored, until the user changes what it comes from
  ShowValue(&Values::g, stored->g);
  ShowValue(&Values::k, stored->k);
  ShowValue(&Values::base, CalculationBase(stored->minimumWage, stored->d, stored->e));
  rate_->setText(LeaveRateLabel(year_->text()));
  RecalculateFaambp();
}

DeclarationFormValues CDeclarationDialog::ReadValues() const {
  Values values;
  values.month = month_->text();
  values.year = year_->text();
  values.number = number_;
  for (size_t field = 0; field < Fields().size(); ++field) {
    values.*MemberOf(Fields()[field]) = inputs_[field]->text();
  }
  return values;
}

void CDeclarationDialog::ShowValue(QString Values::*member, const QString& text) {
  for (size_t field = 0; field < Fields().size(); ++field) {
    if (MemberOf(Fields()[field]) == member) inputs_[field]->setText(text);
  }
}

void CDeclarationDialog::ShowKind(const std::optional<DeclarationKind>& kind) {
  if (!kind) {
    type_->clear();
    number_.clear();
    return;
  }
  type_->setText(kind->rectifying ? kRectifying : kInitial);
  number_ = kind->rectifying ? QString::number(kind->number) : QString();
}

void CDeclarationDialog::RecalculateContributions() {
  const Values values = ReadValues();
  if (FormMode() == Mode::kAdd) ShowKind(std::nullopt);
  const QString base = CalculationBase(values.minimumWage, values.d, values.e);
  const QString f = LeaveContributions(base, values.year);
  const QString i = TotalContributions(f, values.h);
  // The month's declarations are asked for once the month is one a declaration can have.
  const bool monthComplete = CheckDate(QStringLiteral("01"), values.month, values.year) &&
                             LeadingInteger(values.year) >= kFirstDeclarationYear;
  if (FormMode() == Mode::kAdd && monthComplete) {
    const std::optional<DeclarationKind> kind =
        NextDeclarationKind(client_, cf_, DeclarationMonthKey(values.month, values.year));
    if (!kind) return;  // shown by the client; the figures stay as they were
    ShowKind(kind);
  }
  rate_->setText(LeaveRateLabel(values.year));
  ShowValue(&Values::base, base);
  ShowValue(&Values::f, f);
  ShowValue(&Values::i, i);
}

void CDeclarationDialog::RecalculateFaambp() {
  const Values values = ReadValues();
  const QString h = FaambpContributions(values.g);
  ShowValue(&Values::h, h);
  ShowValue(&Values::i, TotalContributions(values.f, h));
}

std::optional<SavedDeclaration> CDeclarationDialog::Save() {
  const Values values = ReadValues();
  const bool modifying = FormMode() == Mode::kModify;
  // The month's numbering and the write, on one workstation at a time.
  const NamedLock lock(client_, lock_names::kDeclaration);
  if (!lock.Held()) return std::nullopt;
  const CheckResult check = DeclarationConfirmProblem(client_, cf_, values, modifying);
  if (check.IsFailed()) return std::nullopt;  // a query failed: the client said why
  if (check.IsRefused()) {
    prompter_.Inform(check.Text());
    return std::nullopt;
  }
  SavedDeclaration saved;
  saved.luna = DeclarationMonthKey(values.month, values.year);
  if (modifying) {
    if (!UpdateDeclaration(client_, index_, values)) return std::nullopt;
    saved.index = index_;
    saved.kind = {type_->text() == kRectifying, static_cast<int>(LeadingInteger(number_))};
    return saved;
  }
  // The kind shown may be stale (another declaration of the month was added meanwhile) or
  // missing (its query failed): the month's declarations decide it now, so no declaration is
  // written without a kind or with a number already taken.
  const std::optional<DeclarationKind> kind = NextDeclarationKind(client_, cf_, saved.luna);
  if (!kind) return std::nullopt;
  ShowKind(kind);
  const std::optional<qint64> index = InsertDeclaration(client_, cf_, values, *kind);
  if (!index) return std::nullopt;
  saved.index = *index;
  saved.kind = *kind;
  return saved;
}
