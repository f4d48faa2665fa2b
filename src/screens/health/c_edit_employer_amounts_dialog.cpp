#include "screens/health/c_edit_employer_amounts_dialog.h"

#include <QLabel>
#include <QLineEdit>

#include "common/amounts.h"
#include "common/number_texts.h"
#include "health/amounts/amounts_checks.h"
#include "health/amounts/amounts_store.h"
#include "health/annexes/report_month.h"
#include "screens/health/amount_inputs.h"
#include "store/prompter.h"
#include "ui/c_current_company_label.h"
#include "ui/record_fields.h"

namespace {

constexpr int kFundLength = 15;
constexpr int kLeiLength = 10;

}  // namespace

std::optional<EmployerAmounts> CEditEmployerAmountsDialog::Modify(QWidget* parent, CClient& client,
                                                                  Prompter& prompter, int month,
                                                                  const QString& companyName,
                                                                  const EmployerAmounts& amounts) {
  CEditEmployerAmountsDialog form(parent, client, prompter, month, companyName, amounts);
  return form.Run();
}

CEditEmployerAmountsDialog::CEditEmployerAmountsDialog(QWidget* parent, CClient& client,
                                                       Prompter& prompter, int month,
                                                       const QString& companyName,
                                                       const EmployerAmounts& amounts)
    : CRecordFormOf<EmployerAmounts>(parent, Mode::kModify,
                                     QStringLiteral("Sume datorate de catre angajator")),
      client_(client),
      prompter_(prompter),
      month_(month),
      amounts_(amounts),
      rate_(ContributionRate(month, RatePayer::kEmployer)) {
  SetOkKey(Qt::Key_F4, QStringLiteral("Salveaza"), true);
  const int group = AddGroup();
  auto* company = new CCurrentCompanyLabel(this);
  company->setObjectName(QStringLiteral("societate"));
  company->ShowCompany(companyName);
  AddRow(group, QStringLiteral("Societate curenta:"), *company);
  auto* shownMonth = new QLabel(ReportMonthText(month), this);
  shownMonth->setObjectName(QStringLiteral("luna"));
  AddRow(group, QStringLiteral("Luna curenta:"), *shownMonth);
  fund_ = AmountInput(*this, "fond_de_salarii", kFundLength, Typing::kAsTyped);
  owed_ = AmountInput(*this, "datorat", kLeiLength, Typing::kDigits);
  paid_ = AmountInput(*this, "virat", kLeiLength, Typing::kDigits);
  // What the step of the employees' amounts adds up, offered while the fund is empty.
  if (const std::optional<double> salaries = EmployeesSalaryTotal(client_, amounts.cf, month)) {
    fund_->setPlaceholderText(FormatTotals({*salaries, 0, 0}, month).fund);
  }
  fund_->setText(amounts.fund);
  owed_->setText(amounts.owed);
  paid_->setText(amounts.paid);
  AddRow(group, QStringLiteral("Fond de salarii:"), *fund_,
         new QLabel(QStringLiteral("lei"), this));
  AddRow(group, QStringLiteral("Suma datorata de catre angajator:"), *owed_,
         new QLabel(QStringLiteral("lei (%1%)").arg(RateText(rate_)), this));
  AddRow(group, QStringLiteral("Suma virata de catre engajator:"), *paid_,
         new QLabel(QStringLiteral("lei"), this));
  FollowAmount(*fund_, rate_, *owed_, *paid_);
  fund_->setFocus();
  fund_->selectAll();
}

std::optional<EmployerAmounts> CEditEmployerAmountsDialog::Save() {
  const std::optional<double> fund = ReadAmount(fund_->text());
  if (!fund) {
    prompter_.Inform(BadFundMessage());
    return std::nullopt;
  }
  EmployerAmounts amounts = amounts_;
  amounts.fund = AmountText(*fund);
  amounts.owed = WholeLeiText(owed_->text());
  amounts.paid = WholeLeiText(paid_->text());
  if (!WriteEmployerAmounts(client_, amounts, month_)) return std::nullopt;
  // Saved again after a later failure, the row just inserted is updated, not doubled.
  amounts_.idSuma = amounts.idSuma;
  return amounts;
}
