#pragma once

#include <QString>

#include "health/annexes/annex_values.h"

class CClient;

// The statements behind the anexa 1A, 1B and 1C files, one function each. Every value is
// quoted or checked by the client's helpers, so a representative named D'ANGELO or an old
// code cannot break or change a statement.

// The company row, with REG_COM and REPR.
[[nodiscard]] QString CompanyRowStatement(const CClient& client, const QString& cf);

// Insured persons of one house in the month, in the 1A field order; SDL and SVL as stored.
[[nodiscard]] QString Annex1AStatement(const CClient& client, const AnnexHeader& header,
                                       const QString& cas);

// The printed 2a list of one house: the same persons and order as the 1A statement, with
// the house, the company, the month of the amounts (empty without any) and the record's index.
[[nodiscard]] QString Annex2AListStatement(const CClient& client, const AnnexHeader& header,
                                           const QString& cas);

// One row per dependant of the house's insured persons, in the 1B field order, taken from
// the dependant's link to the insured person with the smallest CNP.
[[nodiscard]] QString Annex1BStatement(const CClient& client, const AnnexHeader& header,
                                       const QString& cas);

// Every insured person of the company in the month with the stored amounts (CF, CAS, SDL,
// SVL), ordered by house: the 1C records are their sums per house.
[[nodiscard]] QString Annex1CAmountsStatement(const CClient& client, const AnnexHeader& header);

// The employer's amounts of the month (DATORAT, VIRAT).
[[nodiscard]] QString EmployerAmountsStatement(const CClient& client, const AnnexHeader& header);
