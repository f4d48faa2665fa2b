#pragma once

#include <QString>
#include <optional>
#include <vector>

class CClient;
class Prompter;

// The lists behind the printed annexes 2a, 2b and 2c of one company, house and month, read
// without a form. They share the anexa 1A, 1B and 1C decisions: a dependant linked to several
// insured persons goes with the smallest CNP, and every amount is rounded to whole lei by the
// program, one person at a time, so each printed total is the sum of the printed rows.

enum class PrintedAnnex { k2A, k2B, k2C };

// "2A", "2B", "2C".
[[nodiscard]] QString PrintedAnnexCode(PrintedAnnex annex);

// What every page head shows.
struct AnnexPrintHead {
  QString denumire;
  QString cf;
  QString regCom;
  QString repr;
  QString cas;    // the house the annex is printed for
  QString month;  // "AAAALL"
};

struct InsuredLine {
  QString cnp;
  QString nume;
  QString prenume;
  QString categoria;
  double owed = 0;  // whole lei; 0 without amounts in the month
  double paid = 0;
  QString hired;  // AAAALLZZ as stored
  QString left;
  // Shown in the preview's hidden columns only.
  QString cas;
  QString cf;
  QString month;  // of the amounts; empty without any
  QString index;
};

struct DependantLine {
  QString cnpAngajat;
  QString cnp;
  QString nume;
  QString prenume;
  QString tip;
};

struct HouseLine {
  QString cas;
  double owed = 0;  // the sum of the house's people's whole-lei amounts
  double paid = 0;
};

struct HouseSummary {
  std::vector<HouseLine> houses;
  double employerOwed = 0;
  double employerPaid = 0;
  double insuredOwed = 0;  // the sums of the house rows
  double insuredPaid = 0;
};

struct InsuredTotals {
  double owed = 0;
  double paid = 0;
};
// The sums of the printed (whole-lei) amounts.
[[nodiscard]] InsuredTotals SumInsured(const std::vector<InsuredLine>& lines);

// The company row as the page head shows it; "Eroare #1234" when it is missing. Nothing on
// a failed query (shown by the client) or a missing row.
[[nodiscard]] std::optional<AnnexPrintHead> ReadAnnexPrintHead(CClient& client, Prompter& prompter,
                                                               const QString& cf,
                                                               const QString& cas,
                                                               const QString& month);

// Insured persons of the house in the month, by name, given names and date of hiring.
[[nodiscard]] std::optional<std::vector<InsuredLine>> ReadInsuredLines(CClient& client,
                                                                       const AnnexPrintHead& head);

// Dependants of the house's insured persons, each once, by name and given names.
[[nodiscard]] std::optional<std::vector<DependantLine>> ReadDependantLines(
    CClient& client, const AnnexPrintHead& head);

// Every house of the company in the month with its insured amounts, and the employer's.
[[nodiscard]] std::optional<HouseSummary> ReadHouseSummary(CClient& client,
                                                           const AnnexPrintHead& head);
