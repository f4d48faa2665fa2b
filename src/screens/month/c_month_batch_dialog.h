#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "month/month_run.h"

class CClient;
class CListViewEx;
class Prompter;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

// "Fisierele lunii": every company's files of a month in one run, into one folder: the
// options, the run with its progress and stop key, and the summary per company, which can
// be saved as CSV beside the files.
class CMonthBatchDialog : public QDialog {
  Q_OBJECT

 public:
  CMonthBatchDialog(QWidget* parent, CClient& client, Prompter& prompter, int month,
                    std::vector<BatchCompany> companies);

  // The run: the folder (asked when none is chosen), the naming form, then every company.
  // False when the user left the folder chooser or the naming form.
  bool Start();
  // Ends the run after the file under way.
  void Stop() { stopAsked_ = true; }
  // "rezumat_AAAALL.csv" beside the files; false when it could not be written (told).
  bool SaveSummary();

  const std::vector<CompanySummary>& Summary() const { return summary_; }
  bool Running() const { return running_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void BuildWindow();
  QWidget* BuildOptions();
  QLayout* BuildButtons();
  void ChooseFolder();
  void SetRunning(bool running);
  void ShowProgress(int done, int total, const BatchCompany& current);
  void AddSummaryRow(const CompanySummary& row);
  void ShowSummary();
  void ShowDetails();

  CClient& client_;
  Prompter& prompter_;
  int month_;
  std::vector<BatchCompany> companies_;
  std::vector<CompanySummary> summary_;
  QString folder_;
  bool running_ = false;
  bool asking_ = false;  // the folder chooser or the naming form is open
  bool stopAsked_ = false;

  QLineEdit* folderLine_ = nullptr;
  QCheckBox* listsPdf_ = nullptr;
  QCheckBox* declarationPdf_ = nullptr;
  QProgressBar* bar_ = nullptr;
  QLabel* status_ = nullptr;
  CListViewEx* list_ = nullptr;
  QPlainTextEdit* details_ = nullptr;
  QPushButton* choose_ = nullptr;
  QPushButton* start_ = nullptr;
  QPushButton* stop_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* close_ = nullptr;
};

// The one door the window opens the run by: the month as "AAAALL", the companies by fiscal
// code and name, in the order they are to be written. Opens the dialog modally.
void RunMonthBatch(QWidget* parent, CClient& client, Prompter& prompter, const QString& month,
                   const std::vector<BatchCompany>& companies);
