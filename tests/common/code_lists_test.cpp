#include <gtest/gtest.h>

#include "common/code_lists.h"

namespace {

// The drop-down texts of the house lists, as the houses publish them (Harghita as on the
// form that adds an insured person).
const char* const kHouseTexts[] = {
    "_B - Bucuresti",
    "_T - Transporturilor",
    "_A - opsnaj",
    "AB - Alba",
    "AR - Arad",
    "AG - Arges",
    "BC - Bacau",
    "BH - Bihor",
    "BN - Bistrita-Nasaud",
    "BT - Botosani",
    "BV - Brasov",
    "BR - Braila",
    "BZ - Buzau",
    "CS - Caras-Severin",
    "CL - Calarasi",
    "CJ - Cluj",
    "CT - Constanta",
    "CV - Covasna",
    "DB - Dambovita",
    "DJ - Dolj",
    "GL - Galati",
    "GR - Giurgiu",
    "GJ - Gorj",
    "HR - Harghita",
    "HD - Hunedoara",
    "IL - Ialomita",
    "IS - Iasi",
    "IF - Ilfov",
    "MM - Maramures",
    "MH - Mehedinti",
    "MS - Mures",
    "NT - Neamt",
    "OT - Olt",
    "PH - Prahova",
    "SM - Satu Mare",
    "SJ - Salaj",
    "SB - Sibiu",
    "SV - Suceava",
    "TR - Teleorman",
    "TM - Timis",
    "TL - Tulcea",
    "VS - Vaslui",
    "VL - Valcea",
    "VN - Vrancea",
};

const char* const kCounties[][2] = {
    {"AB", "Alba"},          {"AR", "Arad"},
    {"AG", "Arges"},         {"BC", "Bacau"},
    {"BH", "Bihor"},         {"BN", "Bistrita-Nasaud"},
    {"BT", "Botosani"},      {"BR", "Braila"},
    {"BV", "Brasov"},        {"MB", "Municipiul Bucuresti"},
    {"BZ", "Buzau"},         {"CL", "Calarasi"},
    {"CS", "Caras Severin"}, {"CJ", "Cluj"},
    {"CT", "Constanta"},     {"CV", "Covasna"},
    {"DB", "Dambovita"},     {"DJ", "Dolj"},
    {"GL", "Galati"},        {"GR", "Giurgiu"},
    {"GJ", "Gorj"},          {"HR", "Harghita"},
    {"HD", "Hunedoara"},     {"IL", "Ialomita"},
    {"IS", "Iasi"},          {"IF", "Ilfov"},
    {"MM", "Maramures"},     {"MH", "Mehedinti"},
    {"MS", "Mures"},         {"NT", "Neamt"},
    {"OT", "Olt"},           {"PH", "Prahova"},
    {"SJ", "Salaj"},         {"SM", "Satu Mare"},
    {"SB", "Sibiu"},         {"SV", "Suceava"},
    {"TR", "Teleorman"},     {"TM", "Timis"},
    {"TL", "Tulcea"},        {"VL", "Valcea"},
    {"VS", "Vaslui"},        {"VN", "Vrancea"},
};

TEST(Counties, EveryPositionCodeAndName) {
  ASSERT_EQ(std::size(kCounties), static_cast<size_t>(kCountyCount));
  for (int i = 0; i < kCountyCount; ++i) {
    EXPECT_EQ(CountyCode(i), QLatin1String(kCounties[i][0])) << i;
    EXPECT_EQ(CountyName(i), QLatin1String(kCounties[i][1])) << i;
    EXPECT_EQ(CountyIndex(QLatin1String(kCounties[i][0])), i) << i;
  }
}

TEST(Counties, OutsideTheList) {
  for (const int position : {-1, 42, 1000}) {
    EXPECT_EQ(CountyCode(position), QStringLiteral("??"));
    EXPECT_EQ(CountyName(position), QStringLiteral("??"));
  }
  for (const char* code : {"ab", "AB ", "", "B", "XX"}) {
    EXPECT_EQ(CountyIndex(QLatin1String(code)), -1) << code;
  }
}

TEST(Houses, EveryPositionInBothLists) {
  ASSERT_EQ(std::size(kHouseTexts), static_cast<size_t>(kHouseCount));
  for (int i = 0; i < kHouseCount; ++i) {
    const QString text = QLatin1String(kHouseTexts[i]);
    const QString code = QStringLiteral("CAS") + text.left(2);
    EXPECT_EQ(HouseListText(i, HarghitaText::kHR), text) << i;
    EXPECT_EQ(HouseCode(i, HouseList::kRegister), code) << i;
    EXPECT_EQ(HouseIndex(code, HouseList::kRegister), i) << i;
    if (i == 23) continue;
    EXPECT_EQ(HouseListText(i, HarghitaText::kHG), text) << i;
    EXPECT_EQ(HouseCode(i, HouseList::kCertificate), code) << i;
    EXPECT_EQ(HouseIndex(code, HouseList::kCertificate), i) << i;
  }
}

TEST(Houses, HarghitaDiffersBetweenTheLists) {
  EXPECT_EQ(HouseCode(23, HouseList::kRegister), QStringLiteral("CASHR"));
  EXPECT_EQ(HouseCode(23, HouseList::kCertificate), QStringLiteral("CASHG"));
  EXPECT_EQ(HouseIndex(QStringLiteral("CASHG"), HouseList::kRegister), -1);
  EXPECT_EQ(HouseIndex(QStringLiteral("CASHG"), HouseList::kCertificate), 23);
  EXPECT_EQ(HouseIndex(QStringLiteral("CASHR"), HouseList::kCertificate), -1);
  EXPECT_EQ(HouseListText(23, HarghitaText::kHG), QStringLiteral("HG - Harghita"));
}

TEST(Houses, OutsideTheList) {
  for (const int position : {-1, 44}) {
    EXPECT_EQ(HouseCode(position, HouseList::kRegister), QStringLiteral("?????"));
    EXPECT_EQ(HouseCode(position, HouseList::kCertificate), QStringLiteral("?????"));
    EXPECT_EQ(HouseListText(position, HarghitaText::kHR), QString());
  }
  for (const char* code : {"casab", "CASAB ", "", "?????", "CAS"}) {
    EXPECT_EQ(HouseIndex(QLatin1String(code), HouseList::kRegister), -1) << code;
  }
}

}  // namespace
