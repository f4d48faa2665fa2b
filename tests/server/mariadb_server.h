#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

// A MariaDB server of the test program's own: a temporary data folder made with the server's
// bootstrap, a free loopback port, the settings a Debian server needs for the register
// (lower_case_table_names=1, utf8mb4), stopped by its process id.
class MariadbServer {
 public:
  // `lowerCaseTableNames`: the server setting, 1 as the register needs it.
  explicit MariadbServer(int lowerCaseTableNames = 1);
  ~MariadbServer();
  MariadbServer(const MariadbServer&) = delete;
  MariadbServer& operator=(const MariadbServer&) = delete;

  // Whether the server program is installed (mariadb-server-core).
  static bool Installed();

  // Makes the data folder on the first call, starts the server and waits until it accepts
  // connections. An empty text on success, else what went wrong.
  QString Start();
  // SIGKILL, as a power cut of the server's process; Start starts it again on its folder.
  void Kill();
  // SIGTERM and a wait for the server's orderly end.
  void Stop();

  int Port() const { return port_; }
  // The authority that signed the server's certificate (for 127.0.0.1), and one that did not.
  QString CertificateAuthority() const { return folder_.path() + QStringLiteral("/ca.pem"); }
  QString OtherAuthority() const { return folder_.path() + QStringLiteral("/other-ca.pem"); }
  QString Folder() const { return folder_.path(); }
  // A start-up folder for a workstation with a settings file naming this server.
  QString Workstation(const QString& name, const QString& user = QStringLiteral("root"),
                      const QString& password = {}, const QString& sslCa = {}) const;

 private:
  QString Bootstrap();
  QString MakeCertificates();
  QString DataDir() const { return folder_.path() + QStringLiteral("/data"); }

  QTemporaryDir folder_;
  std::unique_ptr<QProcess> process_;
  int port_ = 0;
  int lowerCaseTableNames_;
};
