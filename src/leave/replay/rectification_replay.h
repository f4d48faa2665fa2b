#pragma once

#include <QString>
#include <array>
#include <optional>
#include <span>
#include <vector>

class CClient;

// One certificate entry of a month, as its declaration holds it. A declaration without
// certificates reads as one entry with an empty CNP.
struct CertificateEntry {
  QString type;  // tip_rectif: empty in an initial declaration, else "A", "M" or "S"
  QString cnp;
  QString series;
  QString number;
  int code = 0;  // cod_indemn, 1..15
  long long benefitDays = 0;
  long long fnuassDays = 0;
  double fnuassSum = 0;
};

// The certificates of one indemnity group that FNUASS bears.
struct IndemnityGroup {
  long long cases = 0;
  long long benefitDays = 0;
  long long fnuassDays = 0;
  double fnuassSum = 0;

  bool operator==(const IndemnityGroup&) const = default;
};

// G1 temporary incapacity for work, G2 prevention of illness, G3 pregnancy and confinement,
// G4 care of a sick child, G5 maternal risk.
inline constexpr int kIndemnityGroupCount = 5;

struct ReplayTotals {
  double benefits = 0;  // J: what FNUASS bears for the certificates in force
  std::array<IndemnityGroup, kIndemnityGroupCount> groups{};
};

// The group (0 for G1 … 4 for G5) of an indemnity code, or -1 for a code outside 1..15.
int IndemnityGroupOf(int code);

// Folds a month's entries, in declaration then entry order, into J and the five groups.
[[nodiscard]] ReplayTotals FoldCertificates(std::span<const CertificateEntry> entries);

// The statement that reads the company's month for the replay: the initial declaration
// ("NU") first, then the rectifications by number, each in the order its entries were made;
// a declaration without certificates gives one row with empty certificate columns.
QString MonthCertificatesStatement(const CClient& client, const QString& cf, int luna,
                                   int upToNumber);

// The certificate entries of the company's month from its initial declaration up to the
// rectification numbered upToNumber (0: the initial one alone), in declaration then entry
// order. Nothing when the query fails (the client has shown why).
[[nodiscard]] std::optional<std::vector<CertificateEntry>> ReadMonthCertificates(CClient& client,
                                                                                 const QString& cf,
                                                                                 int luna,
                                                                                 int upToNumber);

// J and the groups after the declaration numbered upToNumber of the company's month.
[[nodiscard]] std::optional<ReplayTotals> RectificationReplay(CClient& client, const QString& cf,
                                                              int luna, int upToNumber);
