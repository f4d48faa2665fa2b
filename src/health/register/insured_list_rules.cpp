#include "health/register/insured_list_rules.h"

#include <array>

namespace {

struct Refusals {
  const char* nothingSelected;
  const char* liquidated;  // nullptr: allowed on a liquidated record
};

constexpr std::array<Refusals, 8> kRefusals = {{
    {"Trebuie sa selectezi un asigurat pentru a-l modifica!", nullptr},
    {"Trebuie sa selectezi un asigurat pentru a-l lichida!",
     "Trebuie sa selectezi un asigurat existent pentru a-l lichida!"},
    {"Trebuie sa selectezi un asigurat pentru a-i modifica forma de angajare!",
     "Trebuie sa selectezi un asigurat existent pentru a-i modifica forma de angajare!"},
    {"Trebuie sa selectezi un asigurat pentru a-i schimba casa de asigurari!",
     "Trebuie sa selectezi un asigurat existent pentru a-i schimba casa de asigurari!"},
    {"Trebuie sa selectezi un asigurat pentru a-l sterge!", nullptr},
    {"Trebuie sa selectezi un asigurat pentru a adauga un coasigurat!",
     "Asiguratul selectat este lichidat si, prin urmare, nu se pot adauga coasigurati noi!"},
    {"Trebuie sa selectezi un coasigurat pentru a-l modifica!",
     "Asiguratul selectat este lichidat si, prin urmare, nu se pot modifica coasigurati!"},
    {"Trebuie sa selectezi un coasigurat pentru a-l sterge!", nullptr},
}};

}  // namespace

Refusal ActionRefusal(ListAction action, bool selected, bool liquidated) {
  const Refusals& refusals = kRefusals.at(static_cast<size_t>(action));
  if (!selected) return QLatin1String(refusals.nothingSelected);
  if (liquidated && refusals.liquidated != nullptr) return QLatin1String(refusals.liquidated);
  return std::nullopt;
}

QString FilterText(int filter) {
  switch (filter) {
    case 1:
      return QStringLiteral("numai asigurati existenti");
    case 2:
      return QStringLiteral("numai asigurati lichidati");
    default:
      return QStringLiteral("toate inregistrarile");
  }
}
