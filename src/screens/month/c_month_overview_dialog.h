#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "month/month_overview.h"
#include "ui/c_panel_dialog.h"

class CClient;
class CListViewEx;
class Prompter;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

// "Situatia lunii": every company of the register for the month, one row each, sorted by
// state then name. F2 marks the selected company's month handed in (or takes the mark off),
// Enter asks which panel to open the company in, and F5 writes the month's files of the
// chosen companies when the opener supplies that work.
class CMonthOverviewDialog : public QDialog {
  Q_OBJECT

 public:
  // The month's files of the companies chosen (the selected row, or every "gata" company), in
  // a window over `parent`.
  using WriteMonthFiles =
      std::function<void(QWidget* parent, const std::vector<OverviewCompany>& chosen)>;
  // The month's run of every chosen company into one folder (RunMonthBatch).
  static WriteMonthFiles MonthRun(CClient& client, Prompter& prompter, int month);

  // A company and the panel the user chose for it with Enter.
  struct PanelChoice {
    PanelArea area;
    QString cf;
  };

  // Shows the overview modally; the panel choice made with Enter closes it and is returned.
  static std::optional<PanelChoice> Open(QWidget* parent, CClient& client, Prompter& prompter,
                                         int month, WriteMonthFiles writeFiles = {});

  CMonthOverviewDialog(QWidget* parent, CClient& client, Prompter& prompter, int month,
                       WriteMonthFiles writeFiles = {});

  static QString Title() { return QStringLiteral("Situatia lunii"); }

  // Reads the month again, with the files' check; false when it failed (shown).
  bool Reload();
  const std::vector<OverviewCompany>& Companies() const { return companies_; }
  // The companies on the list, filter applied, top to bottom.
  const std::vector<const OverviewCompany*>& Shown() const { return shown_; }
  const std::optional<PanelChoice>& Choice() const { return choice_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildWindow();
  // The list filled again from the companies, `selectedCf` selected when it is shown.
  void ShowRows(const QString& selectedCf);
  QString SelectedCf() const;
  // The selected rows' companies, top to bottom.
  std::vector<OverviewCompany> SelectedCompanies() const;
  const OverviewCompany* Selected() const;
  void ToggleHandedIn();
  void WriteFiles();
  void ChoosePanel();

  CClient& client_;
  Prompter& prompter_;
  int month_;
  WriteMonthFiles writeFiles_;
  std::vector<OverviewCompany> companies_;
  std::vector<const OverviewCompany*> shown_;
  std::optional<PanelChoice> choice_;
  CListViewEx* list_ = nullptr;
  QCheckBox* onlyNotHandedIn_ = nullptr;
  QLabel* summary_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* writeButton_ = nullptr;
};
