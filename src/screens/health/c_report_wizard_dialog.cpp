#include "screens/health/c_report_wizard_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "health/annexes/report_month.h"
#include "screens/health/c_employee_amounts_dialog.h"
#include "screens/health/c_employer_amounts_dialog.h"
#include "screens/health/c_report_generate_dialog.h"
#include "screens/health/c_report_month_dialog.h"
#include "store/prompter.h"
#include "ui/function_keys.h"
#include "ui/modal.h"

std::optional<CMonthOverviewDialog::PanelChoice> CReportWizardDialog::Open(QWidget* parent,
                                                                           CClient& client,
                                                                           Prompter& prompter) {
  CReportWizardDialog wizard(parent, client, prompter);
  RunModal(wizard);
  return wizard.panelChoice_;
}

CReportWizardDialog::CReportWizardDialog(QWidget* parent, CClient& client, Prompter& prompter)
    : QDialog(parent), client_(client), prompter_(prompter) {
  setWindowTitle(Title());
  monthLabel_ = new QLabel(QStringLiteral("."), this);
  monthLabel_->setObjectName(QStringLiteral("month"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(monthLabel_);
  struct Step {
    const char* caption;
    const char* name;
    void (CReportWizardDialog::*action)();
  };
  const Step steps[] = {
      {"[F2]   Pasul 1: Selecteaza luna pentru care se genereaza rapoarte", "step1",
       &CReportWizardDialog::ChooseMonth},
      {"[F3]   Pasul 2: Introdu / actualizeaza obligatiile pentru fiecare asigurat", "step2",
       &CReportWizardDialog::EnterEmployeeAmounts},
      {"[F4]   Pasul 3: Introdu suma datorata/virata de catre angajator", "step3",
       &CReportWizardDialog::EnterEmployerAmounts},
      {"[F5]   Pasul 4: Genereaza rapoarte", "step4", &CReportWizardDialog::GenerateReports},
  };
  for (const Step& step : steps) {
    auto* button = new QPushButton(QLatin1String(step.caption), this);
    button->setObjectName(QLatin1String(step.name));
    button->setAutoDefault(false);
    button->setStyleSheet(QStringLiteral("text-align: left; padding: 6px 12px;"));
    connect(button, &QPushButton::clicked, this, step.action);
    layout->addWidget(button);
  }
  overview_ = new QPushButton(QStringLiteral("[F6]   Situatia lunii"), this);
  overview_->setObjectName(QStringLiteral("overview"));
  overview_->setAutoDefault(false);
  overview_->setStyleSheet(QStringLiteral("text-align: left; padding: 6px 12px;"));
  // The overview is of the month step 1 fixed.
  overview_->setEnabled(false);
  connect(overview_, &QPushButton::clicked, this, &CReportWizardDialog::OpenOverview);
  layout->addWidget(overview_);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CReportWizardDialog::keyPressEvent(QKeyEvent* event) {
  const bool taken = HandleScreenKey(*event, {{Qt::Key_F2, [this] { ChooseMonth(); }},
                                              {Qt::Key_F3, [this] { EnterEmployeeAmounts(); }},
                                              {Qt::Key_F4, [this] { EnterEmployerAmounts(); }},
                                              {Qt::Key_F5, [this] { GenerateReports(); }},
                                              {Qt::Key_F6, [this] { OpenOverview(); }}});
  if (!taken) QDialog::keyPressEvent(event);
}

void CReportWizardDialog::ChooseMonth() {
  const std::optional<int> chosen = CReportMonthDialog::Choose(this, prompter_, month_);
  if (!chosen) return;
  month_ = *chosen;
  overview_->setEnabled(true);
  monthLabel_->setText(QStringLiteral("Luna pentru care se lucreaza: ") + ReportMonthText(month_));
}

bool CReportWizardDialog::HasMonth() {
  if (month_ > 0) return true;
  prompter_.Inform(
      QStringLiteral("Trebuie sa selectezi o luna pentru care se genereaza rapoarte!"));
  return false;
}

void CReportWizardDialog::EnterEmployeeAmounts() {
  if (HasMonth()) CEmployeeAmountsDialog::Open(this, client_, prompter_, month_);
}

void CReportWizardDialog::EnterEmployerAmounts() {
  if (HasMonth()) CEmployerAmountsDialog::Open(this, client_, prompter_, month_);
}

void CReportWizardDialog::GenerateReports() {
  if (HasMonth()) CReportGenerateDialog::Open(this, client_, prompter_, month_);
}

void CReportWizardDialog::OpenOverview() {
  if (!overview_->isEnabled()) return;
  panelChoice_ = CMonthOverviewDialog::Open(
      this, client_, prompter_, month_, CMonthOverviewDialog::MonthRun(client_, prompter_, month_));
  if (panelChoice_) accept();
}
