#include "leave/replay/declaration_totals.h"

#include <algorithm>

#include "common/number_texts.h"
#include "leave/declarations/stored_numbers.h"
#include "store/c_client.h"
#include "store/sql.h"

DeclarationTotals ComputeDeclarationTotals(const StoredDeclaration& declaration,
                                           const ReplayTotals& replay) {
  DeclarationTotals totals;
  totals.stored = declaration;
  totals.groups = replay.groups;
  totals.i = StoredAmount(declaration.f) + StoredAmount(declaration.h);
  totals.j = replay.benefits;
  totals.k = StoredAmount(declaration.k);
  // What the employer owes this month first pays back what FNUASS owes it from earlier
  // months; when the benefits exceed the contributions, the difference is owed to it too.
  if (totals.i > totals.j) {
    totals.l = std::min(totals.k, totals.i - totals.j);
    totals.m = totals.i - totals.j - totals.l;
    totals.n = totals.k - totals.l;
  } else {
    totals.n = totals.j + totals.k - totals.i;
  }
  return totals;
}

std::optional<StoredDeclaration> ReadDeclaration(CClient& client, qint64 index) {
  const QString sql =
      Sql(u"SELECT * FROM concedii.declaratii AS c WHERE c.index=%1", Number(index));
  if (client.Execute(sql, 1) != 0 || client.RowCount() < 1) return std::nullopt;
  const auto field = [&client](const char* name) {
    return client.GetField(0, QLatin1String(name));
  };
  StoredDeclaration declaration;
  declaration.cf = field("CF");
  declaration.luna = static_cast<int>(StoredWhole(field("LUNA")));
  declaration.rectifNr = static_cast<int>(StoredWhole(field("RECTIF_NR")));
  declaration.rectifying = field("RECTIFICATIVA") == u"DA";
  declaration.workingDays = field("ZILE_LUCRATOARE");
  declaration.minimumWage = field("SALARIUL_MINIM");
  declaration.d = field("NR_ANG");
  declaration.e = field("FOND_DE_SALARII");
  declaration.f = field("CONTRIBUTII_DATORATE");
  declaration.g = field("FAAMBP");
  declaration.h = field("FAAMBP_DATORAT");
  declaration.k = field("DE_RECUPERAT_ANTERIOR");
  return declaration;
}

std::optional<DeclarationTotals> LoadDeclarationTotals(CClient& client, qint64 index) {
  const std::optional<StoredDeclaration> declaration = ReadDeclaration(client, index);
  if (!declaration) return std::nullopt;
  // A replay that failed would show a J of 0, a figure the employer could sign: show none.
  const std::optional<ReplayTotals> replay =
      RectificationReplay(client, declaration->cf, declaration->luna, declaration->rectifNr);
  if (!replay) return std::nullopt;
  return ComputeDeclarationTotals(*declaration, *replay);
}

namespace {

// A derived figure in whole lei, truncated, grouped by thousands.
QString Amount(double value) { return FormatThousands(FormatInteger(value)); }

}  // namespace

QStringList DeclarationPanelLines(const DeclarationTotals& totals) {
  const StoredDeclaration& stored = totals.stored;
  return {
      QStringLiteral("D. Numar de angajati: ") + stored.d,
      QStringLiteral("E. Fond de salarii brute: ") + FormatThousands(stored.e),
      QStringLiteral("F. Contributii datorate pentru concedii si indemnizatii: ") +
          FormatThousands(stored.f),
      QStringLiteral("H. Contributii datorate din FAAMBP: ") + FormatThousands(stored.h),
      QStringLiteral("I. Total contributii datorate: ") + Amount(totals.i) +
          QStringLiteral(" (F + H)"),
      QStringLiteral("J. Prestatii de suportat din FNUASS: ") + Amount(totals.j),
      QStringLiteral("K. Suma de recuperat din lunile anterioare: ") + Amount(totals.k),
      QStringLiteral("L. Suma recuperata din luna curenta: ") + Amount(totals.l) +
          QStringLiteral(" (I - J)"),
      QStringLiteral("M. Suma de virat: ") + Amount(totals.m) + QStringLiteral(" (I - J - L)"),
      QStringLiteral("N. Suma de recuperat de la FNUASS: ") + Amount(totals.n),
  };
}
