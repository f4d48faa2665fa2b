#pragma once

#include <QDialog>
#include <optional>

#include "screens/month/c_month_overview_dialog.h"

class CClient;
class Prompter;
class QLabel;
class QPushButton;

// "Generare de rapoarte": leads through the month's reports. Step 1 fixes the report month,
// which the wizard hands to the other steps; it lives until the wizard closes.
class CReportWizardDialog : public QDialog {
  Q_OBJECT

 public:
  // Shows the wizard modally; it needs no company, each step chooses its own. A company the
  // user chose to open in a panel from the month overview closes the wizard and is returned.
  static std::optional<CMonthOverviewDialog::PanelChoice> Open(QWidget* parent, CClient& client,
                                                               Prompter& prompter);

  CReportWizardDialog(QWidget* parent, CClient& client, Prompter& prompter);

  static QString Title() { return QStringLiteral("Generare de rapoarte"); }

  // The chosen month as 200906; 0 until step 1 saved one.
  int Month() const { return month_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ChooseMonth();
  void EnterEmployeeAmounts();
  void EnterEmployerAmounts();
  void GenerateReports();
  void OpenOverview();
  // Steps 2 to 4 need a month; false (after saying so) while none is chosen.
  [[nodiscard]] bool HasMonth();

  CClient& client_;
  Prompter& prompter_;
  int month_ = 0;
  QLabel* monthLabel_ = nullptr;
  QPushButton* overview_ = nullptr;
  std::optional<CMonthOverviewDialog::PanelChoice> panelChoice_;
};
