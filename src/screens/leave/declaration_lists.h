#pragma once

#include <QString>

class CClient;
class CListViewEx;
struct SavedDeclaration;

// The two lower lists of the declarations panel: a company's monthly declarations (each
// month's initial one, then its rectifications by number) and a declaration's certificates.

// Gives an empty list its columns, so its header shows before the first fill.
void PrepareDeclarationsList(CListViewEx& view);
void PrepareCertificatesList(CListViewEx& view);

// Refills the list; false when the query failed (shown), the list then stays empty.
[[nodiscard]] bool FillDeclarations(CClient& client, CListViewEx& view, const QString& cf);
[[nodiscard]] bool FillCertificates(CClient& client, CListViewEx& view, qint64 declaration);

// Shows a declaration the form stored in its month's place: after the declarations of its
// month and of the months before. Returns its row.
int InsertDeclarationRow(CListViewEx& view, const SavedDeclaration& declaration);

// The INDEX of a declarations list row.
qint64 DeclarationIndexAt(const CListViewEx& view, int row);
