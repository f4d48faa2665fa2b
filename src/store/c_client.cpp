#include "store/c_client.h"

#include <mysql.h>

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QRegularExpression>
#include <algorithm>
#include <iterator>

#include "common/number_texts.h"
#include "store/database_thread.h"
#include "store/list_model.h"
#include "store/native_statement.h"
#include "store/prompter.h"
#include "store/server/server_connection.h"
#include "store/wait_cursor.h"

namespace {

// A statement that may change the columns of a table (or drop and make it anew). Looked at
// without a copy: every statement passes here.
bool ChangesTables(QByteArrayView statement) {
  while (!statement.isEmpty() && QChar::isSpace(static_cast<uchar>(statement.front()))) {
    statement = statement.sliced(1);
  }
  const auto startsWith = [&](QByteArrayView word) {
    return statement.size() >= word.size() &&
           qstrnicmp(statement.data(), word.data(), static_cast<size_t>(word.size())) == 0;
  };
  return startsWith("ALTER") || startsWith("CREATE") || startsWith("DROP") || startsWith("RENAME");
}

// A text into statement bytes; names and numbers, all ASCII, without a copy of their own.
void AppendText(QByteArray& out, const QString& text) {
  const bool ascii =
      std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
  if (!ascii) {
    out.append(text.toUtf8());
    return;
  }
  const qsizetype start = out.size();
  out.resize(start + text.size());
  char* to = out.data() + start;
  for (const QChar c : text) *to++ = static_cast<char>(c.unicode());
}

// Starts the statement's bytes anew with its verb and table: "insert into ASIGURATI.SUME".
void StartStatement(QByteArray& out, const char* verb, const TableName& table) {
  out.clear();
  out.append(verb);
  AppendText(out, table.database);
  out.append('.');
  AppendText(out, table.table);
}

// Starts the embedded server with its temporary tables in `tempFolder` (see ServerTempFolder).
// The embedded server takes that folder only from TMPDIR, read once while it starts (its
// option is ignored), so the variable is set for the start and put back after it.
int ServerInitInFolder(int count, char** arguments, char** groups, const QString& tempFolder) {
  const bool wasSet = qEnvironmentVariableIsSet("TMPDIR");
  const QByteArray previous = qgetenv("TMPDIR");
  qputenv("TMPDIR", QFile::encodeName(tempFolder));
  const int failed = mysql_server_init(count, arguments, groups);
  if (wasSet) {
    qputenv("TMPDIR", previous);
  } else {
    qunsetenv("TMPDIR");
  }
  return failed;
}

// The embedded server can be started once per process: a second start after its end
// crashes inside the library, so a later Connect fails instead.
bool serverEverStarted = false;

QString QuotedList(const QStringList& names) {
  QStringList quoted;
  quoted.reserve(names.size());
  for (const QString& name : names) quoted.append(u'`' + name + u'`');
  return quoted.join(QStringLiteral(", "));
}

}  // namespace

CClient::CClient(Prompter* prompter) : prompter_(prompter) {}

CClient::~CClient() { Disconnect(); }

int CClient::Connect(const QString&, int, const QString&, const QString&, int) {
  if (connection_ != nullptr) return 0;
  startFailure_.reset();
  std::optional<SettingsProblem> problem;
  const std::optional<ServerSettings> settings = ReadServerSettings(QDir::currentPath(), problem);
  if (problem) {
    startFailure_ = StartFailure{StartFailure::Reason::ServerSettings, problem->text};
    return 1;
  }
  if (settings) return ConnectToServer(*settings);
  return ConnectEmbedded();
}

int CClient::ConnectToServer(const ServerSettings& settings) {
  QString password;
  if (settings.password) {
    password = *settings.password;
  } else {
    const std::optional<QString> typed =
        prompter_ != nullptr
            ? prompter_->AskPassword(QStringLiteral("Parola pentru serverul de baze de date:"))
            : std::nullopt;
    if (!typed) {
      startFailure_ = StartFailure{StartFailure::Reason::NoPassword, {}};
      return 1;
    }
    password = *typed;
  }
  WaitCursor cursor;
  connection_ =
      OnDatabaseThread([&] { return OpenServerConnection(settings, password, startFailure_); });
  if (connection_ == nullptr) return 1;
  server_ = settings;
  password_ = password;
  return 0;
}

