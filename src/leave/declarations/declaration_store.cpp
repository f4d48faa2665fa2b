#include "leave/declarations/declaration_store.h"

#include "common/identifiers.h"
#include "leave/declarations/declaration_checks.h"
#include "leave/declarations/declaration_fields.h"
#include "leave/declarations/stored_numbers.h"
#include "leave/replay/declaration_totals.h"
#include "store/c_client.h"
#include "store/schema/schema_tables.h"
#include "store/sql.h"
#include "store/transaction.h"

namespace {

// The figures every write carries, those of the declaration's field table.
void AddFigureColumns(Columns& columns, const DeclarationFormValues& values) {
  const Columns figures = FieldColumns(DeclarationFieldTable(), values);
  columns.insert(columns.end(), figures.begin(), figures.end());
}

}  // namespace

std::optional<DeclarationKind> NextDeclarationKind(CClient& client, const QString& cf, int luna) {
  // Rectifications first, the highest number first: the next one follows the last, or is 1
  // after the initial declaration alone.
  const QString sql =
      Sql(u"SELECT * FROM concedii.declaratii AS d WHERE d.cf=%1 AND d.luna=%2 ORDER BY "
          u"d.rectificativa, d.rectif_nr DESC",
          client.Text(cf), Number(luna));
  if (client.Execute(sql, 1) != 0) return std::nullopt;
  if (client.RowCount() < 1) return DeclarationKind{false, 0};
  const long long last = StoredWhole(client.GetField(0, QStringLiteral("RECTIF_NR")));
  return DeclarationKind{true, static_cast<int>(last + 1)};
}

std::optional<std::optional<SavedDeclaration>> LatestDeclaration(CClient& client, const QString& cf,
                                                                 int luna) {
  const QString sql =
      Sql(u"SELECT d.index, d.rectificativa, d.rectif_nr FROM concedii.declaratii AS d WHERE "
          u"d.cf=%1 AND d.luna=%2 ORDER BY d.rectificativa='DA' DESC, d.rectif_nr DESC, d.index "
          u"DESC LIMIT 1",
          client.Text(cf), Number(luna));
  if (client.Execute(sql, 1) != 0) return std::nullopt;
  if (client.RowCount() < 1) return std::optional<SavedDeclaration>{};
  const bool rectifying = client.GetField(0, QStringLiteral("RECTIFICATIVA")) == u"DA";
  const auto number =
      static_cast<int>(StoredWhole(client.GetField(0, QStringLiteral("RECTIF_NR"))));
  return SavedDeclaration{StoredWhole(client.GetField(0, QStringLiteral("INDEX"))), luna,
                          DeclarationKind{rectifying, rectifying ? number : 0}};
}

std::optional<qint64> InsertDeclaration(CClient& client, const QString& cf,
                                        const DeclarationFormValues& values,
                                        const DeclarationKind& kind) {
  Columns columns = {{QStringLiteral("CF"), cf},
                     {QStringLiteral("LUNA"), values.year + PadLeft(values.month, 2)}};
  if (kind.rectifying) {
    columns.push_back({QStringLiteral("RECTIFICATIVA"), QStringLiteral("DA")});
    columns.push_back({QStringLiteral("RECTIF_NR"), QString::number(kind.number)});
  } else {
    // The initial declaration keeps the column's default 0, which its month's numbering
    // and replay read.
    columns.push_back({QStringLiteral("RECTIFICATIVA"), QStringLiteral("NU")});
  }
  AddFigureColumns(columns, values);
  if (client.AuditedInsert(DeclarationsTable(), columns) != 0) return std::nullopt;
  return static_cast<qint64>(client.LastInsertId());
}

bool UpdateDeclaration(CClient& client, qint64 index, const DeclarationFormValues& values) {
  Columns columns;
  AddFigureColumns(columns, values);
  return client.AuditedUpdate(static_cast<double>(index), DeclarationsTable(), columns) == 0;
}

std::optional<DeclarationDeletion> CanDeleteDeclaration(CClient& client, qint64 index) {
  const std::optional<StoredDeclaration> declaration = ReadDeclaration(client, index);
  if (!declaration) return std::nullopt;
  // Only the last declaration of a month goes: an initial one reads number 0, so any
  // rectification of its month keeps it.
  const std::optional<bool> later =
      HasLaterRectification(client, declaration->cf, declaration->luna, declaration->rectifNr);
  if (!later) return std::nullopt;
  return *later ? DeclarationDeletion::kLaterRectification : DeclarationDeletion::kLast;
}

bool DeleteDeclaration(CClient& client, qint64 index) {
  // The certificates that go with the declaration carry its deletion's one time.
  const std::optional<QString> copyTime = client.AuditCopyTime();
  if (!copyTime) return false;
  // On a server the declaration goes with its certificates, or nothing goes.
  Transaction transaction(client);
  if (!transaction.Begun()) return false;
  return client.AuditCopyWhere(CertificatesTable(), Sql(u"id_declaratie=%1", Number(index)),
                               QStringLiteral("D"), *copyTime) == 0 &&
         client.Execute(
             Sql(u"DELETE FROM concedii.concedii WHERE id_declaratie=%1", Number(index))) == 0 &&
         client.AuditCopyWhere(DeclarationsTable(), Sql(u"`index`=%1", Number(index)),
                               QStringLiteral("D"), *copyTime) == 0 &&
         client.Execute(Sql(u"DELETE FROM concedii.declaratii WHERE "
                            u"concedii.declaratii.index=%1",
                            Number(index))) == 0 &&
         transaction.Commit();
}

QString CompanyDeclarationsStatement(const CClient& client, const QString& cf) {
  return Sql(
      u"SELECT d.luna, d.rectificativa AS rectif, if (d.rectificativa='DA', d.rectif_nr, '') "
      u"AS nr, d.index FROM concedii.declaratii AS d WHERE d.cf=%1 ORDER BY d.luna, "
      u"d.rectificativa DESC, d.rectif_nr",
      client.Text(cf));
}

QString DeclarationCertificatesStatement(qint64 index) {
  return Sql(
      u"SELECT c.tip_rectif AS tip, c.cnp, c.prenume, c.nume, c.cas, c.cert_serie, "
      u"c.cert_numar, c.cert_init_serie, c.cert_init_numar, c.cod_indemn, c.zile_lucratoare, "
      u"c.zile_lucrate, c.zile_prestatii, c.zile_suportate_fnuass AS zile_fnuass, "
      u"c.suma_suportata_fnuass AS suma_fnuass, c.index FROM concedii.concedii AS c WHERE "
      u"c.id_declaratie=%1 ORDER BY c.nume, c.index",
      Number(index));
}
