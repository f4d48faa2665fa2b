#include "screens/health/c_health_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "companies/company_counts.h"
#include "screens/companies/company_buttons.h"
#include "screens/companies/company_list.h"
#include "screens/health/c_coinsured_dialog.h"
#include "screens/health/c_insured_dialog.h"
#include "screens/health/c_insured_list_dialog.h"
#include "screens/health/c_liquidate_dialog.h"
#include "screens/health/c_report_wizard_dialog.h"
#include "store/c_client.h"
#include "store/prompter.h"
#include "ui/buttons.h"
#include "ui/c_current_company_label.h"
#include "ui/c_list_view_ex.h"
#include "ui/function_keys.h"
#include "ui/modal.h"

namespace {

using Screen = CHealthDialog::RegisterScreen;

// What each register screen needs before it opens, and whether the counts change after.
struct ScreenRule {
  const char* refusal;  // shown when no company is selected; nullptr: not needed
  bool recountAfterOk;
  bool recountAlways;
};

ScreenRule RuleOf(Screen screen) {
  switch (screen) {
    case Screen::kAddInsured:
      return {"Trebuie sa selectezi o societate pentru a adauga un asigurat!", true, false};
    case Screen::kLiquidateInsured:
      return {"Trebuie sa selectezi o societate pentru a lichida un asigurat!", true, false};
    case Screen::kAddDependant:
      return {"Trebuie sa selectezi o societate pentru a adauga un coasigurat!", true, false};
    case Screen::kInsuredList:
      return {"Trebuie sa selectezi o societate pentru a-i afisa lista de asigurati!", false, true};
    case Screen::kReports:
      // The report wizard chooses its companies itself.
      return {nullptr, false, false};
  }
  return {nullptr, false, false};
}

QLabel* MakeCountLabel(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QLatin1String(name));
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor(0, 127, 0));
  label->setPalette(palette);
  return label;
}

}  // namespace

CHealthDialog::CHealthDialog(QWidget* owner, CClient* client, Prompter* prompter)
    : CPanelDialog(owner, client, prompter) {
  setWindowTitle(Title());
  for (auto& opener : openers_) {
    // Until a register screen is built, its button says so instead of doing nothing.
    opener = [this](const CurrentCompany&) {
      GetPrompter()->Inform(
          QStringLiteral("Aceasta parte a programului nu este inca disponibila."));
      return false;
    };
  }
  OpenInsuredForms();
  BuildWindow();
  // Deliberately ignored: a failed query was shown by the client, and the empty list still
  // takes the companies added afterwards.
  static_cast<void>(companyList_->Load());
  SetScreenOpener(RegisterScreen::kReports, [this](const CurrentCompany&) {
    const auto choice = CReportWizardDialog::Open(this, *Client(), *GetPrompter());
    // The menu opens the panel once this key press is handled.
    if (choice) {
      QMetaObject::invokeMethod(
          this, [this, choice] { emit CompanyPanelRequested(choice->area, choice->cf); },
          Qt::QueuedConnection);
    }
    return false;
  });
}

CHealthDialog::~CHealthDialog() = default;

bool CHealthDialog::SelectCompany(const QString& cf) { return companyList_->SelectCf(cf); }

void CHealthDialog::OpenInsuredForms() {
  SetScreenOpener(RegisterScreen::kAddInsured, [this](const CurrentCompany& company) {
    CInsuredDialog form(this, *Client(), *GetPrompter(), CRecordForm::Mode::kAdd, company.denumire,
                        company.cf);
    return form.Run().has_value();
  });
  SetScreenOpener(RegisterScreen::kLiquidateInsured, [this](const CurrentCompany& company) {
    CLiquidateDialog form(this, *Client(), *GetPrompter(), company.denumire, company.cf);
    return form.Run().has_value();
  });
  SetScreenOpener(RegisterScreen::kAddDependant, [this](const CurrentCompany& company) {
    CCoinsuredDialog form(this, *Client(), *GetPrompter(), CRecordForm::Mode::kAdd,
                          company.denumire, company.cf, std::nullopt);
    return form.Run().has_value();
  });
  SetScreenOpener(RegisterScreen::kInsuredList, [this](const CurrentCompany& company) {
    CInsuredListDialog list(this, *Client(), *GetPrompter(), company.denumire, company.cf,
                            ListFilter());
    return list.IsLoaded() && RunModal(list) == QDialog::Accepted;
  });
}

