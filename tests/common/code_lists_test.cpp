#include <gtest/gtest.h>

#include <set>

#include "common/code_lists.h"

namespace {

// Positions where the two lists are easily confused with each other or with the counties.
TEST(Counties, PositionsCodesAndNames) {
  const std::tuple<int, const char*, const char*> cases[] = {
      {0, "AB", "Alba"},           {9, "MB", "Municipiul Bucuresti"},
      {12, "CS", "Caras Severin"}, {21, "HR", "Harghita"},
      {32, "SJ", "Salaj"},         {33, "SM", "Satu Mare"},
      {39, "VL", "Valcea"},        {40, "VS", "Vaslui"},
      {41, "VN", "Vrancea"},
  };
  for (const auto& [position, code, name] : cases) {
    EXPECT_EQ(CountyCode(position), QLatin1String(code)) << position;
    EXPECT_EQ(CountyName(position), QLatin1String(name)) << position;
  }
}

TEST(Counties, EveryCodeFindsItsOwnPositionOnce) {
  std::set<QString> codes;
  for (int i = 0; i < kCountyCount; ++i) {
    codes.insert(CountyCode(i));
    EXPECT_EQ(CountyIndex(CountyCode(i)), i) << i;
  }
  EXPECT_EQ(codes.size(), 42u);
  for (const int position : {-1, 42, 1000}) {
    EXPECT_EQ(CountyCode(position), QStringLiteral("??"));
    EXPECT_EQ(CountyName(position), QStringLiteral("??"));
  }
  for (const char* code : {"ab", "AB ", "", "B", "XX"})
    EXPECT_EQ(CountyIndex(QLatin1String(code)), -1);
}

TEST(Houses, PositionsCodesAndListTexts) {
  const std::tuple<int, const char*, const char*> cases[] = {
      {0, "CAS_B", "_B - Bucuresti"},  {1, "CAS_T", "_T - Transporturilor"},
      {2, "CAS_A", "_A - opsnaj"},     {10, "CASBV", "BV - Brasov"},
      {11, "CASBR", "BR - Braila"},    {13, "CASCS", "CS - Caras-Severin"},
      {34, "CASSM", "SM - Satu Mare"}, {35, "CASSJ", "SJ - Salaj"},
      {41, "CASVS", "VS - Vaslui"},    {42, "CASVL", "VL - Valcea"},
      {43, "CASVN", "VN - Vrancea"},
  };
  for (const auto& [position, code, text] : cases) {
    EXPECT_EQ(HouseCode(position, HouseList::kRegister), QLatin1String(code)) << position;
    EXPECT_EQ(HouseCode(position, HouseList::kCertificate), QLatin1String(code)) << position;
    EXPECT_EQ(HouseListText(position, HarghitaText::kHR), QLatin1String(text)) << position;
    EXPECT_EQ(HouseListText(position, HarghitaText::kHG), QLatin1String(text)) << position;
  }
}

TEST(Houses, EveryCodeFindsItsOwnPositionOnceAndMatchesItsText) {
  for (const HouseList list : {HouseList::kRegister, HouseList::kCertificate}) {
    std::set<QString> codes;
    for (int i = 0; i < kHouseCount; ++i) {
      const QString code = HouseCode(i, list);
      codes.insert(code);
      EXPECT_EQ(HouseIndex(code, list), i) << i;
      EXPECT_EQ(code.mid(3, 2), HouseListText(i, list == HouseList::kRegister ? HarghitaText::kHR
                                                                              : HarghitaText::kHG)
                                    .left(2))
          << i;
    }
    EXPECT_EQ(codes.size(), 44u);
  }
}

TEST(Houses, HarghitaDiffersBetweenTheLists) {
  EXPECT_EQ(HouseCode(23, HouseList::kRegister), QStringLiteral("CASHR"));
  EXPECT_EQ(HouseCode(23, HouseList::kCertificate), QStringLiteral("CASHG"));
  EXPECT_EQ(HouseIndex(QStringLiteral("CASHG"), HouseList::kRegister), -1);
  EXPECT_EQ(HouseIndex(QStringLiteral("CASHG"), HouseList::kCertificate), 23);
  EXPECT_EQ(HouseIndex(QStringLiteral("CASHR"), HouseList::kCertificate), -1);
  EXPECT_EQ(HouseListText(23, HarghitaText::kHR), QStringLiteral("HR - Harghita"));
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
