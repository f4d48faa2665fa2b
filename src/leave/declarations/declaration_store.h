#pragma once

#include <QString>
#include <optional>

#include "leave/replay/declaration_figures.h"

class CClient;

// What a declaration is within its month: the initial one, or the rectification numbered
// `number` (1, 2, ...).
struct DeclarationKind {
  bool rectifying = false;
  int number = 0;  // 0 for the initial declaration

  bool operator==(const DeclarationKind&) const = default;
};

// A declaration as the form stored it, as the declarations list shows it.
struct SavedDeclaration {
  qint64 index = 0;
  int luna = 0;  // MonthKey
  DeclarationKind kind;
};

// The kind a new declaration of the company's month takes: the initial one when the month
// has none, else the rectification after the last one. Nothing when the query fails (shown).
[[nodiscard]] std::optional<DeclarationKind> NextDeclarationKind(CClient& client, const QString& cf,
                                                                 int luna);

// The month's declaration in force: its last rectification, else the initial one. An empty
// optional inside when the month has none; nothing when the query failed (shown).
[[nodiscard]] std::optional<std::optional<SavedDeclaration>> LatestDeclaration(CClient& client,
                                                                               const QString& cf,
                                                                               int luna);

// Writes the form's values: a new declaration of the company (cf, month and kind on insert
// only), or the figures of the declaration with this index. The new or modified row's
// index; nothing when the write failed (shown).
[[nodiscard]] std::optional<qint64> InsertDeclaration(CClient& client, const QString& cf,
                                                      const DeclarationFormValues& values,
                                                      const DeclarationKind& kind);
[[nodiscard]] bool UpdateDeclaration(CClient& client, qint64 index,
                                     const DeclarationFormValues& values);

// Whether the declaration with this index may be deleted: only the last of its month may.
// Nothing when a query failed (shown).
enum class DeclarationDeletion { kLast, kLaterRectification };
[[nodiscard]] std::optional<DeclarationDeletion> CanDeleteDeclaration(CClient& client,
                                                                      qint64 index);
// Deletes the declaration with this index and its certificates, after their audit copies
// ("D", with one copy time). True when it is gone.
[[nodiscard]] bool DeleteDeclaration(CClient& client, qint64 index);

// The statements of the declarations panel's two lower lists.
[[nodiscard]] QString CompanyDeclarationsStatement(const CClient& client, const QString& cf);
[[nodiscard]] QString DeclarationCertificatesStatement(qint64 index);
