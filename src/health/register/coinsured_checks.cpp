#include "health/register/coinsured_checks.h"

#include "common/identifiers.h"

Refusal DependantFieldsProblem(const QString& cnp, const QString& nume, const QString& prenume) {
  if (!CheckCnp(cnp)) return QStringLiteral("CNP-ul coasiguratului este incorect!");
  if (nume.trimmed().isEmpty() || prenume.trimmed().isEmpty()) {
    return QStringLiteral("Trebuie sa introduci numele si prenumele coasiguratului!");
  }
  return std::nullopt;
}

QString DependantTakenMessage(const QString& nume, const QString& prenume,
                              const QString& denumire) {
  return QStringLiteral(
             "CNP-ul coasiguratului introdus figureaza deja ca si coasigurat al asiguratului:\n") +
         nume + u' ' + prenume + QStringLiteral("\nla societatea:\n") + denumire;
}

QString DependantInsuredQuestion(const QString& denumire) {
  return QStringLiteral("CNP-ul coasiguratului introdus figureaza ca asigurat la societatea: ") +
         denumire + QStringLiteral("\n\nVrei sa continui?");
}

QString TipOf(int position) { return position == 1 ? QStringLiteral("P") : QStringLiteral("S"); }

int TipPosition(const QString& tip) { return tip == QLatin1String("P") ? 1 : 0; }
