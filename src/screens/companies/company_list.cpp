#include "screens/companies/company_list.h"

#include "screens/companies/c_company_dialog.h"
#include "screens/history/record_history_keys.h"
#include "store/c_client.h"
#include "store/prompter.h"
#include "store/schema/schema_tables.h"
#include "ui/c_list_view_ex.h"

namespace {
const QString kCf = QStringLiteral("CF");
const QString kDenumire = QStringLiteral("DENUMIRE");
const QString kIndex = QStringLiteral("INDEX");
}  // namespace

CompanyList::CompanyList(QWidget& formParent, CListViewEx& view, CClient& client,
                         Prompter& prompter)
    : formParent_(formParent), view_(view), client_(client), prompter_(prompter) {}

bool CompanyList::Load() {
  const bool loaded =
      client_.Execute(QStringLiteral("SELECT s.denumire, s.cf, s.index FROM asigurati.societati "
                                     "AS s"),
                      1) == 0;
  if (loaded) {
    client_.FillList(view_.Model());
  } else {
    ListModel& model = view_.Model();
    model.DeleteAllRows();
    model.DeleteAllColumns();
    model.InsertColumn(0, kDenumire);
    model.InsertColumn(1, kCf);
    model.InsertColumn(2, kIndex, QStringLiteral("N"));
  }
  SetColumnWidths();
  view_.clearSelection();
  return loaded;
}

void CompanyList::SetColumnWidths() {
  view_.SetColumnWidth(kCf, 0);
  view_.SetColumnWidth(kDenumire, 250);
  view_.SetColumnWidth(kIndex, 0);
}

void CompanyList::ShowCompany(int row, const CompanyRecord& company) {
  view_.SetCellText(row, kCf, company.cf);
  view_.SetCellText(row, kDenumire, company.denumire);
}

int CompanyList::SelectedRow() const { return view_.SelectedRow(); }

QString CompanyList::Cf(int row) const { return view_.GetCellText(row, kCf); }

bool CompanyList::SelectCf(const QString& cf) {
  for (int row = 0; row < view_.RowCount(); ++row) {
    if (Cf(row) != cf) continue;
    view_.SelectRow(row);
    return true;
  }
  return false;
}

QString CompanyList::Denumire(int row) const { return view_.GetCellText(row, kDenumire); }

bool CompanyList::Add() {
  const std::optional<CompanyRecord> added = CCompanyDialog::Add(&formParent_, client_, prompter_);
  if (!added) return false;
  const int row = view_.Model().AppendRow();
  ShowCompany(row, *added);
  view_.SetCellInteger(row, kIndex, added->index);
  view_.SelectRow(row);
  return true;
}

bool CompanyList::Modify() {
  const int row = SelectedRow();
  if (row < 0) {
    prompter_.Inform(QStringLiteral("Trebuie sa selectezi o societate pentru a o modifica!"));
    return false;
  }
  const int index = static_cast<int>(view_.GetCellInteger(row, kIndex));
  const std::optional<CompanyRecord> modified =
      CCompanyDialog::Modify(&formParent_, client_, prompter_, index);
  if (!modified) return false;
  ShowCompany(row, *modified);
  return true;
}

bool CompanyList::Delete(FinalQuestion finalQuestion) {
  const int row = SelectedRow();
  if (row < 0) {
    prompter_.Inform(QStringLiteral("Trebuie sa selectezi o societate pentru a o sterge!"));
    return false;
  }
  if (DeleteCompanyCascade(client_, prompter_, Cf(row), finalQuestion) !=
      CompanyDeletion::kDeleted) {
    return false;
  }
  view_.Model().RemoveRow(row);
  view_.SelectRow(RowAfterRemoval(row, view_.RowCount()));
  return true;
}

int RowAfterRemoval(int removed, int rowsLeft) {
  if (rowsLeft <= 0) return -1;
  return removed < rowsLeft ? removed : rowsLeft - 1;
}

void CompanyList::AttachHistory(const std::function<void()>& changed) {
  const auto reload = [this, changed] {
    const int row = SelectedRow();
    const double index = row >= 0 ? view_.GetCellInteger(row, kIndex) : 0;
    static_cast<void>(Load());  // a failure was shown; the list stays empty
    for (int at = 0; at < view_.RowCount(); ++at) {
      if (view_.GetCellInteger(at, kIndex) == index) view_.SelectRow(at);
    }
    changed();
  };
  AttachRecordHistory(view_, formParent_, client_, prompter_,
                      {HistoryTableOf(CompaniesTable()), IndexColumn(view_, kIndex), {}, reload});
}
