#pragma once

#include <QDialog>
#include <optional>

class CClient;
class CListViewEx;
class Prompter;
class QLabel;

// Step 2 of the report wizard: per company, every employee present in the report month with
// salary, owed and paid, coloured by hiring and liquidation, with live totals; F6 corrects
// one employee, F8 fills everyone still without amounts from their latest earlier month.
class CEmployeeAmountsDialog : public QDialog {
  Q_OBJECT

 public:
  // Shows the step modally, unless its companies could not be read (shown by the client).
  static void Open(QWidget* parent, CClient& client, Prompter& prompter, int month);

  CEmployeeAmountsDialog(QWidget* parent, CClient& client, Prompter& prompter, int month);

  // False when the companies could not be read: the step is then not shown.
  bool IsLoaded() const { return loaded_; }
  CListViewEx& Companies() { return *companies_; }
  CListViewEx& Employees() { return *employees_; }

  // F6: the form of the selected employee.
  void ModifySelectedEmployee();
  // F8: the amounts of the latest earlier month for everyone still without.
  void CopyFromEarlierMonths();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildWindow();
  QLayout* BuildLists();
  QLayout* BuildTotals();
  QLayout* BuildButtons();
  void OnCompanySelected();
  void LoadEmployees(const QString& cf);
  // The list empty and no company loaded.
  void ForgetEmployees();
  void ShowEmployees();
  void ColourEmployees();
  void ShowTotals();
  // The history keys: a company's versions, and the month's amounts of an employee.
  void AttachHistory();

  CClient& client_;
  Prompter& prompter_;
  const int month_;
  bool loaded_ = false;
  // The company whose employees the list holds; F6 and F8 write under it.
  std::optional<QString> loadedCf_;
  QString loadedName_;

  CListViewEx* companies_ = nullptr;
  CListViewEx* employees_ = nullptr;
  QLabel* employeesCaption_ = nullptr;
  QLabel* fund_ = nullptr;
  QLabel* employerOwed_ = nullptr;
  QLabel* employeesOwed_ = nullptr;
  QLabel* employeesPaid_ = nullptr;
};
