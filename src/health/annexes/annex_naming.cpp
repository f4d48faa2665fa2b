#include "health/annexes/annex_naming.h"

#include <QRegularExpression>

#include "common/code_lists.h"

namespace {

QString LegalPrefix(Annex annex) {
  switch (annex) {
    case Annex::k1A:
      return QStringLiteral("1A_");
    case Annex::k1B:
      return QStringLiteral("1B_");
    case Annex::k1C:
      return QStringLiteral("1C_");
  }
  return {};
}

QString ByHouseSuffix(Annex annex) {
  switch (annex) {
    case Annex::k1A:
      return QStringLiteral("_anexa1A.dbf");
    case Annex::k1B:
      return QStringLiteral("_anexa1B.dbf");
    case Annex::k1C:
      return QStringLiteral("_anexa1C.dbf");
  }
  return {};
}

}  // namespace

QString AnnexPartName(Annex annex) { return LegalPrefix(annex).chopped(1); }

QString AnnexFileName(NamingForm form, Annex annex, const MonthParts& month, const QString& cf,
                      const QString& cas) {
  if (form == NamingForm::kLegal) {
    // Month before year: July 2009 is 0709.
    return LegalPrefix(annex) + month.ll + month.aa + u'_' + cf + QStringLiteral(".dbf");
  }
  return cas + u'_' + cf + u'_' + month.aaaa + month.ll + ByHouseSuffix(annex);
}

std::optional<Annex> AnnexOfFileName(const QString& name) {
  static const QRegularExpression legal(QStringLiteral("^1([ABC])_[0-9]{4}_[0-9]{1,13}\\.dbf$"),
                                        QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression byHouse(
      QStringLiteral("^CAS[A-Z_]{2}_[0-9]{1,13}_[0-9]{6}_anexa1([ABC])\\.dbf$"),
      QRegularExpression::CaseInsensitiveOption);
  QRegularExpressionMatch match = legal.match(name);
  if (!match.hasMatch()) match = byHouse.match(name);
  if (!match.hasMatch()) return std::nullopt;
  const QChar letter = match.captured(1).front().toUpper();
  if (letter == u'A') return Annex::k1A;
  if (letter == u'B') return Annex::k1B;
  return Annex::k1C;
}

std::array<QString, 3> ShownFileNames(NamingForm form, const MonthParts& month, const QString& cf,
                                      const QString& cas) {
  std::array<QString, 3> names;
  for (size_t i = 0; i < kAnnexes.size(); ++i) {
    names[i] = AnnexFileName(form, kAnnexes[i], month, cf, cas);
    // The legal form is shown with its prefix in lower case: "1a_".
    if (form == NamingForm::kLegal) names[i][1] = names[i][1].toLower();
  }
  return names;
}

Refusal NamingRefusal(NamingForm form, HouseScope scope, int houseCount) {
  if (form == NamingForm::kLegal && scope == HouseScope::kAll && houseCount >= 2) {
    return naming_texts::kLegalForAllHouses;
  }
  return std::nullopt;
}

bool UsableInFileName(NamingForm form, const QString& cf, const QString& cas) {
  static const QRegularExpression digits(QStringLiteral("^[0-9]{1,13}$"));
  if (!digits.match(cf).hasMatch()) return false;
  return form == NamingForm::kLegal || HouseIndex(cas, HouseList::kRegister) >= 0;
}
