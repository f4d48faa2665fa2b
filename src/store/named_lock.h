#pragma once

#include <QString>

class CClient;

// A lock the server keeps by name (GET_LOCK) for as long as this object lives: a check that
// reads before it writes runs under it on one workstation at a time, so two cannot both
// pass it. The embedded register has one program on it and takes no lock.
class NamedLock {
 public:
  // Waits up to `waitSeconds` for the lock, under the wait cursor.
  NamedLock(CClient& client, const QString& name, int waitSeconds = kDefaultWaitSeconds);
  ~NamedLock();
  NamedLock(const NamedLock&) = delete;
  NamedLock& operator=(const NamedLock&) = delete;

  // Whether the work may go on: the lock is held, or none is needed. A lock not had in
  // time, or a failed query, has been shown.
  [[nodiscard]] bool Held() const { return held_; }

  static constexpr int kDefaultWaitSeconds = 60;

 private:
  CClient& client_;
  QString name_;
  bool held_ = true;
  bool taken_ = false;
};

// The names of the locks; one per rule, so that unrelated saves do not wait for each other.
namespace lock_names {
inline const QString kSchema = QStringLiteral("velka_asigurati.schema");
inline const QString kCompanyCode = QStringLiteral("velka_asigurati.cf");
inline const QString kInsured = QStringLiteral("velka_asigurati.asigurati");
inline const QString kDeclaration = QStringLiteral("velka_asigurati.declaratii");
inline const QString kCertificate = QStringLiteral("velka_asigurati.concedii");
}  // namespace lock_names
