#include "store/server/server_connection.h"
#include "store/native_statement.h"

#include <errmsg.h>
#include <mysql.h>
#include <mysqld_error.h>

#include <QFile>

namespace {

constexpr unsigned kConnectTimeoutSeconds = 10;

// The library's client side is set up once per process without its embedded server.
bool ClientLibraryReady() {
  static const bool ready = mysql_server_init(-1, nullptr, nullptr) == 0;
  return ready;
}

QString ServerError(MYSQL* connection) { return QString::fromUtf8(mysql_error(connection)); }

StartFailure ConnectFailure(MYSQL* connection, const ServerSettings& settings) {
  const QString where = settings.host + u':' + QString::number(settings.port);
  const QString said = ServerError(connection);
  switch (mysql_errno(connection)) {
    case CR_CONNECTION_ERROR:
    case CR_CONN_HOST_ERROR:
    case CR_UNKNOWN_HOST:
    case CR_SERVER_LOST:
      return {StartFailure::Reason::ServerUnreachable, where};
    case ER_ACCESS_DENIED_ERROR:
    case ER_DBACCESS_DENIED_ERROR:
    case ER_HOST_NOT_PRIVILEGED:
    case ER_ACCESS_DENIED_NO_PASSWORD_ERROR:
      return {StartFailure::Reason::ServerUserRefused, settings.user + u'@' + where};
    case CR_SSL_CONNECTION_ERROR:
      return {StartFailure::Reason::ServerEncryption, said};
    default:
      break;
  }
  return {StartFailure::Reason::ServerAnswered, said};
}

bool Query(MYSQL* connection, const QString& sql) {
  if (!SendStatement(connection, sql.toUtf8())) return false;
  if (MYSQL_RES* rows = mysql_store_result(connection)) mysql_free_result(rows);
  return true;
}

// The first column of every row of a query; nothing when it failed.
std::optional<QStringList> Column(MYSQL* connection, const QString& sql) {
  if (!SendStatement(connection, sql.toUtf8())) return std::nullopt;
  MYSQL_RES* rows = mysql_store_result(connection);
  if (rows == nullptr) return std::nullopt;
  QStringList values;
  while (MYSQL_ROW row = mysql_fetch_row(rows)) {
    values.append(row[0] != nullptr ? QString::fromUtf8(row[0]) : QString());
  }
  mysql_free_result(rows);
  return values;
}

// The account the server matched, as information_schema names grantees: 'user'@'host'.
const char kGrantee[] =
    "CONCAT('''', SUBSTRING_INDEX(CURRENT_USER(), '@', 1), '''@''', "
    "SUBSTRING_INDEX(CURRENT_USER(), '@', -1), '''')";

// "CREATE pe concedii" for each privilege the account lacks on the register's databases.
std::optional<QStringList> MissingPrivileges(MYSQL* connection) {
  const std::optional<QStringList> global =
      Column(connection, QStringLiteral("SELECT p.privilege_type FROM "
                                        "information_schema.user_privileges AS p WHERE "
                                        "p.grantee=") +
                             QLatin1String(kGrantee));
  if (!global) return std::nullopt;
  QStringList missing;
  for (const QString& database : RegisterDatabases()) {
    const std::optional<QStringList> granted = Column(
        connection,
        QStringLiteral("SELECT s.privilege_type FROM information_schema.schema_privileges AS s "
                       "WHERE s.grantee=") +
            QLatin1String(kGrantee) + QStringLiteral(" AND '") + database +
            QStringLiteral("' LIKE s.table_schema"));
    if (!granted) return std::nullopt;
    for (const QString& privilege : RequiredPrivileges()) {
      if (!global->contains(privilege) && !granted->contains(privilege)) {
        missing << privilege + QStringLiteral(" pe ") + database;
      }
    }
  }
  return missing;
}

}  // namespace

const QStringList& RequiredPrivileges() {
  static const QStringList privileges = {QStringLiteral("SELECT"), QStringLiteral("INSERT"),
                                         QStringLiteral("UPDATE"), QStringLiteral("DELETE"),
                                         QStringLiteral("CREATE"), QStringLiteral("DROP"),
                                         QStringLiteral("ALTER"),  QStringLiteral("INDEX")};
  return privileges;
}

// The register's two databases and the one that marks a first installation under way.
const QStringList& RegisterDatabases() {
  static const QStringList databases = {QStringLiteral("asigurati"), QStringLiteral("concedii"),
                                        QStringLiteral("velka_creare")};
  return databases;
}

