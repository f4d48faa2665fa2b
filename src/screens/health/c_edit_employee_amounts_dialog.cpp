#include "screens/health/c_edit_employee_amounts_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "common/amounts.h"
#include "common/code_lists.h"
#include "common/number_texts.h"
#include "health/amounts/amounts_checks.h"
#include "health/amounts/amounts_store.h"
#include "health/annexes/report_month.h"
#include "health/register/employment_forms.h"
#include "screens/health/amount_inputs.h"
#include "store/prompter.h"
#include "ui/c_current_company_label.h"
#include "ui/c_date_input.h"
#include "ui/record_fields.h"

namespace {

// Longest employment-form description: "CT - cenzori, consiliu de administratie, ...".
constexpr int kFormaLength = 56;
constexpr int kSalaryLength = 15;
constexpr int kLeiLength = 10;

QLineEdit* ShownText(QWidget& form, const char* name, int length, const QString& text) {
  QLineEdit* edit = AmountInput(form, name, length, Typing::kAsTyped);
  edit->setText(text);
  edit->setReadOnly(true);
  edit->setFocusPolicy(Qt::NoFocus);
  return edit;
}

CDateInput* ShownDate(QWidget& form, const char* name, const QString& date) {
  auto* input = new CDateInput(QLatin1String(name), &form);
  if (date.size() == 8) input->SetValue(date.toInt());
  for (QLineEdit* part : input->findChildren<QLineEdit*>()) {
    part->setReadOnly(true);
    part->setFocusPolicy(Qt::NoFocus);
  }
  return input;
}

QString WholeLei(const QString& cell) { return FormatInteger(RoundLei(LeadingDecimal(cell))); }

}  // namespace

std::optional<EmployeeAmounts> CEditEmployeeAmountsDialog::Modify(QWidget* parent, CClient& client,
                                                                  Prompter& prompter, int month,
                                                                  const QString& companyName,
                                                                  const QString& cf,
                                                                  const EmployeeRow& employee) {
  CEditEmployeeAmountsDialog form(parent, client, prompter, month, companyName, cf, employee);
  return form.Run();
}

CEditEmployeeAmountsDialog::CEditEmployeeAmountsDialog(QWidget* parent, CClient& client,
                                                       Prompter& prompter, int month,
                                                       const QString& companyName,
                                                       const QString& cf,
                                                       const EmployeeRow& employee)
    : CRecordFormOf<EmployeeAmounts>(parent, Mode::kModify, QStringLiteral("Modifica sumele")),
      client_(client),
      prompter_(prompter),
      month_(month),
      cf_(cf),
      employee_(employee),
      rate_(ContributionRate(month, RatePayer::kEmployees)) {
  SetOkKey(Qt::Key_F6, QStringLiteral("Modifica"), true);
  BuildPerson(AddGroup(), companyName);
  BuildAmounts(AddGroup());
  salary_->setFocus();
  salary_->selectAll();
}

void CEditEmployeeAmountsDialog::BuildPerson(int group, const QString& companyName) {
  AddRow(group, QStringLiteral("Luna curenta:"),
         *ShownText(*this, "luna", 10, ReportMonthText(month_)));
  auto* company = new CCurrentCompanyLabel(this);
  company->setObjectName(QStringLiteral("societate"));
  company->ShowCompany(companyName);
  AddRow(group, QStringLiteral("Societate curenta:"), *company);
  auto* house = new QComboBox(this);
  house->setObjectName(QStringLiteral("cas"));
  for (int position = 0; position < kHouseCount; ++position) {
    house->addItem(HouseListText(position, HarghitaText::kHG));
  }
  house->setCurrentIndex(HouseIndex(employee_.cas, HouseList::kRegister));
  house->setEnabled(false);
  AddRow(group, QStringLiteral("CAS:"), *house);
  AddRow(group, QStringLiteral("Nume:"), *ShownText(*this, "nume", 50, employee_.nume));
  AddRow(group, QStringLiteral("Prenume:"), *ShownText(*this, "prenume", 50, employee_.prenume));
  AddRow(group, QStringLiteral("CNP:"), *ShownText(*this, "cnp", 13, employee_.cnp));
  AddRow(group, QStringLiteral("Data angajarii:"), *ShownDate(*this, "intrare", employee_.intrare));
  AddRow(group, QStringLiteral("Forma de angajare:"),
         *ShownText(*this, "forma", kFormaLength,
                    EmploymentFormText(EmploymentFormIndex(employee_.forma))));
  AddRow(group, QStringLiteral("Data lichidarii:"), *ShownDate(*this, "iesire", employee_.iesire));
}

void CEditEmployeeAmountsDialog::BuildAmounts(int group) {
  salary_ = AmountInput(*this, "salariu", kSalaryLength, Typing::kAsTyped);
  owed_ = AmountInput(*this, "asig_datorat", kLeiLength, Typing::kDigits);
  paid_ = AmountInput(*this, "asig_virat", kLeiLength, Typing::kDigits);
  salary_->setText(employee_.salary);
  owed_->setText(WholeLei(employee_.owed));
  paid_->setText(WholeLei(employee_.paid));
  const QString rateLabel = QStringLiteral("lei (%1%)").arg(RateText(rate_));
  AddRow(group, QStringLiteral("Salariul realizat:"), *salary_,
         new QLabel(QStringLiteral("lei"), this));
  AddRow(group, QStringLiteral("Suma datorata pentru asigurat:"), *owed_,
         new QLabel(rateLabel, this));
  AddRow(group, QStringLiteral("Suma virata pentru asigurat:"), *paid_,
         new QLabel(rateLabel, this));
  FollowAmount(*salary_, rate_, *owed_, *paid_);
}

std::optional<EmployeeAmounts> CEditEmployeeAmountsDialog::Save() {
  const std::optional<double> salary = ReadAmount(salary_->text());
  if (!salary) {
    prompter_.Inform(BadSalaryMessage());
    return std::nullopt;
  }
  const EmployeeAmounts amounts{employee_.index,
                                cf_,
                                employee_.cnp,
                                month_,
                                AmountText(*salary),
                                WholeLeiText(owed_->text()),
                                WholeLeiText(paid_->text())};
  const bool recorded = employee_.laLuna == QString::number(month_);
  if (!(recorded ? UpdateEmployeeAmounts(client_, amounts)
                 : InsertEmployeeAmounts(client_, amounts))) {
    return std::nullopt;
  }
  return amounts;
}
