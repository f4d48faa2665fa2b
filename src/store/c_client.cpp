#include "store/c_client.h"

#include <mysql.h>

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>

#include "store/list_model.h"
#include "store/prompter.h"
#include "store/server_config.h"
#include "store/text_numbers.h"
#include "store/wait_cursor.h"

namespace {

// The embedded server can be started once per process: a second start after its end
// crashes inside the library, so a later Connect fails instead.
bool serverEverStarted = false;

QString QuotedList(const QStringList& names) {
  QStringList quoted;
  quoted.reserve(names.size());
  for (const QString& name : names) quoted.append(u'`' + name + u'`');
  return quoted.join(QStringLiteral(", "));
}

bool TakeDataLock(std::unique_ptr<QLockFile>& lock) {
  QString dataDir = ConfiguredDataDir(QString::fromLatin1(kServerConfigFile));
  if (dataDir.isEmpty()) dataDir = QDir::current().absoluteFilePath(QStringLiteral("data"));
  while (dataDir.endsWith(u'/') && dataDir.size() > 1) dataDir.chop(1);
  lock = std::make_unique<QLockFile>(dataDir + QStringLiteral(".lock"));
  lock->setStaleLockTime(0);  // a killed program leaves no owner: its lock is taken over
  if (lock->tryLock(0)) return true;
  lock.reset();
  return false;
}

}  // namespace

CClient::CClient(Prompter* prompter) : prompter_(prompter) {}

CClient::~CClient() { Disconnect(); }

int CClient::Connect(const QString&, int, const QString&, const QString&, int) {
  if (connection_ != nullptr) return 0;
  if (serverEverStarted) return 1;
  if (!EnsureServerConfig(QDir::currentPath())) return 1;
  if (!TakeDataLock(dataLock_)) return 1;

  static char programName[] = "mysql_test";
  static char defaultsFile[] = "--defaults-file=srv_embedded.cfg";
  static char serverGroup[] = "libmysqld_server";
  static char clientGroup[] = "libmysqld_client";
  char* arguments[] = {programName, defaultsFile, nullptr};
  char* groups[] = {serverGroup, clientGroup, nullptr};
  serverEverStarted = true;
  if (mysql_server_init(2, arguments, groups) != 0) {
    dataLock_.reset();
    return 1;
  }
  MYSQL* connection = mysql_init(nullptr);
  if (connection == nullptr) return 1;
  mysql_options(connection, MYSQL_READ_DEFAULT_GROUP, "libmysqld_client");
  mysql_options(connection, MYSQL_OPT_USE_EMBEDDED_CONNECTION, nullptr);
  mysql_options(connection, MYSQL_SET_CHARSET_NAME, "utf8mb4");
  if (mysql_real_connect(connection, nullptr, nullptr, nullptr, "", 0, nullptr, 0) == nullptr) {
    mysql_close(connection);
    mysql_server_end();
    dataLock_.reset();
    return 1;
  }
  connection_ = connection;
  return 0;
}

int CClient::Disconnect() {
  if (connection_ != nullptr) {
    mysql_close(connection_);
    mysql_server_end();
    connection_ = nullptr;
    dataLock_.reset();
  }
  return 1;
}

int CClient::Send(const QByteArray& statement) {
  if (connection_ == nullptr) return 1;
  return mysql_real_query(connection_, statement.constData(), statement.size()) == 0 ? 0 : 1;
}

int CClient::ShowDbError() {
  const QString message = connection_ != nullptr
                              ? QString::fromUtf8(mysql_error(connection_))
                              : QStringLiteral("Nu exista conexiune la baza de date.");
  if (prompter_ != nullptr) {
    prompter_->Inform(QStringLiteral("EROARE Mysql:\n\n") + message, Prompter::DefaultCaption(),
                      Prompter::Icon::Error);
  }
  return 1;
}

void CClient::StoreResult() {
  MYSQL_RES* result = mysql_store_result(connection_);
  result_.Load(result);
  if (result != nullptr) mysql_free_result(result);
}

int CClient::Execute(const QString& sql, int store) {
  WaitCursor cursor;
  if (Send(sql.toUtf8()) != 0) {
    cursor.Release();
    return ShowDbError();
  }
  cursor.Release();
  if (store != 0) {
    StoreResult();
  } else {
    // A statement that returns rows must have them read before the next one.
    if (MYSQL_RES* rows = mysql_store_result(connection_)) mysql_free_result(rows);
  }
  return 0;
}

