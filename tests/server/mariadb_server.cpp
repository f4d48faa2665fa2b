#include "mariadb_server.h"

#include <netinet/in.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include "store/server/server_settings.h"

namespace {

const QString kServerProgram = QStringLiteral("/usr/sbin/mariadbd");
constexpr int kReadyTimeoutMs = 30000;

int FreeLoopbackPort() {
  const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  int port = 0;
  if (::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
    port = ntohs(address.sin_port);
  }
  ::close(probe);
  return port;
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A server empties its temporary folder as it starts: its own, so that it never takes the
// temporary tables from under another test program's server.
QStringList CommonOptions(const QString& dataDir, int lowerCaseTableNames) {
  const QString temporary = dataDir + QStringLiteral(".tmp");
  QDir().mkpath(temporary);
  QStringList options = {QStringLiteral("--no-defaults"),
                         QStringLiteral("--datadir=") + dataDir,
                         QStringLiteral("--tmpdir=") + temporary,
                         QStringLiteral("--lower-case-table-names=%1").arg(lowerCaseTableNames),
                         QStringLiteral("--character-set-server=utf8mb4"),
                         QStringLiteral("--innodb-buffer-pool-size=32M"),
                         QStringLiteral("--innodb-log-file-size=16M")};
  if (::geteuid() == 0) options << QStringLiteral("--user=root");
  return options;
}

// Runs openssl in `folder`; its output when it failed.
QString OpenSsl(const QString& folder, const QStringList& arguments) {
  QProcess openssl;
  openssl.setWorkingDirectory(folder);
  openssl.setProcessChannelMode(QProcess::MergedChannels);
  openssl.start(QStringLiteral("openssl"), arguments);
  if (!openssl.waitForFinished(kReadyTimeoutMs) || openssl.exitCode() != 0) {
    return QStringLiteral("openssl ") + arguments.join(u' ') + u'\n' +
           QString::fromUtf8(openssl.readAll());
  }
  return {};
}

QStringList NewAuthority(const QString& name, const QString& subject) {
  return {QStringLiteral("req"),
          QStringLiteral("-x509"),
          QStringLiteral("-newkey"),
          QStringLiteral("rsa"),
          QStringLiteral("-pkeyopt"),
          QStringLiteral("rsa_keygen_bits:2048"),
          QStringLiteral("-nodes"),
          QStringLiteral("-days"),
          QStringLiteral("2"),
          QStringLiteral("-subj"),
          subject,
          QStringLiteral("-keyout"),
          name + QStringLiteral("-key.pem"),
          QStringLiteral("-out"),
          name + QStringLiteral(".pem")};
}

}  // namespace

MariadbServer::MariadbServer(int lowerCaseTableNames)
    : folder_(QDir::tempPath() + QStringLiteral("/velka-mariadb-XXXXXX")),
      lowerCaseTableNames_(lowerCaseTableNames) {}

MariadbServer::~MariadbServer() { Stop(); }

bool MariadbServer::Installed() { return QFileInfo(kServerProgram).isExecutable(); }

QString MariadbServer::Bootstrap() {
  // What the installer script does, without the client tools it needs: the system tables,
  // with root allowed from the loopback without a password.
  QByteArray sql = "create database if not exists mysql;\nuse mysql;\n";
  sql += ReadAll(QStringLiteral("/usr/share/mysql/mysql_system_tables.sql"));
  sql += ReadAll(QStringLiteral("/usr/share/mysql/mysql_system_tables_data.sql"));
  QDir().mkpath(DataDir());
  QProcess bootstrap;
  bootstrap.setProcessChannelMode(QProcess::MergedChannels);
  bootstrap.start(kServerProgram, CommonOptions(DataDir(), lowerCaseTableNames_)
                                      << QStringLiteral("--bootstrap"));
  if (!bootstrap.waitForStarted()) return QStringLiteral("mariadbd did not start");
  bootstrap.write(sql);
  bootstrap.closeWriteChannel();
  bootstrap.waitForFinished(kReadyTimeoutMs);
  if (bootstrap.exitStatus() != QProcess::NormalExit || bootstrap.exitCode() != 0) {
    return QStringLiteral("bootstrap failed: ") + QString::fromUtf8(bootstrap.readAll());
  }
  return {};
}

QString MariadbServer::MakeCertificates() {
  const QString folder = folder_.path();
  QFile extensions(folder + QStringLiteral("/server.ext"));
  if (!extensions.open(QIODevice::WriteOnly)) return QStringLiteral("no extensions file");
  extensions.write("subjectAltName=IP:127.0.0.1\n");
  extensions.close();
  const QList<QStringList> steps = {
      NewAuthority(QStringLiteral("ca"), QStringLiteral("/CN=Velka test CA")),
      NewAuthority(QStringLiteral("other-ca"), QStringLiteral("/CN=Other CA")),
      {QStringLiteral("req"), QStringLiteral("-newkey"), QStringLiteral("rsa"),
       QStringLiteral("-pkeyopt"), QStringLiteral("rsa_keygen_bits:2048"), QStringLiteral("-nodes"),
       QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-keyout"),
       QStringLiteral("server-key.pem"), QStringLiteral("-out"), QStringLiteral("server.csr")},
      {QStringLiteral("x509"), QStringLiteral("-req"), QStringLiteral("-in"),
       QStringLiteral("server.csr"), QStringLiteral("-CA"), QStringLiteral("ca.pem"),
       QStringLiteral("-CAkey"), QStringLiteral("ca-key.pem"), QStringLiteral("-CAcreateserial"),
       QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-extfile"),
       QStringLiteral("server.ext"), QStringLiteral("-out"), QStringLiteral("server.pem")},
  };
  for (const QStringList& step : steps) {
    if (const QString failed = OpenSsl(folder, step); !failed.isEmpty()) return failed;
  }
  return {};
}

QString MariadbServer::Start() {
  if (!folder_.isValid()) return QStringLiteral("no temporary folder");
  if (!QFileInfo::exists(DataDir() + QStringLiteral("/mysql"))) {
    if (const QString failed = Bootstrap(); !failed.isEmpty()) return failed;
    if (const QString failed = MakeCertificates(); !failed.isEmpty()) return failed;
  }
  if (port_ == 0) port_ = FreeLoopbackPort();
  const QString log = folder_.path() + QStringLiteral("/server.log");
  const qint64 logStart = QFileInfo(log).size();
  process_ = std::make_unique<QProcess>();
  process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  // A test program that dies before it stops the server takes the server with it.
  process_->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
  process_->start(
      kServerProgram,
      CommonOptions(DataDir(), lowerCaseTableNames_)
          << QStringLiteral("--port=%1").arg(port_) << QStringLiteral("--bind-address=127.0.0.1")
          << QStringLiteral("--socket=") + folder_.path() + QStringLiteral("/sock")
          << QStringLiteral("--pid-file=") + folder_.path() + QStringLiteral("/pid")
          << QStringLiteral("--log-error=") + log << QStringLiteral("--skip-name-resolve")
          << QStringLiteral("--ssl-ca=") + CertificateAuthority()
          << QStringLiteral("--ssl-cert=") + folder_.path() + QStringLiteral("/server.pem")
          << QStringLiteral("--ssl-key=") + folder_.path() + QStringLiteral("/server-key.pem"));
  if (!process_->waitForStarted()) return QStringLiteral("mariadbd did not start");
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < kReadyTimeoutMs) {
    if (ReadAll(log).mid(logStart).contains("ready for connections")) return {};
    if (process_->state() == QProcess::NotRunning) break;
    QThread::msleep(20);
  }
  return QStringLiteral("the server did not get ready:\n") +
         QString::fromUtf8(ReadAll(log).mid(logStart));
}

void MariadbServer::Kill() {
  if (!process_ || process_->state() == QProcess::NotRunning) return;
  ::kill(static_cast<pid_t>(process_->processId()), SIGKILL);
  process_->waitForFinished(kReadyTimeoutMs);
}

void MariadbServer::Stop() {
  if (!process_ || process_->state() == QProcess::NotRunning) return;
  ::kill(static_cast<pid_t>(process_->processId()), SIGTERM);
  if (!process_->waitForFinished(kReadyTimeoutMs)) Kill();
}

QString MariadbServer::Workstation(const QString& name, const QString& user,
                                   const QString& password, const QString& sslCa) const {
  const QString start = folder_.path() + QStringLiteral("/ws-") + name;
  QDir().mkpath(start);
  const QString path = start + u'/' + QLatin1String(kSettingsFile);
  QFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    file.write(QStringLiteral("[server]\nhost=127.0.0.1\nport=%1\nuser=\"%2\"\npassword=\"%3\"\n")
                   .arg(port_)
                   .arg(user, password)
                   .toUtf8());
    if (!sslCa.isEmpty()) file.write((QStringLiteral("ssl-ca=\"") + sslCa + u'"' + u'\n').toUtf8());
  }
  file.close();
  QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  return start;
}
