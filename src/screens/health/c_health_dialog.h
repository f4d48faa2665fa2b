#pragma once

#include <QString>
#include <array>
#include <functional>
#include <memory>

#include "ui/c_current_company_label.h"
#include "ui/c_panel_dialog.h"

class CListViewEx;
class CompanyList;
class QLabel;
class QLayout;
class QVBoxLayout;
class QRadioButton;

// The "Declaratia de sanatate" panel of the main menu: the companies, the current company
// with its live counts, the company actions, and the way into the register screens.
class CHealthDialog : public CPanelDialog {
  Q_OBJECT

 public:
  CHealthDialog(QWidget* owner, CClient* client, Prompter* prompter);
  ~CHealthDialog() override;

  static QString Title() { return QStringLiteral("Declaratia de sanatate"); }
  static QString NoCompanyText() { return CCurrentCompanyLabel::NoCompanyText(); }

  // The register screens opened for the current company.
  enum class RegisterScreen {
    kAddInsured,
    kLiquidateInsured,
    kAddDependant,
    kInsuredList,
    kReports
  };
  static constexpr int kRegisterScreens = 5;
  struct CurrentCompany {
    QString denumire;  // shown by the screen as "Societate curenta:"
    QString cf;
  };
  // Opens a register screen; true when its form closed with OK.
  using ScreenOpener = std::function<bool(const CurrentCompany&)>;
  void SetScreenOpener(RegisterScreen screen, ScreenOpener opener);

  // The choice of the insured list: 0 every record, 1 only the active insured persons,
  // 2 only the liquidated ones.
  int ListFilter() const;

  CListViewEx& CompaniesView() { return *companies_; }
  bool SelectCompany(const QString& cf) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // The register screens behind F5, F6, Ctrl+F5 and F9.
  void OpenInsuredForms();
  void BuildWindow();
  QLayout* BuildCurrentCompany();
  QLayout* BuildCompanyActions();
  void BuildRegisterActions(QVBoxLayout& side);
  void OnSelectionChanged();
  // Makes the next selection change be handled whatever row it lands on: after the list lost
  // a row, the same position holds another company.
  void ForgetHandledRow() { handledRow_ = kNoRowHandled; }
  void RefreshCurrentCompany();
  void ShowCounts(const QString& cf);
  void OpenRegisterScreen(RegisterScreen screen);

  static constexpr int kNoRowHandled = -2;

  CListViewEx* companies_ = nullptr;
  std::unique_ptr<CompanyList> companyList_;
  int handledRow_ = -1;
  CCurrentCompanyLabel* currentCompany_ = nullptr;
  QLabel* houses_ = nullptr;
  QLabel* active_ = nullptr;
  QLabel* liquidated_ = nullptr;
  QLabel* dependants_ = nullptr;
  std::array<QRadioButton*, 3> filters_{};
  std::array<ScreenOpener, kRegisterScreens> openers_;
};
