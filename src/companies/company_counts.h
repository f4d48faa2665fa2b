#pragma once

#include <QString>

class CClient;

// The four live figures the health screen shows for the current company, as the server
// returned them.
struct CompanyCounts {
  QString houses;      // "Case de asigurari:" - houses of the active insured persons
  QString active;      // "Asigurati existenti:"
  QString liquidated;  // "Asigurati lichidati:"
  QString dependants;  // "Coasigurati existenti:" - of insured persons still active
};

// Runs the four count queries for the company with this fiscal code. False on the first
// failing query (already shown), with the figures read before it kept.
[[nodiscard]] bool ComputeCompanyCounts(CClient& client, const QString& cf, CompanyCounts& counts);