MYSQL* OpenServerConnection(const ServerSettings& settings, const QString& password,
                            std::optional<StartFailure>& failure) {
  failure.reset();
  if (!ClientLibraryReady()) {
    failure = StartFailure{StartFailure::Reason::ServerAnswered,
                           QStringLiteral("Biblioteca de conectare nu a pornit.")};
    return nullptr;
  }
  MYSQL* connection = mysql_init(nullptr);
  if (connection == nullptr) {
    failure = StartFailure{StartFailure::Reason::ServerAnswered, {}};
    return nullptr;
  }
  mysql_options(connection, MYSQL_OPT_USE_REMOTE_CONNECTION, nullptr);
  mysql_options(connection, MYSQL_SET_CHARSET_NAME, "utf8mb4");
  mysql_options(connection, MYSQL_OPT_CONNECT_TIMEOUT, &kConnectTimeoutSeconds);
  const QByteArray ca = QFile::encodeName(settings.sslCa);
  if (!settings.sslCa.isEmpty()) {
    // The server's certificate must be signed by this authority and name the host.
    const my_bool verify = 1;
    // The embedded build of the library drops the certificate options and verifies against
    // OpenSSL's default authorities, which the process points at this one file. Nothing else
    // in the program opens a TLS connection.
    qputenv("SSL_CERT_FILE", ca);
    mysql_ssl_set(connection, nullptr, nullptr, ca.constData(), nullptr, nullptr);
    mysql_options(connection, MYSQL_OPT_SSL_VERIFY_SERVER_CERT, &verify);
  }
  const QByteArray host = settings.host.toUtf8();
  const QByteArray user = settings.user.toUtf8();
  const QByteArray secret = password.toUtf8();
  // Found rows, not changed ones: saving a row unchanged is not taken for a row gone.
  if (mysql_real_connect(connection, host.constData(), user.constData(), secret.constData(),
                         nullptr, static_cast<unsigned>(settings.port), nullptr,
                         CLIENT_FOUND_ROWS) == nullptr) {
    failure = ConnectFailure(connection, settings);
    mysql_close(connection);
    return nullptr;
  }
  if (!settings.sslCa.isEmpty() && ConnectionCipher(connection).isEmpty()) {
    failure = StartFailure{StartFailure::Reason::ServerEncryption,
                           QStringLiteral("serverul nu a acceptat o conexiune criptata")};
    mysql_close(connection);
    return nullptr;
  }
  failure = PrepareServerSession(connection);
  if (failure) {
    mysql_close(connection);
    return nullptr;
  }
  return connection;
}

std::optional<StartFailure> PrepareServerSession(MYSQL* connection) {
  // A server's default mode is strict, while the register's statements rely on values being
  // converted and omitted columns taking their defaults. Tables made here are InnoDB:
  // transactions and row locks for several workstations at once.
  if (!Query(connection, QStringLiteral("SET SESSION sql_mode='NO_ENGINE_SUBSTITUTION', "
                                        "SESSION default_storage_engine=InnoDB"))) {
    return StartFailure{StartFailure::Reason::ServerAnswered, ServerError(connection)};
  }
  // The statements write table names in upper case and lower case alike.
  const std::optional<QStringList> lowerCase =
      Column(connection, QStringLiteral("SELECT @@lower_case_table_names"));
  if (!lowerCase || lowerCase->value(0) != QLatin1String("1")) {
    return StartFailure{StartFailure::Reason::ServerLowerCase,
                        lowerCase ? lowerCase->value(0) : QString()};
  }
  const std::optional<QStringList> missing = MissingPrivileges(connection);
  if (!missing) return StartFailure{StartFailure::Reason::ServerAnswered, ServerError(connection)};
  if (!missing->isEmpty()) {
    return StartFailure{StartFailure::Reason::ServerMissingPrivilege,
                        missing->join(QStringLiteral(", "))};
  }
  return std::nullopt;
}

QString ConnectionCipher(MYSQL* connection) {
  // The library's own cipher call answers only in its client-only build: the server says.
  if (connection == nullptr) return {};
  const std::optional<QStringList> cipher = Column(
      connection, QStringLiteral("SELECT v.variable_value FROM information_schema.session_status "
                                 "AS v WHERE v.variable_name='SSL_CIPHER'"));
  return cipher ? cipher->value(0) : QString();
}

bool ConnectionLost(MYSQL* connection) {
  const unsigned error = mysql_errno(connection);
  return error == CR_SERVER_GONE_ERROR || error == CR_SERVER_LOST;
}