QString CClient::ServerName() const {
  return server_ ? server_->host + u':' + QString::number(server_->port) : QString();
}

QString CClient::Cipher() const {
  if (!OnServer()) return {};
  return OnDatabaseThread([this] { return ConnectionCipher(connection_); });
}

int CClient::ConnectEmbedded() {
  if (serverEverStarted) return 1;
  QString dataDir;
  startFailure_ = PrepareEmbeddedStart(QDir::currentPath(), dataLock_, dataDir);
  if (startFailure_) return 1;
  const qint64 logSize = ServerLogSize(dataDir);

  static char programName[] = "mysql_test";
  static char defaultsFile[] = "--defaults-file=srv_embedded.cfg";
  // The register has no `mysql` database, so no saved statistics: without this every
  // statement would look for their table on the disk again, a failed file open each.
  static char noSavedStatistics[] = "--use-stat-tables=NEVER";
  static char serverGroup[] = "libmysqld_server";
  static char clientGroup[] = "libmysqld_client";
  char* arguments[] = {programName, defaultsFile, noSavedStatistics, nullptr};
  char* groups[] = {serverGroup, clientGroup, nullptr};
  serverEverStarted = true;
  // The server is started, and its connection made, on the database thread, which the
  // library then knows as its own.
  MYSQL* connection = OnDatabaseThread([&]() -> MYSQL* {
    StartErrors printed;
    if (ServerInitInFolder(static_cast<int>(std::size(arguments)) - 1, arguments, groups,
                           ServerTempFolder(dataDir)) != 0) {
      startFailure_ = ServerRefused(dataDir, logSize, printed.Refused());
      return nullptr;
    }
    printed.Started();
    MYSQL* opened = mysql_init(nullptr);
    if (opened == nullptr) return nullptr;
    mysql_options(opened, MYSQL_READ_DEFAULT_GROUP, "libmysqld_client");
    mysql_options(opened, MYSQL_OPT_USE_EMBEDDED_CONNECTION, nullptr);
    mysql_options(opened, MYSQL_SET_CHARSET_NAME, "utf8mb4");
    if (mysql_real_connect(opened, nullptr, nullptr, nullptr, "", 0, nullptr, 0) == nullptr) {
      mysql_close(opened);
      mysql_server_end();
      startFailure_ = ServerRefused(dataDir, logSize, printed.Refused());
      return nullptr;
    }
    return opened;
  });
  if (connection == nullptr) {
    dataLock_.reset();
    return 1;
  }
  connection_ = connection;
  embeddedDataDir_ = dataDir;
  return 0;
}

int CClient::Disconnect() {
  auditColumns_.clear();
  if (connection_ != nullptr && server_) {
    OnDatabaseThread([this] { mysql_close(connection_); });
    connection_ = nullptr;
    server_.reset();
    password_.clear();
    lost_ = false;
    transactionDepth_ = 0;
  } else if (connection_ != nullptr) {
    OnDatabaseThread([this] {
      mysql_close(connection_);
      mysql_server_end();
    });
    // Emptied by the server's next start in any case; nothing in it outlives the server.
    QDir(ServerTempFolder(embeddedDataDir_)).removeRecursively();
    connection_ = nullptr;
    embeddedDataDir_.clear();
    dataLock_.reset();
  }
  return 1;
}

int CClient::Send(const QByteArray& statement, const RowsReader& read) {
  if (connection_ == nullptr) return 1;
  // The statement and the reading of its rows are one task of the database thread.
  return OnDatabaseThread([&] {
    if (lost_ && !Reconnect()) return 1;
    if (keepLog_) statementLog_.append(QString::fromUtf8(statement));
    if (ChangesTables(statement)) auditColumns_.clear();
    if (SendStatement(connection_, statement)) {
      sentInsertId_ = mysql_insert_id(connection_);
      // Rows a statement returns must be read before the next one, wanted or not.
      MYSQL_RES* rows = mysql_store_result(connection_);
      if (read) read(rows);
      if (rows != nullptr) mysql_free_result(rows);
      return 0;
    }
    if (server_ && ConnectionLost(connection_)) {
      // Shown as it is; the transaction under way is gone with the connection.
      lost_ = true;
      transactionDepth_ = 0;
    }
    return 1;
  });
}

