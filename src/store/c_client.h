#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "store/columns.h"
#include "store/result_table.h"
#include "store/server/server_settings.h"
#include "store/server/server_start.h"
#include "store/sql.h"

class ListModel;
class QLockFile;
class Prompter;
struct st_mysql;
struct st_mysql_res;

// The program's only door to the database: starts the embedded server, or connects to the
// MariaDB server the start-up folder's settings file names, runs the SQL text the screens
// build, keeps the rows of the last stored query and performs the audited writes, which
// first copy the previous row version into the table's zlog_ audit table (on a server the
// write and its copy are one transaction). Operations return 0 on success and 1 on a
// failure already shown to the user.
class CClient {
 public:
  explicit CClient(Prompter* prompter);
  ~CClient();
  CClient(const CClient&) = delete;
  CClient& operator=(const CClient&) = delete;

  // The arguments are those of a networked client and are not used: the embedded server
  // starts unless velka-asigurati.ini in the current directory has a [server] group, whose
  // values are used then (the password asked through the prompter when the file has none
  // it may use).
  [[nodiscard]] int Connect(const QString& host = {}, int port = 0, const QString& user = {},
                            const QString& password = {}, int flags = 0);
  // Starts the embedded server on the current folder's data folder even when the settings
  // file names a server: the register that moves onto that server is read from here. Once
  // it runs, a second client of the process may connect to the server.
  [[nodiscard]] int ConnectEmbedded();
  int Disconnect();
  bool IsConnected() const { return connection_ != nullptr; }
  // Why the last Connect failed, when the reason is known.
  const std::optional<StartFailure>& LastStartFailure() const { return startFailure_; }
  // The data folder of the embedded server this client started; empty otherwise. Only
  // there does the program check, repair and copy table files itself.
  const QString& EmbeddedDataDir() const { return embeddedDataDir_; }
  // Whether the register is on a MariaDB server shared with other workstations.
  bool OnServer() const { return server_.has_value(); }
  // "host:port" of the server; empty for the embedded register.
  QString ServerName() const;
  // The cipher of the encrypted connection to the server; empty when it is not encrypted.
  QString Cipher() const;

  // Transactions of the writes that must be whole: on a server they are real, nested ones
  // belong to the outermost; on the embedded register (one program, tables that cannot roll
  // back) they do nothing. Commit and Rollback return 0 on success.
  [[nodiscard]] int Begin();
  [[nodiscard]] int Commit();
  [[nodiscard]] int Rollback();

  [[nodiscard]] int Execute(const QString& sql, int store = 0);
  // Sends a statement without showing its error; 0 on success. The rows of a successful
  // statement replace the result table when store is set.
  [[nodiscard]] int ExecuteQuiet(const QString& sql, int store = 0);
  // Statement pieces, concatenated and sent by ExecuteBuffered.
  void ClearPieces() { pieces_.clear(); }
  void AddPiece(const QString& piece) { pieces_.append(piece); }
  [[nodiscard]] int ExecuteBuffered();

  QString GetField(double row, const QString& upperName) const {
    return result_.GetField(row, upperName);
  }
  double RowCount() const { return result_.RowCount(); }
  const ResultTable& Result() const { return result_; }
  void FillList(ListModel& list) const;

  // The audited writes: the row's previous version goes to the table's zlog_ table first.
  // A value is stored as typed, but a backquote, which the register always stored as a single
  // quote. An insert marks its row (ZZ_CONT emptied) unless mark is 0.
  [[nodiscard]] int AuditedInsert(const TableName& table, const Columns& columns,
                                  const QString& suffix = {}, int mark = 1);
  [[nodiscard]] int AuditedUpdate(double index, const TableName& table, const Columns& columns,
                                  const QString& suffix = {});
  [[nodiscard]] int AuditedDelete(double index, const TableName& table, const QString& suffix = {});
  // Before a plain statement changes or deletes several rows: every row the condition (SQL
  // text built with Sql, on the table's own column names) selects is copied into the
  // table's zlog_ table, marked "M" or "D". `copyTime`, a time value, dates the copies of one
  // write alike (the server's time when empty). 0 when the write may go on: on a server a
  // failed copy stops it (shown), on the embedded register the write goes on without it, as
  // the audited writes of one row do.
  [[nodiscard]] int AuditCopyWhere(const TableName& table, const QString& condition,
                                   const QString& operation, const QString& copyTime = {});
  // The server's time now, as a value for the copies of one write that spans several tables
  // (a cascade of deletes): they carry one time, so they read as one deletion. Nothing when
  // the query failed (shown). Replaces the result table.
  [[nodiscard]] std::optional<QString> AuditCopyTime();
  quint64 LastInsertId() const { return lastInsertId_; }