void CHealthDialog::BuildWindow() {
  companies_ = new CListViewEx(this);
  companies_->setObjectName(QStringLiteral("companies"));
  companyList_ = std::make_unique<CompanyList>(*this, *companies_, *Client(), *GetPrompter());

  auto* side = new QVBoxLayout;
  side->addLayout(BuildCurrentCompany());
  side->addLayout(BuildCompanyActions());
  BuildRegisterActions(*side);
  side->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(companies_, 1);
  layout->addLayout(side);
  setMinimumSize(640, 480);

  connect(companies_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &CHealthDialog::OnSelectionChanged);
  connect(&companies_->Model(), &QAbstractItemModel::rowsRemoved, this,
          [this] { ForgetHandledRow(); });
  // After a sort the selected company keeps its selection at another position.
  connect(companies_, &CListViewEx::Resorted, this,
          [this] { handledRow_ = companies_->SelectedRow(); });
}

QLayout* CHealthDialog::BuildCurrentCompany() {
  currentCompany_ = new CCurrentCompanyLabel(this);
  currentCompany_->setObjectName(QStringLiteral("currentCompany"));

  houses_ = MakeCountLabel(this, "houses");
  active_ = MakeCountLabel(this, "active");
  liquidated_ = MakeCountLabel(this, "liquidated");
  dependants_ = MakeCountLabel(this, "dependants");
  auto* grid = new QGridLayout;
  grid->addWidget(currentCompany_, 0, 0, 1, 2);
  const std::pair<const char*, QLabel*> counts[] = {{"Case de asigurari:", houses_},
                                                    {"Asigurati existenti:", active_},
                                                    {"Asigurati lichidati:", liquidated_},
                                                    {"Coasigurati existenti:", dependants_}};
  for (const auto& [caption, value] : counts) {
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(QLatin1String(caption), this), row, 0);
    grid->addWidget(value, row, 1);
  }
  return grid;
}

QLayout* CHealthDialog::BuildCompanyActions() {
  const CompanyButtons buttons = MakeCompanyButtons(
      *this, *companyList_, *companies_, FinalQuestion::kNone, [this] { RefreshCurrentCompany(); });
  auto* row = new QHBoxLayout;
  for (QPushButton* button : {buttons.add, buttons.modify, buttons.remove}) row->addWidget(button);
  return row;
}

void CHealthDialog::BuildRegisterActions(QVBoxLayout& side) {
  auto* insuredBox = new QGroupBox(QStringLiteral("   Asigurati   "), this);
  auto* insured = new QVBoxLayout(insuredBox);
  auto* addInsured = MakeButton(insuredBox, QStringLiteral("[F5]   Adauga"), "addInsured");
  auto* liquidate = MakeButton(insuredBox, QStringLiteral("[F6]   Lichideaza"), "liquidateInsured");
  insured->addWidget(addInsured);
  insured->addWidget(liquidate);

  auto* dependantsBox = new QGroupBox(QStringLiteral("   Coasigurati   "), this);
  auto* dependants = new QVBoxLayout(dependantsBox);
  auto* addDependant =
      MakeButton(dependantsBox, QStringLiteral("[CTRL + F5]   Adauga"), "addDependant");
  dependants->addWidget(addDependant);

  auto* listBox = new QGroupBox(
      QStringLiteral("   Vizualizare / modificare / lichidare de asigurati / coasigurati   "),
      this);
  auto* list = new QVBoxLayout(listBox);
  const std::pair<const char*, const char*> filterTexts[] = {
      {"toate inregistrarile", "filterAll"},
      {"numai asiguratii existenti", "filterActive"},
      {"numai asiguratii lichidati", "filterLiquidated"}};
  for (size_t i = 0; i < filters_.size(); ++i) {
    filters_[i] = new QRadioButton(QLatin1String(filterTexts[i].first), listBox);
    filters_[i]->setObjectName(QLatin1String(filterTexts[i].second));
    list->addWidget(filters_[i]);
  }
  filters_[0]->setChecked(true);
  auto* showList = MakeButton(listBox, QStringLiteral("[F9]  Afiseaza"), "showList");
  list->addWidget(showList);

  auto* reports = MakeButton(this, QStringLiteral("Generare de rapoarte"), "reports");

  const std::pair<QPushButton*, RegisterScreen> screenButtons[] = {
      {addInsured, RegisterScreen::kAddInsured},
      {liquidate, RegisterScreen::kLiquidateInsured},
      {addDependant, RegisterScreen::kAddDependant},
      {showList, RegisterScreen::kInsuredList},
      {reports, RegisterScreen::kReports}};
  for (const auto& [button, screen] : screenButtons) {
    const RegisterScreen which = screen;
    connect(button, &QPushButton::clicked, this, [this, which] { OpenRegisterScreen(which); });
  }
  for (QWidget* part :
       std::initializer_list<QWidget*>{insuredBox, dependantsBox, listBox, reports}) {
    side.addWidget(part);
  }
}