bool CClient::Reconnect() {
  lost_ = false;
  std::optional<StartFailure> failure;
  st_mysql* fresh = OpenServerConnection(*server_, password_, failure);
  if (fresh == nullptr) {
    lost_ = true;
    reconnectFailure_ = failure ? StartFailureText(*failure) : QString();
    return false;
  }
  mysql_close(connection_);
  connection_ = fresh;
  reconnectFailure_.clear();
  return true;
}

int CClient::ShowDbError() {
  QString message = QStringLiteral("Nu exista conexiune la baza de date.");
  if (lost_ && !reconnectFailure_.isEmpty()) {
    message = reconnectFailure_;
  } else if (connection_ != nullptr) {
    message = OnDatabaseThread([this] { return QString::fromUtf8(mysql_error(connection_)); });
  }
  if (prompter_ != nullptr) {
    prompter_->Inform(QStringLiteral("EROARE Mysql:\n\n") + message, Prompter::DefaultCaption(),
                      Prompter::Icon::Error);
  }
  return 1;
}

unsigned CClient::LastErrorNumber() const {
  if (connection_ == nullptr) return 0;
  return OnDatabaseThread([this] { return mysql_errno(connection_); });
}

CClient::RowsReader CClient::ResultReader() {
  return [this](MYSQL_RES* rows) { result_.Load(rows); };
}

int CClient::Execute(const QString& sql, int store) {
  WaitCursor cursor;
  if (Send(sql.toUtf8(), store != 0 ? ResultReader() : RowsReader()) != 0) {
    cursor.Release();
    return ShowDbError();
  }
  return 0;
}

int CClient::ExecuteQuiet(const QString& sql, int store) {
  return Send(sql.toUtf8(), store != 0 ? ResultReader() : RowsReader()) != 0 ? 1 : 0;
}

int CClient::ExecuteBuffered() {
  WaitCursor cursor;
  statement_.clear();
  for (const QString& piece : pieces_) statement_.append(piece.toUtf8());
  if (Send(statement_) != 0) {
    cursor.Release();
    return ShowDbError();
  }
  return 0;
}

int CClient::Begin() {
  if (!server_) return 0;
  if (transactionDepth_++ > 0) return 0;
  if (Send(QByteArrayLiteral("START TRANSACTION")) == 0) return 0;
  transactionDepth_ = 0;
  return ShowDbError();
}

int CClient::Commit() {
  if (!server_ || transactionDepth_ == 0) return 0;
  if (--transactionDepth_ > 0) return 0;
  if (Send(QByteArrayLiteral("COMMIT")) == 0) return 0;
  ShowDbError();
  // Deliberately ignored: the failed commit was shown, and a lost connection undoes the
  // transaction by itself.
  static_cast<void>(Send(QByteArrayLiteral("ROLLBACK")));
  return 1;
}

int CClient::Rollback() {
  if (!server_ || transactionDepth_ == 0) return 0;
  // An inner failure undoes the whole: the outer parts see their Commit refused.
  transactionDepth_ = 0;
  return Send(QByteArrayLiteral("ROLLBACK")) == 0 ? 0 : 1;
}

int CClient::EndAuditedWrite(bool sent) {
  if (!sent) {
    ShowDbError();
    // Deliberately ignored: the write's failure was shown and is what the caller gets.
    static_cast<void>(Rollback());
    return 1;
  }
  return Commit();
}

int CClient::AuditedInsert(const TableName& table, const Columns& columns, const QString& suffix,
                           int mark) {
  WaitCursor cursor;
  // Written straight into the bytes the server gets: an import sends tens of thousands.
  StartStatement(statement_, "insert into ", table);
  statement_.append(" (");
  for (const Column& column : columns) {
    if (&column != &columns.front()) statement_.append(", ");
    statement_.append('`');
    AppendText(statement_, column.name);
    statement_.append('`');
  }
  statement_.append(") values (");
  for (const Column& column : columns) {
    if (&column != &columns.front()) statement_.append(", ");
    AppendAuditedValue(statement_, column.value);
  }
  statement_.append(')');
  AppendText(statement_, suffix);
  if (Begin() != 0) return 1;
  if (Send(statement_) != 0) {
    cursor.Release();
    return EndAuditedWrite(false);
  }
  lastInsertId_ = sentInsertId_;
  if (mark != 0) {
    StartStatement(statement_, "update ", table);
    statement_.append(" set `ZZ_CONT`='' where `index`='");
    AppendText(statement_, FormatInteger(static_cast<double>(lastInsertId_)));
    statement_.append('\'');
    const bool marked = Send(statement_) == 0;
    if (!marked && server_) return EndAuditedWrite(false);
  }
  return EndAuditedWrite(true);
}

