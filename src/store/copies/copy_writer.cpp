#include "store/copies/copy_writer.h"

#include <mysql.h>

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <memory>

#include "common/free_space.h"
#include "common/whole_file.h"
#include "store/c_client.h"
#include "store/copies/gzip_stream.h"
#include "store/database_thread.h"
#include "store/native_statement.h"

namespace {

// Rows go to the compressor in pieces of about this size, and each INSERT carries about
// half as much: few statements to send back, far below any server's packet limit.
constexpr qsizetype kPieceBytes = 1024 * 1024;
constexpr qsizetype kStatementBytes = 512 * 1024;

using Rows = std::unique_ptr<MYSQL_RES, decltype(&mysql_free_result)>;

const QString kStopped = QStringLiteral("Copia a fost oprita.");

QString Failure(MYSQL* connection) {
  return QStringLiteral("Citirea registrului nu a reusit: ") +
         QString::fromUtf8(mysql_error(connection));
}

// Every row of a statement, each cell as sent (NULL as an empty optional).
std::optional<std::vector<std::vector<std::optional<QByteArray>>>> Query(MYSQL* connection,
                                                                         const QByteArray& sql) {
  if (!SendStatement(connection, sql)) return std::nullopt;
  const Rows rows(mysql_store_result(connection), &mysql_free_result);
  if (!rows) return std::nullopt;
  std::vector<std::vector<std::optional<QByteArray>>> table;
  const unsigned columns = mysql_num_fields(rows.get());
  while (const MYSQL_ROW row = mysql_fetch_row(rows.get())) {
    const unsigned long* lengths = mysql_fetch_lengths(rows.get());
    auto& cells = table.emplace_back();
    for (unsigned column = 0; column < columns; ++column) {
      if (row[column] == nullptr) {
        cells.emplace_back();
      } else {
        cells.emplace_back(QByteArray(row[column], static_cast<qsizetype>(lengths[column])));
      }
    }
  }
  return table;
}

QByteArray DatabaseList() {
  QByteArray list;
  for (const QString& database : CopiedDatabases()) {
    list += (list.isEmpty() ? "'" : ",'") + database.toUtf8() + '\'';
  }
  return list;
}

// What the copy knows before its first row: the header and the statements that make the
// databases and their tables.
struct Plan {
  CopyHeader header;
  QByteArray creations;
  qint64 dataBytes = 0;  // the tables' data as the server counts it: room to leave
};

// The session's reading is consistent from the constructor on; the destructor puts the
// session back as it was. Both run on the database thread.
class ConsistentRead {
 public:
  ConsistentRead(MYSQL* connection, bool onServer) : connection_(connection), server_(onServer) {
    const auto zone = Query(connection_, "SELECT @@SESSION.time_zone");
    if (!zone || zone->empty() || !zone->front().front()) return;
    zone_ = *zone->front().front();
    // A server keeps one picture of every table for the transaction; the embedded register
    // refuses every write until the lock is let go (this program is its only user).
    const bool read =
        server_ ? SendStatement(connection_,
                                "SET SESSION TRANSACTION ISOLATION LEVEL REPEATABLE READ") &&
                      SendStatement(connection_, "START TRANSACTION WITH CONSISTENT SNAPSHOT")
                : SendStatement(connection_, "FLUSH TABLES WITH READ LOCK");
    // Times as stored, whatever the zone of the computer that loads the copy.
    held_ = read && SendStatement(connection_, "SET SESSION time_zone='+00:00'");
  }
  ~ConsistentRead() {
    if (zone_.isEmpty()) return;
    // Deliberately ignored: the copy's outcome is already decided, and a failed end of a
    // read leaves nothing that a statement of the program would find changed.
    static_cast<void>(SendStatement(connection_, server_ ? QByteArray("COMMIT") : "UNLOCK TABLES"));
    static_cast<void>(SendStatement(connection_, "SET SESSION time_zone='" + zone_ + '\''));
  }
  ConsistentRead(const ConsistentRead&) = delete;
  ConsistentRead& operator=(const ConsistentRead&) = delete;