void CHealthDialog::OnSelectionChanged() {
  const int row = companies_->SelectedRow();
  if (row == handledRow_) return;
  currentCompany_->ShowNoCompany();
  for (QLabel* label : {houses_, active_, liquidated_, dependants_}) label->clear();
  if (row >= 0) {
    currentCompany_->ShowCompany(companyList_->Denumire(row));
    ShowCounts(companyList_->Cf(row));
  }
  handledRow_ = row;
}

void CHealthDialog::RefreshCurrentCompany() {
  ForgetHandledRow();
  OnSelectionChanged();
}

void CHealthDialog::ShowCounts(const QString& cf) {
  CompanyCounts counts;
  // Deliberately ignored: a failed count was shown by the client; the figures read before
  // it are shown, the others stay empty.
  static_cast<void>(ComputeCompanyCounts(*Client(), cf, counts));
  houses_->setText(counts.houses);
  active_->setText(counts.active);
  liquidated_->setText(counts.liquidated);
  dependants_->setText(counts.dependants);
}

void CHealthDialog::SetScreenOpener(RegisterScreen screen, ScreenOpener opener) {
  openers_[static_cast<size_t>(screen)] = std::move(opener);
}

int CHealthDialog::ListFilter() const {
  for (size_t i = 0; i < filters_.size(); ++i) {
    if (filters_[i]->isChecked()) return static_cast<int>(i);
  }
  return 0;
}

void CHealthDialog::OpenRegisterScreen(RegisterScreen screen) {
  const ScreenRule rule = RuleOf(screen);
  const int row = companyList_->SelectedRow();
  if (row < 0 && rule.refusal != nullptr) {
    GetPrompter()->Inform(QLatin1String(rule.refusal));
    return;
  }
  CurrentCompany company;
  if (row >= 0) company = {companyList_->Denumire(row), companyList_->Cf(row)};
  const bool ok = openers_[static_cast<size_t>(screen)](company);
  if (rule.recountAlways || (rule.recountAfterOk && ok)) RefreshCurrentCompany();
}

void CHealthDialog::keyPressEvent(QKeyEvent* event) {
  const auto open = [this](RegisterScreen screen) {
    return [this, screen] { OpenRegisterScreen(screen); };
  };
  const bool taken = HandleScreenKey(
      *event,
      {{Qt::Key_F5, open(RegisterScreen::kAddInsured), open(RegisterScreen::kAddDependant)},
       {Qt::Key_F6, open(RegisterScreen::kLiquidateInsured),
        open(RegisterScreen::kLiquidateInsured)},
       {Qt::Key_F9, open(RegisterScreen::kInsuredList), open(RegisterScreen::kInsuredList)}});
  if (!taken) CPanelDialog::keyPressEvent(event);
}