std::optional<bool> CClient::RowStillThere(double index, const TableName& table) {
  // On a server the row stays locked until the write's transaction ends.
  const QString sql = QStringLiteral("SELECT `index` FROM ") + table.database + u'.' + table.table +
                      QStringLiteral(" WHERE `index`='") + FormatInteger(index) + u'\'' +
                      (server_ ? QStringLiteral(" FOR UPDATE") : QString());
  bool found = false;
  const RowsReader count = [&found](MYSQL_RES* rows) {
    found = rows != nullptr && mysql_num_rows(rows) > 0;
  };
  if (Send(sql.toUtf8(), count) != 0) return std::nullopt;
  if (!found && prompter_ != nullptr) {
    prompter_->Inform(QStringLiteral("Inregistrarea a fost stearsa de pe alt calculator."));
  }
  return found;
}

bool CClient::HoldRow(double index, const TableName& table) {
  if (!server_) return true;
  const std::optional<bool> there = RowStillThere(index, table);
  if (!there) {
    // Deliberately ignored: the write does not go on, and the failure was shown.
    static_cast<void>(EndAuditedWrite(false));
    return false;
  }
  // Deliberately ignored: the user was told the row is gone; there is nothing to undo.
  if (!*there) static_cast<void>(Rollback());
  return *there;
}

std::optional<CClient::AuditColumns> CClient::ReadAuditColumns(const TableName& table) {
  // Only this program changes the embedded register's tables, and any change of a table
  // through this client forgets what was read; on a server another workstation may.
  if (!server_) {
    const auto known = std::find_if(
        auditColumns_.cbegin(), auditColumns_.cend(), [&](const AuditColumns& columns) {
          return columns.table.database.compare(table.database, Qt::CaseInsensitive) == 0 &&
                 columns.table.table.compare(table.table, Qt::CaseInsensitive) == 0;
        });
    if (known != auditColumns_.cend()) return *known;
  }
  AuditColumns columns;
  columns.table = table;
  QStringList names;
  const RowsReader readNames = [&](MYSQL_RES* result) {
    if (result == nullptr) return;
    const unsigned fields = mysql_num_fields(result);
    for (unsigned i = 0; i < fields; ++i) {
      const QString name = QString::fromUtf8(mysql_fetch_field_direct(result, i)->name);
      if (name.toUpper() == QLatin1String("ZZ_DATA")) columns.hasCreationTime = true;
      names.append(name);
    }
  };
  if (Send((QStringLiteral("select * from ") + table.database + u'.' + table.table +
            QStringLiteral(" LIMIT 0"))
               .toUtf8(),
           readNames) != 0) {
    return std::nullopt;
  }
  columns.list = QuotedList(names);
  if (!server_) auditColumns_.push_back(columns);
  return columns;
}

std::optional<bool> CClient::CopyToAuditLog(double index, const TableName& table,
                                            const QString& operation) {
  return CopyRowsToAuditLog(table, QStringLiteral("`index`='") + FormatInteger(index) + u'\'',
                            operation, {});
}

