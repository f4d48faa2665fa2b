#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "leave/replay/rectification_replay.h"

class CClient;

// A monthly declaration as stored in concedii.declaratii; figures in the server's text.
struct StoredDeclaration {
  QString cf;
  int luna = 0;      // MonthKey, 200906
  int rectifNr = 0;  // 0 for the initial declaration
  bool rectifying = false;
  QString workingDays;
  QString minimumWage;
  QString d;  // number of employees
  QString e;  // gross salary fund
  QString f;  // contributions owed for leave and indemnities
  QString g;  // indemnities paid from FAAMBP
  QString h;  // contributions owed from FAAMBP
  QString k;  // to recover from FNUASS for earlier months
};

// The figures D to N of a declaration: D to H as stored, the rest derived, and the indemnity
// groups behind J.
struct DeclarationTotals {
  StoredDeclaration stored;
  double i = 0;  // F + H, total owed to FNUASS
  double j = 0;  // benefits FNUASS bears, from the month's replay
  double k = 0;
  double l = 0;  // recovered from this month's contributions
  double m = 0;  // to pay to FNUASS
  double n = 0;  // to recover from FNUASS
  std::array<IndemnityGroup, kIndemnityGroupCount> groups{};
};

[[nodiscard]] DeclarationTotals ComputeDeclarationTotals(const StoredDeclaration& declaration,
                                                         const ReplayTotals& replay);

// The declaration with that index; nothing when the query fails (the client has shown why)
// or the row is gone.
[[nodiscard]] std::optional<StoredDeclaration> ReadDeclaration(CClient& client, qint64 index);

// The declaration read, its month replayed up to it and its figures derived.
[[nodiscard]] std::optional<DeclarationTotals> LoadDeclarationTotals(CClient& client, qint64 index);

// The ten lines of the declarations panel, D to N.
[[nodiscard]] QStringList DeclarationPanelLines(const DeclarationTotals& totals);
