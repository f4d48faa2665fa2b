#pragma once

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include "dbf/dbf_file.h"
#include "exchange/verify/verify_checks.h"
#include "exchange/verify/verify_file.h"
#include "health/annexes/annex_files.h"
#include "leave/output/declaration_files.h"
#include "store/list_model.h"

// Reporting files on disk for the checks: written with the fields of this program's own
// writers, read back and checked as the screen does, damaged byte by byte.
namespace verify_files {

struct Field {
  QString name;
  QString type;
  int length;
};

inline std::vector<Field> FieldsOf(VerifiedFile file) {
  std::vector<Field> fields;
  const auto add = [&](const auto& list) {
    for (const auto& f : list)
      fields.push_back({QLatin1String(f.name), QLatin1String(f.type), f.length});
  };
  switch (file) {
    case VerifiedFile::kAnnexA:
      add(AnnexFields(Annex::k1A));
      break;
    case VerifiedFile::kAnnexB:
      add(AnnexFields(Annex::k1B));
      break;
    case VerifiedFile::kAnnexC:
      add(AnnexFields(Annex::k1C));
      break;
    case VerifiedFile::kLeave1:
      add(DeclarationFields(DeclarationFile::kA1));
      break;
    case VerifiedFile::kLeave2:
      add(DeclarationFields(DeclarationFile::kA2));
      break;
  }
  return fields;
}

// Writes the records (cells in field order) under these fields at `path`.
inline void Write(const QString& path, const std::vector<Field>& fields,
                  const std::vector<QStringList>& records) {
  DbfFile table;
  ListModel list;
  for (const Field& field : fields) {
    table.AddField(field.name, field.type, field.length);
    list.InsertColumn(list.ColumnCount(), field.name);
  }
  for (const QStringList& record : records) list.AppendRowCells(record);
  ASSERT_TRUE(table.WriteDbf(path, list)) << path.toStdString();
}

struct Verified {
  ListModel list;
  VerifyReport report;
};

// Reads and checks the file as the screen does, and shows the outcome on the list.
inline void Verify(VerifiedFile file, const QString& path, Verified& out) {
  const QStringList names = ReadVerifiedFile(path, out.list);
  out.report = VerifyTable(file, {names, out.list});
  ShowVerifyReport(out.report, out.list);
}

// Puts `text` over the start of a field of a record, as a byte editor would.
inline void Damage(const QString& path, int record, const QString& field, const QByteArray& text) {
  DbfFile table;
  ListModel list;
  ASSERT_TRUE(table.ReadDbf(path, list));
  const qsizetype position = table.names.indexOf(field);
  ASSERT_GE(position, 0) << field.toStdString();
  qint64 offset = table.headerLength + static_cast<qint64>(record) * table.recordLength + 1;
  for (qsizetype i = 0; i < position; ++i) offset += table.lengths[i];
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.seek(offset));
  ASSERT_EQ(file.write(text), text.size());
}

// The bytes and the modification time of a file, to see that checking leaves it alone.
struct FileState {
  QByteArray bytes;
  QDateTime modified;
  bool operator==(const FileState&) const = default;
};

inline FileState StateOf(const QString& path) {
  QFile file(path);
  FileState state;
  if (file.open(QIODevice::ReadOnly)) state.bytes = file.readAll();
  state.modified = QFileInfo(path).lastModified();
  return state;
}

inline QString Faulty(const char* annex) {
  return QLatin1String(annex) +
         QStringLiteral(
             ": Fisierul a fost verificat!\n\nInregistrarile marcate cu rosu sunt "
             "eronate. Verifica coloana EROARE de la sfarsitul tabelului");
}
inline QString Success(const char* annex) {
  return QLatin1String(annex) +
         QStringLiteral(": Fisierul a fost verificat cu succes!\n\nNu au fost remarcate erori.");
}

}  // namespace verify_files