std::optional<bool> CClient::CopyRowsToAuditLog(const TableName& table, const QString& condition,
                                                const QString& operation, const QString& copyTime) {
  const std::optional<AuditColumns> columns = ReadAuditColumns(table);
  if (!columns) {
    if (server_) return std::nullopt;
    return false;
  }
  const QString& list = columns->list;
  const bool hasCreationTime = columns->hasCreationTime;
  const bool timed = !copyTime.isEmpty();
  // The copy carries its mark in the same statement: a kill can never leave an audit row
  // without the operation it records. One text grown in place: every audited write sends one.
  QString copy;
  copy.reserve(2 * list.size() + condition.size() + copyTime.size() + 128);
  copy.append(QStringLiteral("insert into ")).append(table.database);
  copy.append(QStringLiteral(".zlog_")).append(table.table).append(QStringLiteral(" ("));
  copy.append(list).append(QStringLiteral(", `znew_cont`, `znew_op`"));
  if (timed) copy.append(QStringLiteral(", `znew_data`"));
  copy.append(QStringLiteral(") select ")).append(list).append(QStringLiteral(", '', '"));
  copy.append(operation).append(u'\'');
  if (timed) copy.append(QStringLiteral(", ")).append(copyTime);
  copy.append(QStringLiteral(" from ")).append(table.database).append(u'.').append(table.table);
  copy.append(QStringLiteral(" where ")).append(condition);
  const bool copied = ExecuteQuiet(copy) == 0;
  if (copied) lastInsertId_ = sentInsertId_;
  // The embedded register keeps its writes going without the copy, as it always did.
  if (!copied && server_) return std::nullopt;
  return hasCreationTime;
}

std::optional<QString> CClient::AuditCopyTime() {
  if (Execute(QStringLiteral("SELECT NOW() AS t"), 1) != 0 || RowCount() < 1) return std::nullopt;
  return Text(GetField(0, QStringLiteral("T"))).Literal();
}

int CClient::AuditCopyWhere(const TableName& table, const QString& condition,
                            const QString& operation, const QString& copyTime) {
  if (CopyRowsToAuditLog(table, condition, operation, copyTime)) return 0;
  return ShowDbError();
}

int CClient::AuditedUpdate(double index, const TableName& table, const Columns& columns,
                           const QString& suffix) {
  WaitCursor cursor;
  if (Begin() != 0 || !HoldRow(index, table)) return 1;
  const std::optional<bool> hasCreationTime = CopyToAuditLog(index, table, QStringLiteral("M"));
  if (!hasCreationTime) return EndAuditedWrite(false);
  StartStatement(statement_, "UPDATE ", table);
  statement_.append(" SET ");
  for (const Column& column : columns) {
    if (&column != &columns.front()) statement_.append(", ");
    statement_.append('`');
    AppendText(statement_, column.name);
    statement_.append("`=");
    AppendAuditedValue(statement_, column.value);
  }
  if (*hasCreationTime) statement_.append(", ZZ_DATA=ZZ_DATA");
  statement_.append(" where `index`='");
  AppendText(statement_, FormatInteger(index));
  statement_.append('\'');
  AppendText(statement_, suffix);
  const bool sent = Send(statement_) == 0;
  cursor.Release();
  return EndAuditedWrite(sent);
}

int CClient::AuditedDelete(double index, const TableName& table, const QString& suffix) {
  WaitCursor cursor;
  if (Begin() != 0 || !HoldRow(index, table)) return 1;
  if (!CopyToAuditLog(index, table, QStringLiteral("D"))) return EndAuditedWrite(false);
  const QString statement = QStringLiteral("DELETE FROM ") + table.database + u'.' + table.table +
                            QStringLiteral(" WHERE `INDEX`='") + FormatInteger(index) + u'\'' +
                            suffix;
  const bool sent = Send(statement.toUtf8()) == 0;
  cursor.Release();
  return EndAuditedWrite(sent);
}

void CClient::AppendEscaped(QByteArray& out, const QByteArray& bytes) const {
  const qsizetype start = out.size();
  out.resize(start + bytes.size() * 2 + 1);
  unsigned long length = 0;
  if (connection_ != nullptr) {
    length = mysql_real_escape_string(connection_, out.data() + start, bytes.constData(),
                                      static_cast<unsigned long>(bytes.size()));
  } else {
    length = mysql_escape_string(out.data() + start, bytes.constData(),
                                 static_cast<unsigned long>(bytes.size()));
  }
  out.truncate(start + static_cast<qsizetype>(length));
}

QString CClient::EscapeFragment(const QString& value) const {
  QByteArray escaped;
  AppendEscaped(escaped, value.toUtf8());
  return QString::fromUtf8(escaped);
}

void CClient::AppendAuditedValue(QByteArray& out, const QString& value) const {
  // A backquote is stored as a single quote, as the register always did; the rest is the
  // connection's own escaping, as for every other text value.
  QByteArray stored = value.toUtf8();
  stored.replace('`', '\'');
  out.append('\'');
  AppendEscaped(out, stored);
  out.append('\'');
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
