#include "common/code_lists.h"

#include <array>

namespace {

struct County {
  const char* code;
  const char* name;
};

constexpr std::array<County, kCountyCount> kCounties = {{
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
}};

// Houses by their two-character part and the name the drop-down shows after it.
struct House {
  const char* shortCode;
  const char* name;
};

constexpr int kHarghitaPosition = 23;

constexpr std::array<House, kHouseCount> kHouses = {{
    {"_B", "Bucuresti"},
    {"_T", "Transporturilor"},
    {"_A", "opsnaj"},
    {"AB", "Alba"},
    {"AR", "Arad"},
    {"AG", "Arges"},
    {"BC", "Bacau"},
    {"BH", "Bihor"},
    {"BN", "Bistrita-Nasaud"},
    {"BT", "Botosani"},
    {"BV", "Brasov"},
    {"BR", "Braila"},
    {"BZ", "Buzau"},
    {"CS", "Caras-Severin"},
    {"CL", "Calarasi"},
    {"CJ", "Cluj"},
    {"CT", "Constanta"},
    {"CV", "Covasna"},
    {"DB", "Dambovita"},
    {"DJ", "Dolj"},
    {"GL", "Galati"},
    {"GR", "Giurgiu"},
    {"GJ", "Gorj"},
    {"HR", "Harghita"},
    {"HD", "Hunedoara"},
    {"IL", "Ialomita"},
    {"IS", "Iasi"},
    {"IF", "Ilfov"},
    {"MM", "Maramures"},
    {"MH", "Mehedinti"},
    {"MS", "Mures"},
    {"NT", "Neamt"},
    {"OT", "Olt"},
    {"PH", "Prahova"},
    {"SM", "Satu Mare"},
    {"SJ", "Salaj"},
    {"SB", "Sibiu"},
    {"SV", "Suceava"},
    {"TR", "Teleorman"},
    {"TM", "Timis"},
    {"TL", "Tulcea"},
    {"VS", "Vaslui"},
    {"VL", "Valcea"},
    {"VN", "Vrancea"},
}};

bool InList(int position, int count) { return position >= 0 && position < count; }

QString HouseShortCode(int position, bool harghitaAsHG) {
  if (position == kHarghitaPosition && harghitaAsHG) return QStringLiteral("HG");
  return QLatin1String(kHouses[position].shortCode);
}

}  // namespace

QString CountyCode(int position) {
  if (!InList(position, kCountyCount)) return QStringLiteral("??");
  return QLatin1String(kCounties[position].code);
}

QString CountyName(int position) {
  if (!InList(position, kCountyCount)) return QStringLiteral("??");
  return QLatin1String(kCounties[position].name);
}

int CountyIndex(const QString& code) {
  for (int i = 0; i < kCountyCount; ++i) {
    if (code == QLatin1String(kCounties[i].code)) return i;
  }
  return -1;
}

QString HouseCode(int position, HouseList list) {
  if (!InList(position, kHouseCount)) return QStringLiteral("?????");
  return QStringLiteral("CAS") + HouseShortCode(position, list == HouseList::kCertificate);
}

int HouseIndex(const QString& code, HouseList list) {
  for (int i = 0; i < kHouseCount; ++i) {
    if (code == HouseCode(i, list)) return i;
  }
  return -1;
}

QString HouseListText(int position, HarghitaText harghita) {
  if (!InList(position, kHouseCount)) return {};
  return HouseShortCode(position, harghita == HarghitaText::kHG) + QStringLiteral(" - ") +
         QLatin1String(kHouses[position].name);
}

QString CountyChoiceText(int position) {
  if (position == kBucharestCounty) return QStringLiteral("BUCURESTI");
  return CountyName(position).toUpper();
}