int CClient::ExecuteQuiet(const QString& sql, int store) {
  if (Send(sql.toUtf8()) != 0) return 1;
  if (store != 0) {
    StoreResult();
  } else if (MYSQL_RES* rows = mysql_store_result(connection_)) {
    mysql_free_result(rows);
  }
  return 0;
}

int CClient::ExecuteBuffered() {
  WaitCursor cursor;
  statement_.clear();
  for (const QString& piece : pieces_) statement_.append(piece.toUtf8());
  if (Send(statement_) != 0) {
    cursor.Release();
    return ShowDbError();
  }
  if (MYSQL_RES* rows = mysql_store_result(connection_)) mysql_free_result(rows);
  return 0;
}

void CClient::ClearColumns() {
  pendingColumns_.clear();
  pendingValues_.clear();
}

void CClient::AddColumn(const QString& name, const QString& value) {
  pendingColumns_.append(name);
  pendingValues_.append(value);
}

void CClient::EscapeValues() {
  // A backquote is stored as a single quote, as the register always did. A backslash is
  // escaped too: left alone it would swallow the closing quote of the value.
  for (QString& value : pendingValues_) {
    QString escaped;
    escaped.reserve(value.size() + 8);
    for (const QChar c : value) {
      if (c == u'\'' || c == u'`') {
        escaped.append(QStringLiteral("\\'"));
      } else if (c == u'\\') {
        escaped.append(QStringLiteral("\\\\"));
      } else {
        escaped.append(c);
      }
    }
    value = escaped;
  }
}

int CClient::AuditedInsert(const QString& database, const QString& table, const QString& suffix,
                           int mark) {
  WaitCursor cursor;
  EscapeValues();
  QStringList values;
  values.reserve(pendingValues_.size());
  for (const QString& value : pendingValues_) values.append(u'\'' + value + u'\'');
  pieces_.clear();
  pieces_ << QStringLiteral("insert into ") << database << QStringLiteral(".") << table
          << QStringLiteral(" (") << QuotedList(pendingColumns_) << QStringLiteral(")")
          << QStringLiteral(" values (") << values.join(QStringLiteral(", ")) << QStringLiteral(")")
          << suffix;
  statement_ = pieces_.join(QString()).toUtf8();
  if (Send(statement_) != 0) {
    cursor.Release();
    return ShowDbError();
  }
  lastInsertId_ = mysql_insert_id(connection_);
  if (mark != 0) {
    ExecuteQuiet(QStringLiteral("update ") + database + u'.' + table +
                 QStringLiteral(" set `ZZ_CONT`='' where `index`='") +
                 FormatInteger(static_cast<double>(lastInsertId_)) + u'\'');
  }
  return 0;
}

bool CClient::CopyToAuditLog(double index, const QString& database, const QString& table,
                             const QString& operation) {
  if (Send((QStringLiteral("select * from ") + database + u'.' + table + QStringLiteral(" LIMIT 1"))
               .toUtf8()) != 0) {
    return false;
  }
  QStringList names;
  bool hasCreationTime = false;
  if (MYSQL_RES* result = mysql_store_result(connection_)) {
    const unsigned fields = mysql_num_fields(result);
    for (unsigned i = 0; i < fields; ++i) {
      const QString name = QString::fromUtf8(mysql_fetch_field_direct(result, i)->name);
      if (name.toUpper() == QLatin1String("ZZ_DATA")) hasCreationTime = true;
      names.append(name);
    }
    mysql_free_result(result);
  }
  const QString list = QuotedList(names);
  const QString copy = QStringLiteral("insert into ") + database + QStringLiteral(".zlog_") +
                       table + QStringLiteral(" (") + list + QStringLiteral(") select ") + list +
                       QStringLiteral(" from ") + database + u'.' + table +
                       QStringLiteral(" where `index`='") + FormatInteger(index) + u'\'';
  if (ExecuteQuiet(copy) == 0) {
    lastInsertId_ = mysql_insert_id(connection_);
    ExecuteQuiet(QStringLiteral("update ") + database + QStringLiteral(".zlog_") + table +
                 QStringLiteral(" set `znew_cont`='', `znew_op`='") + operation +
                 QStringLiteral("' where `znew_index`='") +
                 FormatInteger(static_cast<double>(lastInsertId_)) + u'\'');
  }
  return hasCreationTime;
}