  bool Held() const { return held_; }

 private:
  MYSQL* connection_;
  bool server_;
  QByteArray zone_;
  bool held_ = false;
};

std::optional<QString> MakePlan(MYSQL* connection, Plan& plan) {
  const auto schemata = Query(connection,
                              "SELECT s.schema_name, s.default_character_set_name, "
                              "s.default_collation_name FROM information_schema.schemata AS s "
                              "WHERE s.schema_name IN (" +
                                  DatabaseList() + ") ORDER BY s.schema_name");
  const auto tables = Query(connection,
                            "SELECT t.table_schema, t.table_name, t.data_length FROM "
                            "information_schema.tables AS t WHERE t.table_schema IN (" +
                                DatabaseList() +
                                ") AND t.table_type='BASE TABLE' ORDER BY t.table_schema, "
                                "t.table_name");
  if (!schemata || !tables) return Failure(connection);
  if (schemata->size() != static_cast<size_t>(CopiedDatabases().size()) || tables->empty()) {
    return QStringLiteral("Registrul nu are bazele de date asigurati si concedii.");
  }
  for (const auto& database : *schemata) {
    plan.creations += "CREATE DATABASE " + QuotedIdentifier(database[0].value_or("")) +
                      " CHARACTER SET " + database[1].value_or("utf8mb4") + " COLLATE " +
                      database[2].value_or("utf8mb4_general_ci") + ";\n";
  }
  for (const auto& row : *tables) {
    const QString database = QString::fromUtf8(row[0].value_or(""));
    const QString table = QString::fromUtf8(row[1].value_or(""));
    const QByteArray name = QuotedName(database, table);
    const auto count = Query(connection, "SELECT COUNT(*) FROM " + name);
    const auto shown = Query(connection, "SHOW CREATE TABLE " + name);
    if (!count || !shown || count->empty() || shown->empty() || shown->front().size() < 2) {
      return Failure(connection);
    }
    const std::optional<QByteArray> definition =
        PortableDefinition(shown->front()[1].value_or(""), database);
    if (!definition)
      return QStringLiteral("Definitia tabelului %1.%2 nu a putut fi citita.").arg(database, table);
    plan.creations += *definition + ";\n";
    plan.header.tables.push_back(
        {database + u'.' + table, count->front().front().value_or("0").toLongLong()});
    plan.dataBytes += row[2].value_or("0").toLongLong();
  }
  const auto version = Query(connection,
                             "SELECT s.setare FROM asigurati.setari AS s WHERE "
                             "s.denumire='versiune'");
  plan.header.registerVersion = version && !version->empty()
                                    ? QString::fromUtf8(version->front().front().value_or(""))
                                    : QString();
  if (plan.header.registerVersion.isEmpty()) plan.header.registerVersion = QStringLiteral("?");
  return std::nullopt;
}

// How each column's values are written: bare numbers, texts escaped by the connection, or
// the bytes of a binary column in hexadecimal.
enum class ValueForm : char { kNumber, kText, kHex };

ValueForm FormOf(const MYSQL_FIELD& field) {
  if (IS_NUM(field.type)) return ValueForm::kNumber;
  constexpr unsigned kBinary = 63;
  switch (field.type) {
    case MYSQL_TYPE_TINY_BLOB:
    case MYSQL_TYPE_MEDIUM_BLOB:
    case MYSQL_TYPE_LONG_BLOB:
    case MYSQL_TYPE_BLOB:
    case MYSQL_TYPE_VAR_STRING:
    case MYSQL_TYPE_STRING:
    case MYSQL_TYPE_VARCHAR:
    case MYSQL_TYPE_BIT:
    case MYSQL_TYPE_GEOMETRY:
      return field.charsetnr == kBinary ? ValueForm::kHex : ValueForm::kText;
    default:
      return ValueForm::kText;
  }
}

// One table's rows, read as a stream on the database thread in pieces.
class TableRows {
 public:
  TableRows(MYSQL* connection, const QString& table) : connection_(connection), table_(table) {}

