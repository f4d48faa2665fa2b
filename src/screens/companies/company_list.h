#pragma once

#include <QString>
#include <functional>

#include "companies/company_delete.h"

class CClient;
class CListViewEx;
class Prompter;
struct CompanyRecord;
class QWidget;

// The companies list of the health and the medical-leave screens: loaded once when the
// screen opens, then kept in step with the company form and the delete cascade without
// reloading. Only the name is visible; CF and INDEX ride along in hidden columns.
class CompanyList {
 public:
  CompanyList(QWidget& formParent, CListViewEx& view, CClient& client, Prompter& prompter);

  // Fills the list, no row selected. False when the query failed (shown): the list stays
  // empty, though companies added later still find their columns.
  [[nodiscard]] bool Load();

  int SelectedRow() const;
  QString Cf(int row) const;
  QString Denumire(int row) const;
  // Selects the company's row; false when it is not on the list.
  bool SelectCf(const QString& cf);

  // The user's actions, each true when the list changed: the company form in add mode (the
  // new company is appended and selected), in modify mode for the selected company (its row
  // takes the new name and fiscal code), and the delete cascade for the selected company
  // (its row goes and the row now at its place, or the new last row, is selected).
  [[nodiscard]] bool Add();
  [[nodiscard]] bool Modify();
  [[nodiscard]] bool Delete(FinalQuestion finalQuestion);
  // The history keys of the list: a company's versions and the deleted companies. After a
  // restore or a recovery the list is read again, the same company selected, and `changed`
  // runs.
  void AttachHistory(const std::function<void()>& changed);

 private:
  void SetColumnWidths();
  void ShowCompany(int row, const CompanyRecord& company);

  QWidget& formParent_;
  CListViewEx& view_;
  CClient& client_;
  Prompter& prompter_;
};

// The row selected after row `removed` left a list that now has `rowsLeft` rows: the one
// that took its place, else the new last row; -1 when the list is empty.
int RowAfterRemoval(int removed, int rowsLeft);
