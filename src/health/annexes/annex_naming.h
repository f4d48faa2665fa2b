#pragma once

#include <QString>
#include <array>
#include <optional>

#include "common/check_result.h"
#include "health/annexes/annex_values.h"

// Names of the anexa 1A, 1B and 1C files and the texts of the form that chooses them.

enum class Annex { k1A, k1B, k1C };
inline constexpr std::array<Annex, 3> kAnnexes = {Annex::k1A, Annex::k1B, Annex::k1C};

enum class NamingForm {
  kLegal,    // 1A_LLAA_CF.dbf: one set of names per company and month
  kByHouse,  // CAS_CF_AAAALL_anexa1A.dbf
};

// One house, or every house of the company in the month.
enum class HouseScope { kSelected, kAll };

namespace naming_texts {
inline const QString kTitle = QStringLiteral("Selecteaza forma denumirii fisierelor");
inline const QString kQuestion = QStringLiteral("Cum doresti sa fie denumire fisierele salvate?");
inline const QString kLegalRadio =
    QStringLiteral("de forma: 1a_LLAA_CUI.dbf (denumirea impusa prin lege)");
inline const QString kByHouseRadio = QStringLiteral("de forma: CAS_1a_AAAALL_CUI.dbf");
inline const QString kNamesCaption = QStringLiteral("fisierele vor fi denumite:");
inline const QString kSaveButton = QStringLiteral("Salveaza fisierele");
inline const QString kCancelButton = QStringLiteral("[ESC]   Renunta");
// Every house would write the same three names, each replacing the previous house's files.
inline const QString kLegalForAllHouses = QStringLiteral(
    "Cu denumirea impusa prin lege fisierele tuturor caselor de asigurari ar avea acelasi "
    "nume!\nAlege denumirea de forma CAS_1a_AAAALL_CUI.dbf sau salveaza pe rand fiecare casa "
    "de asigurari.");
inline const QString kUnusableInName =
    QStringLiteral("Codul fiscal sau casa de asigurari nu pot fi folosite in numele fisierului!");
}  // namespace naming_texts

// "1A", "1B" or "1C".
[[nodiscard]] QString AnnexPartName(Annex annex);

// The name a file is saved under (no folder).
[[nodiscard]] QString AnnexFileName(NamingForm form, Annex annex, const MonthParts& month,
                                    const QString& cf, const QString& cas);

// The annex a file holds, told by its name in either form (letter case aside, as a copy
// onto some media changes it); nothing for any other name.
[[nodiscard]] std::optional<Annex> AnnexOfFileName(const QString& name);

// The three names the naming form lists under a radio: the legal ones with the lower-case
// prefixes "1a_", "1b_", "1c_", the by-house ones as saved. `cas` is empty when no house
// is selected.
[[nodiscard]] std::array<QString, 3> ShownFileNames(NamingForm form, const MonthParts& month,
                                                    const QString& cf, const QString& cas);

// The naming form's refusal of a choice (it then stays open), or nothing.
[[nodiscard]] Refusal NamingRefusal(NamingForm form, HouseScope scope, int houseCount);

// A fiscal code of digits only and, when names carry the house, a house of the list: a
// value of old data that could reach outside the folder never becomes part of a path.
[[nodiscard]] bool UsableInFileName(NamingForm form, const QString& cf, const QString& cas);