  std::optional<QString> Open() {
    const QStringList parts = table_.split(u'.');
    const QByteArray name = QuotedName(parts.first(), parts.last());
    if (!SendStatement(connection_, "SELECT * FROM " + name)) return Failure(connection_);
    rows_.reset(mysql_use_result(connection_));
    if (!rows_) return Failure(connection_);
    columns_ = mysql_num_fields(rows_.get());
    const MYSQL_FIELD* fields = mysql_fetch_fields(rows_.get());
    head_ = "INSERT INTO " + name + " (";
    for (unsigned column = 0; column < columns_; ++column) {
      if (column > 0) head_ += ',';
      head_ += QuotedIdentifier(QByteArray(fields[column].name));
      forms_.push_back(FormOf(fields[column]));
    }
    head_ += ") VALUES\n";
    return std::nullopt;
  }

  // Appends rows to `text` until it holds a piece or the table ends; false on a failure.
  bool Read(QByteArray& text, qint64& rows, bool& ended) {
    ended = false;
    while (text.size() < kPieceBytes) {
      const MYSQL_ROW row = mysql_fetch_row(rows_.get());
      if (row == nullptr) {
        ended = true;
        if (statement_ > 0) text += ";\n";
        statement_ = 0;
        return mysql_errno(connection_) == 0;
      }
      const unsigned long* lengths = mysql_fetch_lengths(rows_.get());
      const qsizetype start = text.size();
      text += statement_ == 0 ? head_ : QByteArray(",\n");
      text += '(';
      for (unsigned column = 0; column < columns_; ++column) {
        if (column > 0) text += ',';
        Append(text, row[column], lengths[column], forms_[column]);
      }
      text += ')';
      ++rows;
      statement_ += text.size() - start;
      if (statement_ >= kStatementBytes) {
        text += ";\n";
        statement_ = 0;
      }
    }
    return true;
  }

 private:
  void Append(QByteArray& text, const char* value, unsigned long length, ValueForm form) {
    if (value == nullptr) {
      text += "NULL";
      return;
    }
    const auto size = static_cast<qsizetype>(length);
    switch (form) {
      case ValueForm::kNumber:
        text.append(value, size);
        return;
      case ValueForm::kHex:
        text += "X'" + QByteArray(value, size).toHex() + '\'';
        return;
      case ValueForm::kText: {
        // Escaped by the connection the values came from, byte for byte.
        const qsizetype at = text.size();
        text.resize(at + 2 * size + 2);
        text[at] = '\'';
        const auto escaped = static_cast<qsizetype>(
            mysql_real_escape_string(connection_, text.data() + at + 1, value, length));
        text.resize(at + 1 + escaped);
        text += '\'';
        return;
      }
    }
  }

  MYSQL* connection_;
  QString table_;
  Rows rows_{nullptr, &mysql_free_result};
  unsigned columns_ = 0;
  std::vector<ValueForm> forms_;
  QByteArray head_;
  qsizetype statement_ = 0;  // bytes of the INSERT under way; 0 when none is open
};

// Library objects of a connection are let go on the database thread, as they were made.
struct DeleteOnDatabaseThread {
  template <typename Object>
  void operator()(Object* object) const {
    OnDatabaseThread([object] { delete object; });
  }
};

std::optional<QString> CheckFolder(const QString& folder) {
  const QFileInfo info(folder);
  const QString shown = QDir::toNativeSeparators(folder);
  if (!info.exists()) return QStringLiteral("Dosarul %1 nu exista.").arg(shown);
  if (!info.isDir()) return QStringLiteral("%1 este un fisier, nu un dosar.").arg(shown);
  if (!info.isWritable()) return QStringLiteral("In dosarul %1 nu se poate scrie.").arg(shown);
  return std::nullopt;
}

}  // namespace

