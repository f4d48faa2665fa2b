#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

#include "common/check_result.h"

// The rules of the two import layouts that need no database: the file's fields, the
// company's fiscal code and each record's values. Each "Problem" function returns the text
// shown for the first rule that fails, or nothing.

// A record's field texts by field name, as read from the file.
using ImportFields = QHash<QString, QString>;

// The field names of the external-source layout, in file order.
const QStringList& ExternalFieldNames();
// The two anexa 1A layouts, told apart by their field count (16 or 19).
const QStringList& PreviousFieldNames(int count);

[[nodiscard]] Refusal ExternalHeaderProblem(const QStringList& names);
[[nodiscard]] Refusal PreviousHeaderProblem(const QStringList& names);
QString NoRecordsMessage();
QString BadFiscalCodeMessage();

// The company's code as the file gives it, trimmed, without the "R" or "RO" some programs
// put in front.
[[nodiscard]] QString ImportCompanyCode(const QString& text);
// The same, or nothing when it is neither a fiscal code nor a CNP.
[[nodiscard]] std::optional<QString> ImportFiscalCode(const QString& text);

// Why a record cannot become an insured person: its CNP, its hiring date (eight
// characters year month day) and its employment form, checked in that order. The
// external source takes the eight forms of the register, the anexa 1A only the six it
// reports.
[[nodiscard]] Refusal ExternalRecordProblem(const QString& cnp, const QString& hiring,
                                            const QString& form);
[[nodiscard]] Refusal PreviousRecordProblem(const QString& cnp, const QString& hiring,
                                            const QString& form);
// A name longer than its column in the register: stored cut, it would silently become
// another name. Names the field and the most the register keeps.
[[nodiscard]] Refusal ImportLengthProblem(const ImportFields& fields);
// An anexa 1A liquidation date: what "Verifica anexa A" accepts (a calendar date, or no date
// for a person still employed), so that a file that passes the check imports whole.
[[nodiscard]] Refusal LiquidationProblem(const QString& liquidation);
// IESIRE as stored: the date, or "0" for a person still employed.
QString StoredLiquidation(const QString& liquidation);

// The house an external-source record is stored with: the register's code, the old
// Harghita code CASHG as CASHR, anything outside the list as CAS_B.
QString ImportHouse(const QString& code);

// Whether six characters year month name a real month.
[[nodiscard]] bool IsAmountsMonth(const QString& month);
// The anexa 1A month of the amounts: the year followed by the month on two digits.
QString PreviousAmountsMonth(const QString& an, const QString& ln);

// An amount as the file reader gives it ("1234,5", ",5", "-3"), blanks around ignored;
// empty is 0. Nothing when it is not a number.
[[nodiscard]] std::optional<double> ImportAmount(const QString& text);
// How the register stores a wage: a point before the decimals, no trailing zeros.
QString StoredWage(double amount);
// How the register stores a contribution: whole lei.
QString StoredContribution(double amount);

// The texts appended to a record's status.
QString BadMonthText();
QString BadAmountText(const QString& field);
