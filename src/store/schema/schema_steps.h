#pragma once

#include <QString>
#include <vector>

#include "store/schema/schema_runner.h"

class UpgradeSteps;

struct UpgradeStep {
  const char* from;
  const char* to;
  bool (UpgradeSteps::*run)();  // false: the step stopped the procedure
};

// The upgrade steps of the register's schema, with their statements as the releases that
// introduced them wrote them.
class UpgradeSteps {
 public:
  explicit UpgradeSteps(SchemaRunner& runner) : runner_(runner) {}

  static const std::vector<UpgradeStep>& All();
  SchemaRunner& Runner() { return runner_; }
  // A step run again after an interruption finds part of its work done: a column it adds
  // that is already there, or one it drops that is already gone, is not an error then.
  void SetResuming(bool resuming) { resuming_ = resuming; }

  bool AddSalary();
  bool AddSalaryAgain();
  bool LinkAmountsToRecords();
  bool RoundContributions();
  bool AddCompanyAddress();
  bool AddLeaveColumns();
  bool RenameHargitaHouse();
  bool RenameHouseA();
  bool RenumberDeclarations();
  bool AddAuditCopyTimes();
  bool AddWrittenFiles();
  bool Record12() { return Record(QStringLiteral("1.2")); }
  bool Record17() { return Record(QStringLiteral("1.7")); }
  bool Record181() { return Record(QStringLiteral("1.81")); }
  bool Record182() { return Record(QStringLiteral("1.82")); }
  bool Record183() { return Record(QStringLiteral("1.83")); }
  bool Record200() { return Record(QStringLiteral("2.00")); }
  bool Record201() { return Record(QStringLiteral("2.01")); }
  bool Record204() { return Record(QStringLiteral("2.04")); }
  bool Record206() { return Record(QStringLiteral("2.06")); }
  bool Record207() { return Record(QStringLiteral("2.07")); }
  bool Record208() { return Record(QStringLiteral("2.08")); }

 private:
  // Recording a version: the old row goes, the new one is written by an audited insert.
  [[nodiscard]] bool Record(const QString& version);
  void RemoveVersion();
  bool RenameHouse(const QString& from, const QString& to, const QString& version);
  // False when the row could not be written (shown): the step stops the procedure.
  [[nodiscard]] bool WriteVersion(const QString& version);
  // No store; a failure ends the procedure.
  bool Stopping(const QString& sql);
  // No store; a failure is shown and the step goes on.
  void Continuing(const QString& sql);
  // Through the statement buffer; a failure is shown and the step goes on.
  void Buffered(const QString& sql);

  SchemaRunner& runner_;
  bool resuming_ = false;
};
