#pragma once

#include <QString>
#include <optional>

class CClient;

// The statements of the report wizard's last step. A failed statement has already been shown
// by the client.

// The houses of the company's insured persons present in the month (CAS, CASA), ordered by
// code, kept as the client's last result.
[[nodiscard]] bool QueryCompanyHouses(CClient& client, const QString& cf, int month);

// The same for every company at once: (CF, CAS) of each company's houses in the month,
// ordered by company and code, kept as the client's last result. For work over many
// companies, where a statement per company would cost more than its files.
[[nodiscard]] bool QueryMonthHouses(CClient& client, int month);

// How many employment records of the company, of one house when `cas` is not empty, fall in
// the month; nothing when the statement failed or gave no row.
[[nodiscard]] std::optional<QString> CountInsured(CClient& client, const QString& cf,
                                                  const QString& cas, int month);
