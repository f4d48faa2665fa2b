#include "store/written_files.h"

#include <QFileInfo>
#include <QStringList>

#include "store/c_client.h"
#include "store/sql.h"

namespace {

const QString kHealthKind = QStringLiteral("S");
const QString kLeaveKind = QStringLiteral("C");
const QString kHandedInKind = QStringLiteral("P");

const QString& KindLetter(WrittenKind kind) {
  return kind == WrittenKind::kHealth ? kHealthKind : kLeaveKind;
}

QString Field(const CClient& client, int row, const char* name) {
  return client.GetField(row, QLatin1String(name));
}

// The rows a new save of these files replaces.
QString ReplacedRows(const CClient& client, const QString& cf, int month, WrittenKind kind,
                     const std::vector<WrittenFile>& files) {
  QString sql = Sql(u"DELETE FROM asigurati.fisiere_scrise WHERE cf=%1 AND luna=%2 AND fel=%3",
                    client.Text(cf), Number(month), client.Text(KindLetter(kind)));
  if (kind == WrittenKind::kLeave) return sql;
  QStringList houses;
  for (const WrittenFile& file : files) {
    const QString house = client.Text(file.cas).Literal();
    if (!houses.contains(house)) houses << house;
  }
  return sql + QStringLiteral(" AND cas IN (") + houses.join(QStringLiteral(", ")) + u')';
}

QString InsertedRows(const CClient& client, const QString& cf, int month, WrittenKind kind,
                     const std::vector<WrittenFile>& files) {
  QStringList rows;
  for (const WrittenFile& file : files) {
    const QFileInfo info(file.path);
    rows << Sql(u"(%1, %2, %3, %4, %5, %6, %7, %8)", client.Text(cf), Number(month),
                client.Text(KindLetter(kind)), client.Text(file.cas), client.Text(file.part),
                client.Text(info.fileName()), client.Text(info.absolutePath()),
                client.Text(file.checksum));
  }
  return QStringLiteral(
             "INSERT INTO asigurati.fisiere_scrise (cf, luna, fel, cas, parte, fisier, dosar, "
             "suma) VALUES ") +
         rows.join(QStringLiteral(", "));
}

}  // namespace

bool RecordWrittenFiles(CClient& client, const QString& cf, int month, WrittenKind kind,
                        const std::vector<WrittenFile>& files) {
  if (files.empty()) return true;
  if (client.ExecuteQuiet(ReplacedRows(client, cf, month, kind, files)) != 0) return false;
  return client.ExecuteQuiet(InsertedRows(client, cf, month, kind, files)) == 0;
}

std::optional<MonthRecord> ReadMonthRecord(CClient& client, int month) {
  if (client.Execute(Sql(u"SELECT f.cf, f.fel, f.cas, f.parte, f.fisier, f.dosar, f.suma, "
                         u"DATE_FORMAT(f.scris, '%Y-%m-%d %H:%i:%s') AS scris FROM "
                         u"asigurati.fisiere_scrise AS f WHERE f.luna=%1 ORDER BY f.index",
                         Number(month)),
                     1) != 0) {
    return std::nullopt;
  }
  MonthRecord record;
  const int rows = static_cast<int>(client.RowCount());
  for (int row = 0; row < rows; ++row) {
    const QString kind = Field(client, row, "FEL");
    const QString cf = Field(client, row, "CF");
    if (kind == kHandedInKind) {
      record.handedIn[cf] = Field(client, row, "SCRIS");
      continue;
    }
    record.files.push_back({cf, kind == kLeaveKind ? WrittenKind::kLeave : WrittenKind::kHealth,
                            Field(client, row, "CAS"), Field(client, row, "PARTE"),
                            Field(client, row, "FISIER"), Field(client, row, "DOSAR"),
                            Field(client, row, "SUMA"), Field(client, row, "SCRIS")});
  }
  return record;
}

bool SetHandedIn(CClient& client, const QString& cf, int month, bool handedIn) {
  if (client.Execute(Sql(u"DELETE FROM asigurati.fisiere_scrise WHERE cf=%1 AND luna=%2 AND "
                         u"fel=%3",
                         client.Text(cf), Number(month), client.Text(kHandedInKind))) != 0) {
    return false;
  }
  if (!handedIn) return true;
  return client.Execute(Sql(u"INSERT INTO asigurati.fisiere_scrise (cf, luna, fel) VALUES (%1, "
                            u"%2, %3)",
                            client.Text(cf), Number(month), client.Text(kHandedInKind))) == 0;
}