  int ShowDbError();
  // The server's number of the last failure; 0 when none.
  [[nodiscard]] unsigned LastErrorNumber() const;

  // SQL values: every value that enters statement text goes through one of these.
  // A text value as a quoted literal, escaped by the connection.
  [[nodiscard]] SqlValue Text(const QString& value) const;
  // A quoted LIKE pattern: `value` with its %, _ and quotes escaped, between the given
  // wildcard texts (for example Like("", name, "%") for "starts with").
  [[nodiscard]] SqlValue Like(const QString& before, const QString& value,
                              const QString& after) const;
  // A numeric value appended bare; anything that is not a plain number becomes NULL,
  // which matches no row and cannot change the statement.
  static QString Number(const QString& value);
  static QString Number(double value);

  // The statements sent while the log is kept, in order, as UTF-8 text, failed ones too:
  // tests read what the program really sends. Off by default.
  void KeepStatementLog(bool keep) { keepLog_ = keep; }
  const QStringList& StatementLog() const { return statementLog_; }
  void ClearStatementLog() { statementLog_.clear(); }

  void SetVersion(const QString& version) { version_ = version; }
  const QString& Version() const { return version_; }
  Prompter* GetPrompter() const { return prompter_; }
  // Work that runs on its own (the month's files from the window) collects the messages
  // instead of stopping at a box for each; it puts the previous prompter back when done.
  Prompter* ReplacePrompter(Prompter* prompter) {
    Prompter* previous = prompter_;
    prompter_ = prompter;
    return previous;
  }
  // The library's connection, for code that speaks its C interface: only inside work given
  // to RunOnDatabaseThread (store/database_thread.h).
  st_mysql* NativeHandle() const { return connection_; }

 private:
  struct AuditColumns {
    TableName table;
    QString list;  // "`INDEX`, `CF`, ..."
    bool hasCreationTime = false;
  };

  // Reads the rows a statement returned (none: nullptr), on the database thread.
  using RowsReader = std::function<void(st_mysql_res*)>;
  int Send(const QByteArray& statement, const RowsReader& read = {});
  RowsReader ResultReader();
  int ConnectToServer(const ServerSettings& settings);
  // After a lost connection: one new connection, with its session prepared again.
  bool Reconnect();
  // The audited write's statements are sent; ends its transaction by the outcome.
  int EndAuditedWrite(bool sent);
  // Whether the row is still there (locked until the transaction ends on a server); tells
  // the user when another workstation deleted it. Nothing when the query failed (shown).
  std::optional<bool> RowStillThere(double index, const TableName& table);
  // On a server: the row locked for the write; false when the write cannot go on (the
  // transaction is ended, the user told why).
  bool HoldRow(double index, const TableName& table);
  QString EscapeFragment(const QString& value) const;
  // The value as the audited writes store it, between quotes, appended to `out`.
  void AppendAuditedValue(QByteArray& out, const QString& value) const;
  // The connection's escaping of UTF-8 text, appended to `out`.
  void AppendEscaped(QByteArray& out, const QByteArray& bytes) const;
  // Copies a row into zlog_<table> marked with the operation letter; silent on failure.
  // Returns whether the table has a ZZ_DATA column.
  // Nothing when the copy failed on a server, where the write must not go on without it.
  std::optional<AuditColumns> ReadAuditColumns(const TableName& table);
  std::optional<bool> CopyToAuditLog(double index, const TableName& table,
                                     const QString& operation);
  // The copy of every row the condition selects; the same outcomes.
  std::optional<bool> CopyRowsToAuditLog(const TableName& table, const QString& condition,
                                         const QString& operation, const QString& copyTime);

  Prompter* prompter_;
  std::unique_ptr<QLockFile> dataLock_;  // one program per data folder
  QString embeddedDataDir_;
  std::optional<ServerSettings> server_;
  QString password_;
  bool lost_ = false;         // the server went away: the next statement reconnects once
  QString reconnectFailure_;  // why that reconnection failed
  int transactionDepth_ = 0;
  std::optional<StartFailure> startFailure_;
  QString version_;
  st_mysql* connection_ = nullptr;
  QStringList pieces_;
  QByteArray statement_;  // grows as needed; the server gets exactly these bytes
  quint64 lastInsertId_ = 0;
  quint64 sentInsertId_ = 0;  // of the last statement sent
  ResultTable result_;
  bool keepLog_ = false;
  QStringList statementLog_;
  // The columns of each table as its audit copy lists them, read once per table on the
  // embedded register: one statement less for every audited update and delete. A handful of
  // tables, looked through without making a key text: every audited write looks here.
  std::vector<AuditColumns> auditColumns_;
};