int CClient::AuditedUpdate(double index, const QString& database, const QString& table,
                           const QString& suffix) {
  WaitCursor cursor;
  const bool hasCreationTime = CopyToAuditLog(index, database, table, QStringLiteral("M"));
  EscapeValues();
  QStringList pairs;
  const qsizetype count = std::min(pendingColumns_.size(), pendingValues_.size());
  for (qsizetype i = 0; i < count; ++i) {
    pairs.append(u'`' + pendingColumns_[i] + QStringLiteral("`='") + pendingValues_[i] + u'\'');
  }
  pieces_.clear();
  pieces_ << QStringLiteral("UPDATE ") << database << QStringLiteral(".") << table
          << QStringLiteral(" SET ") << pairs.join(QStringLiteral(", "));
  if (hasCreationTime) pieces_ << QStringLiteral(", ZZ_DATA=ZZ_DATA");
  pieces_ << QStringLiteral(" where `index`='") << FormatInteger(index) << QStringLiteral("'")
          << suffix;
  statement_ = pieces_.join(QString()).toUtf8();
  if (Send(statement_) != 0) {
    cursor.Release();
    return ShowDbError();
  }
  return 0;
}

int CClient::AuditedDelete(double index, const QString& database, const QString& table,
                           const QString& suffix) {
  WaitCursor cursor;
  CopyToAuditLog(index, database, table, QStringLiteral("D"));
  const QString statement = QStringLiteral("DELETE FROM ") + database + u'.' + table +
                            QStringLiteral(" WHERE `INDEX`='") + FormatInteger(index) + u'\'' +
                            suffix;
  if (Send(statement.toUtf8()) != 0) {
    cursor.Release();
    return ShowDbError();
  }
  return 0;
}

QString CClient::EscapeFragment(const QString& value) const {
  const QByteArray bytes = value.toUtf8();
  QByteArray escaped(bytes.size() * 2 + 1, '\0');
  unsigned long length = 0;
  if (connection_ != nullptr) {
    length = mysql_real_escape_string(connection_, escaped.data(), bytes.constData(),
                                      static_cast<unsigned long>(bytes.size()));
  } else {
    length = mysql_escape_string(escaped.data(), bytes.constData(),
                                 static_cast<unsigned long>(bytes.size()));
  }
  escaped.truncate(static_cast<qsizetype>(length));
  return QString::fromUtf8(escaped);
}

SqlValue CClient::Text(const QString& value) const {
  return SqlValue(u'\'' + EscapeFragment(value) + u'\'');
}

SqlValue CClient::Like(const QString& before, const QString& value, const QString& after) const {
  QString fragment = EscapeFragment(value);
  fragment.replace(u'%', QStringLiteral("\\%"));
  fragment.replace(u'_', QStringLiteral("\\_"));
  return SqlValue(u'\'' + before + fragment + after + u'\'');
}

QString CClient::Number(const QString& value) {
  static const QRegularExpression plainNumber(QStringLiteral("^[+-]?[0-9]+(\\.[0-9]+)?$"));
  const QString trimmed = value.trimmed();
  return plainNumber.match(trimmed).hasMatch() ? trimmed : QStringLiteral("NULL");
}

QString CClient::Number(double value) {
  if (value == static_cast<double>(static_cast<qint64>(value))) return FormatInteger(value);
  return QString::number(value, 'f', 6);
}

void CClient::FillList(ListModel& list) const {
  list.DeleteAllRows();
  list.DeleteAllColumns();
  const QStringList& names = result_.ColumnNames();
  const QStringList& types = result_.ColumnTypes();
  const bool typesKnown = types.size() == names.size();
  for (qsizetype i = 0; i < names.size(); ++i) {
    const bool hidden =
        names[i] == QLatin1String("ZZ_CONT") || names[i] == QLatin1String("ZZ_DATA");
    const bool numeric = typesKnown && types[i] == QLatin1String("N");
    list.InsertColumn(static_cast<int>(i), names[i],
                      numeric ? QStringLiteral("N") : QStringLiteral("C"), hidden ? 0 : 100);
  }
  list.SetColumnKind(QStringLiteral("ZZ_DATA"), QStringLiteral("4"));
  const QStringList& cells = result_.Cells();
  if (cells.isEmpty() || names.isEmpty()) return;
  if (cells.first() == QLatin1String("-=-")) return;
  const qsizetype columns = names.size();
  const qsizetype rows = cells.size() / columns;
  std::vector<QStringList> block;
  block.reserve(static_cast<size_t>(rows));
  for (qsizetype row = 0; row < rows; ++row) block.push_back(cells.mid(row * columns, columns));
  list.AppendRows(std::move(block));
}
