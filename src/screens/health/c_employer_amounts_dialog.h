#pragma once

#include <QDialog>

class CClient;
class CListViewEx;
class Prompter;

// Step 3 of the report wizard: every company with its fund of salaries and the employer's
// contribution owed and paid in the report month; F4 or a double click corrects one.
class CEmployerAmountsDialog : public QDialog {
  Q_OBJECT

 public:
  // Shows the step modally, unless the companies or their amounts could not be read (shown
  // by the client).
  static void Open(QWidget* parent, CClient& client, Prompter& prompter, int month);

  CEmployerAmountsDialog(QWidget* parent, CClient& client, Prompter& prompter, int month);

  // False when the list could not be read: the step is then not shown.
  bool IsLoaded() const { return loaded_; }
  CListViewEx& Companies() { return *companies_; }

  // F4: the form of the selected company.
  void ModifySelectedCompany();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  [[nodiscard]] bool LoadCompanies();
  [[nodiscard]] bool LoadAmounts(int row);

  CClient& client_;
  Prompter& prompter_;
  const int month_;
  bool loaded_ = false;
  CListViewEx* companies_ = nullptr;
};
