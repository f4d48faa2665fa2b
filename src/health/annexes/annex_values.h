#pragma once

#include <QString>
#include <optional>

// The values every record of a company's anexa 1A, 1B and 1C files repeats, derived once
// per save from the report month and the company row.

// A report month "AAAALL" in the pieces the files and their names use.
struct MonthParts {
  QString month;     // "200907"
  QString ll;        // "07"
  QString aaaa;      // "2009"
  QString aa;        // "09"
  QString firstDay;  // "20090701", compared with the employment dates
  QString lastDay;   // "20090731" for every month, whatever its length
};

// Six digits with a month 01 to 12, or nothing.
[[nodiscard]] std::optional<MonthParts> SplitMonth(const QString& month);

// The trade-register number J40/1234/2003 as county letter and code, number and year. With no
// "/" the whole text is the year part; with one "/" there is no year.
struct RegComParts {
  QString rj;
  QString rn;
  QString ra;
};
[[nodiscard]] RegComParts SplitRegCom(const QString& regCom);

// The representative, surname first: the surname up to the first blank, the given names
// after it. Without a blank the whole text counts as given names.
struct ReprParts {
  QString nrep;
  QString prep;
};
[[nodiscard]] ReprParts SplitRepr(const QString& repr);

struct AnnexHeader {
  MonthParts month;
  QString cf;
  RegComParts regCom;
  ReprParts repr;
};

// The text written for a stored amount: whole lei by RoundLei; no amount stays blank.
[[nodiscard]] QString WrittenAmount(const QString& stored);
// The same as a number for sums; nothing for a blank.
[[nodiscard]] std::optional<double> WrittenAmountValue(const QString& stored);
