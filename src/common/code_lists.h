#pragma once

#include <QString>

// The fixed lists of counties and of health-insurance houses (CAS), in the order of the
// forms' drop-down lists.

constexpr int kCountyCount = 42;
constexpr int kHouseCount = 44;

// Two-letter county code ("AB"); "??" outside the list.
QString CountyCode(int position);
// County name ("Alba"); "??" outside the list.
QString CountyName(int position);
// Position of a county code (exact comparison), -1 when not in the list.
[[nodiscard]] int CountyIndex(const QString& code);

// Bucharest's position in the county list: the only county divided into sectors.
inline constexpr int kBucharestCounty = 9;

// The text of a county in the forms' "Judet:" drop-down: "ALBA" ... "VRANCEA", Bucharest as
// "BUCURESTI"; "??" outside the list.
QString CountyChoiceText(int position);

// The house list exists twice, differing only at position 23 (Harghita): the register
// (insured persons, amounts, health reports) knows it as CASHR, the medical certificates
// as CASHG.
enum class HouseList { kRegister, kCertificate };

// Five-character house code ("CAS_B", "CASAB"); "?????" outside the list.
QString HouseCode(int position, HouseList list);
// Position of a house code in the list (exact comparison), -1 when not in it.
[[nodiscard]] int HouseIndex(const QString& code, HouseList list);

// How position 23 reads in a drop-down: "HR - Harghita" on the form that adds an insured
// person, "HG - Harghita" everywhere else, whichever code list is behind it.
enum class HarghitaText { kHR, kHG };

// The drop-down text of a house ("AB - Alba"); empty outside the list.
QString HouseListText(int position, HarghitaText harghita);