QString TakenCopyText(const TakenCopy& copy) {
  return QStringLiteral("Copia registrului a fost scrisa in %1: %2 tabele, %3 randuri.")
      .arg(QDir::toNativeSeparators(copy.file))
      .arg(copy.header.tables.size())
      .arg(copy.header.TotalRows());
}

std::variant<TakenCopy, QString> TakeCopy(CClient& client, const QString& folder,
                                          const QString& program, const CopyProgress& progress,
                                          const CopyStop& stop) {
  if (const auto refused = CheckFolder(folder)) return *refused;
  MYSQL* connection = client.NativeHandle();
  if (connection == nullptr) return QStringLiteral("Registrul nu este deschis.");
  const bool onServer = client.OnServer();
  // The read ends, on the database thread, whatever way this function is left.
  std::unique_ptr<ConsistentRead, DeleteOnDatabaseThread> read;
  Plan plan;
  const std::optional<QString> planned = OnDatabaseThread([&]() -> std::optional<QString> {
    read.reset(new ConsistentRead(connection, onServer));
    if (!read->Held()) return Failure(connection);
    return MakePlan(connection, plan);
  });
  if (planned) return *planned;

  // The copy is smaller than the tables' data: text compresses well beyond the files' size.
  if (const auto shortage = FindSpaceShortage({folder}, kWorkingRoom + plan.dataBytes / 2)) {
    return SpaceShortageText(*shortage);
  }
  const QDateTime now = QDateTime::currentDateTime();
  CopyHeader& header = plan.header;
  header.program = program;
  header.taken = now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
  header.origin =
      onServer ? QStringLiteral("serverul ") + client.ServerName()
               : QStringLiteral("dosarul ") + QDir::toNativeSeparators(client.EmbeddedDataDir());
  const QString path = QDir(folder).absoluteFilePath(CopyFileName(now));
  QSaveFile file(path);
  const QString writeFailure =
      QStringLiteral("Copia nu a putut fi scrisa in %1.").arg(QDir::toNativeSeparators(path));
  if (!OpenWhole(file)) return writeFailure;
  // The register's people and their personal numbers: for the owner's eyes, as the data
  // folder is.
  file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  GzipWriter gzip(file);
  QByteArray text = HeaderText(header);
  for (const QByteArray& statement : SessionStatements()) text += statement + ";\n";
  text += plan.creations;
  if (!gzip.Write(text)) return writeFailure;

  const qint64 total = header.TotalRows();
  qint64 done = 0;
  if (progress) progress(0, total);
  for (const CopyTable& table : header.tables) {
    const std::unique_ptr<TableRows, DeleteOnDatabaseThread> rows(
        new TableRows(connection, table.name));
    if (const auto failed = OnDatabaseThread([&] { return rows->Open(); })) return *failed;
    bool ended = false;
    qint64 tableRows = 0;
    while (!ended) {
      text.clear();
      if (!OnDatabaseThread([&] { return rows->Read(text, tableRows, ended); })) {
        return OnDatabaseThread([&] { return Failure(connection); });
      }
      if (!gzip.Write(text)) return writeFailure;
      if (progress) progress(done + tableRows, total);
      if (stop && stop()) return kStopped;
    }
    // The counts of the header were taken in the same picture of the register.
    if (tableRows != table.rows) {
      return QStringLiteral("Tabelul %1 a dat %2 randuri in loc de %3.")
          .arg(table.name)
          .arg(tableRows)
          .arg(table.rows);
    }
    done += tableRows;
  }
  read.reset();
  if (!gzip.Write(QByteArray(kCopyEnd) + '\n') || !gzip.Finish() || !CommitWhole(file)) {
    return writeFailure;
  }
  return TakenCopy{path, header};
}
