#include <gtest/gtest.h>

#include "health/annexes/annex_naming.h"
#include "health/annexes/annex_values.h"
#include "support/register_fixture.h"

namespace {

MonthParts July2009() { return *SplitMonth(QStringLiteral("200907")); }

// Month before year in the legal names: July 2009 is 0709.
TEST(AnnexNames, SavedNamesOfBothForms) {
  struct Case {
    NamingForm form;
    Annex annex;
    const char* month;
    const char* cas;
    const char* name;
  } cases[] = {
      {NamingForm::kLegal, Annex::k1A, "200907", "CASAB", "1A_0709_12345674.dbf"},
      {NamingForm::kLegal, Annex::k1B, "200907", "CAS_B", "1B_0709_12345674.dbf"},
      {NamingForm::kLegal, Annex::k1C, "201112", "", "1C_1211_12345674.dbf"},
      {NamingForm::kByHouse, Annex::k1A, "200907", "CASAB", "CASAB_12345674_200907_anexa1A.dbf"},
      {NamingForm::kByHouse, Annex::k1B, "200907", "CASAB", "CASAB_12345674_200907_anexa1B.dbf"},
      {NamingForm::kByHouse, Annex::k1C, "200907", "CAS_B", "CAS_B_12345674_200907_anexa1C.dbf"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AnnexFileName(c.form, c.annex, *SplitMonth(QLatin1String(c.month)), kCui,
                            QLatin1String(c.cas)),
              QLatin1String(c.name));
  }
}

TEST(AnnexNames, TheNamingFormShowsLegalPrefixesInLowerCase) {
  using Names = std::array<QString, 3>;
  EXPECT_EQ(ShownFileNames(NamingForm::kLegal, July2009(), kCui, QStringLiteral("CASAB")),
            (Names{"1a_0709_12345674.dbf", "1b_0709_12345674.dbf", "1c_0709_12345674.dbf"}));
  EXPECT_EQ(ShownFileNames(NamingForm::kByHouse, July2009(), kCui, QStringLiteral("CAS_B")),
            (Names{"CAS_B_12345674_200907_anexa1A.dbf", "CAS_B_12345674_200907_anexa1B.dbf",
                   "CAS_B_12345674_200907_anexa1C.dbf"}));
}

TEST(AnnexNames, OnlyDigitsAndListedHousesBecomeNames) {
  struct Case {
    NamingForm form;
    const char* cf;
    const char* cas;
    bool usable;
  } cases[] = {
      {NamingForm::kByHouse, "12345674", "CASAB", true},
      {NamingForm::kByHouse, "12345674", "CAS_B", true},
      {NamingForm::kByHouse, "12345674", "../..", false},
      {NamingForm::kByHouse, "12345674", "CASXX", false},
      {NamingForm::kLegal, "12345674", "CASXX", true},  // the house is not in legal names
      {NamingForm::kLegal, "../1234", "CASAB", false},
      {NamingForm::kLegal, "1234 5674", "CASAB", false},
      {NamingForm::kLegal, "", "CASAB", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(UsableInFileName(c.form, QLatin1String(c.cf), QLatin1String(c.cas)), c.usable)
        << c.cf << " " << c.cas;
  }
}

TEST(AnnexNames, LegalNamesAreRefusedOnlyForTwoOrMoreHousesAtOnce) {
  struct Case {
    NamingForm form;
    HouseScope scope;
    int houses;
    bool refused;
  } cases[] = {
      {NamingForm::kLegal, HouseScope::kAll, 2, true},
      {NamingForm::kLegal, HouseScope::kAll, 1, false},
      {NamingForm::kLegal, HouseScope::kSelected, 1, false},
      {NamingForm::kByHouse, HouseScope::kAll, 5, false},
  };
  for (const Case& c : cases) {
    const auto refusal = NamingRefusal(c.form, c.scope, c.houses);
    EXPECT_EQ(refusal.has_value(), c.refused) << c.houses;
    if (refusal) {
      EXPECT_EQ(*refusal, naming_texts::kLegalForAllHouses);
    }
  }
}

TEST(AnnexValues, TradeRegisterAndRepresentativeSplits) {
  struct Case {
    const char* text;
    QStringList regCom;  // RJ, RN, RA
    QStringList repr;    // NREP, PREP
  } cases[] = {
      {"J40/1234/2003", {"J40", "1234", "2003"}, {"", "J40/1234/2003"}},
      {"POPESCU ION VASILE", {"", "", "POPESCU ION VASILE"}, {"POPESCU", "ION VASILE"}},
      {"J40/1234", {"J40", "1234", ""}, {"", "J40/1234"}},
      {"D'ANGELO", {"", "", "D'ANGELO"}, {"", "D'ANGELO"}},
      {"", {"", "", ""}, {"", ""}},
  };
  for (const Case& c : cases) {
    const RegComParts reg = SplitRegCom(QString::fromUtf8(c.text));
    const ReprParts repr = SplitRepr(QString::fromUtf8(c.text));
    EXPECT_EQ(QStringList({reg.rj, reg.rn, reg.ra}), c.regCom) << c.text;
    EXPECT_EQ(QStringList({repr.nrep, repr.prep}), c.repr) << c.text;
  }
}

}  // namespace
