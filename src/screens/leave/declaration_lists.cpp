#include "screens/leave/declaration_lists.h"

#include "leave/declarations/declaration_store.h"
#include "store/c_client.h"
#include "ui/c_list_view_ex.h"

namespace {

const QString kLuna = QStringLiteral("LUNA");
const QString kRectif = QStringLiteral("RECTIF");
const QString kNr = QStringLiteral("NR");
const QString kIndex = QStringLiteral("INDEX");

void SetDeclarationWidths(CListViewEx& view) {
  view.SetColumnWidth(kLuna, 70);
  view.SetColumnKind(kLuna, QStringLiteral("2"));  // shown as a month
  view.SetColumnWidth(kRectif, 60);
  view.SetColumnWidth(kNr, 50);
  view.SetColumnWidth(kIndex, 0);
}

void SetCertificateWidths(CListViewEx& view) {
  view.SetColumnWidth(QStringLiteral("CNP"), 105);
  view.SetColumnWidth(kIndex, 0);
}

void SetColumns(CListViewEx& view, std::initializer_list<const char*> names) {
  ListModel& model = view.Model();
  model.DeleteAllRows();
  model.DeleteAllColumns();
  int position = 0;
  for (const char* name : names) model.InsertColumn(position++, QLatin1String(name));
}

// The rows of the statement, or no rows when it failed (shown by the client).
bool Fill(CClient& client, CListViewEx& view, const QString& sql) {
  if (client.Execute(sql, 1) != 0) {
    view.Model().DeleteAllRows();
    return false;
  }
  client.FillList(view.Model());
  return true;
}

}  // namespace

void PrepareDeclarationsList(CListViewEx& view) {
  SetColumns(view, {"LUNA", "RECTIF", "NR", "INDEX"});
  SetDeclarationWidths(view);
}

void PrepareCertificatesList(CListViewEx& view) {
  SetColumns(view, {"TIP", "CNP", "PRENUME", "NUME", "CAS", "CERT_SERIE", "CERT_NUMAR",
                    "CERT_INIT_SERIE", "CERT_INIT_NUMAR", "COD_INDEMN", "ZILE_LUCRATOARE",
                    "ZILE_LUCRATE", "ZILE_PRESTATII", "ZILE_FNUASS", "SUMA_FNUASS", "INDEX"});
  SetCertificateWidths(view);
}

bool FillDeclarations(CClient& client, CListViewEx& view, const QString& cf) {
  const bool filled = Fill(client, view, CompanyDeclarationsStatement(client, cf));
  SetDeclarationWidths(view);
  return filled;
}

bool FillCertificates(CClient& client, CListViewEx& view, qint64 declaration) {
  const bool filled = Fill(client, view, DeclarationCertificatesStatement(declaration));
  SetCertificateWidths(view);
  return filled;
}

int InsertDeclarationRow(CListViewEx& view, const SavedDeclaration& declaration) {
  int row = 0;
  while (row < view.RowCount() && view.GetCellInteger(row, kLuna) <= declaration.luna) ++row;
  view.Model().InsertRow(row);
  view.SetCellText(row, kLuna, QString::number(declaration.luna));
  const bool rectifying = declaration.kind.rectifying;
  view.SetCellText(row, kRectif, rectifying ? QStringLiteral("DA") : QStringLiteral("NU"));
  view.SetCellText(row, kNr, rectifying ? QString::number(declaration.kind.number) : QString());
  view.SetCellText(row, kIndex, QString::number(declaration.index));
  return row;
}

qint64 DeclarationIndexAt(const CListViewEx& view, int row) {
  return static_cast<qint64>(view.GetCellInteger(row, kIndex));
}
