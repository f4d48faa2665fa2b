#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class CClient;

// The schema version this program works with.
inline constexpr char kSchemaVersion[] = "2.08";

// Whether a register's version is later than kSchemaVersion: a later release brought it
// there, and this program does not work on it.
[[nodiscard]] bool IsLaterVersion(const QString& version);
// What the program says before it stops on such a register.
[[nodiscard]] QString LaterRegisterText(const QString& version);

// Told about every statement the schema procedure has just sent, whatever its outcome.
using SchemaObserver = std::function<void(const QString& statement)>;

// Run once per start, right after Connect: creates the databases on a first installation,
// then repairs the tables and brings an older schema up to kSchemaVersion step by step.
// Failures are shown through the client's prompter; the program stays usable either way,
// except on a register of a later version: the reason is shown and the result is false, the
// program must not work on it.
bool UpgradeSchema(CClient& client);
bool UpgradeSchema(CClient& client, const SchemaObserver& observer);

// First installation: when `asigurati` or `concedii` is missing, or an earlier creation was
// cut short, creates every table, audit table, house and index and records the version.
// Returns false after a failure already shown.
bool CreateSchemaIfMissing(CClient& client, const SchemaObserver& observer = {});

// The repairs, the version check and the upgrade steps, on databases that exist. False
// only for a register of a later version (the reason shown): the program must not use it.
[[nodiscard]] bool CheckAndUpgradeSchema(CClient& client, const SchemaObserver& observer = {});

// Adds to each zlog_ audit table the columns its table gained since the audit table was
// made, so that the copy before an update or a delete keeps working. False when a statement
// failed (shown).
[[nodiscard]] bool AlignAuditTables(CClient& client, const SchemaObserver& observer = {});

// The health-insurance houses the register starts with: code and name.
struct HouseSeed {
  const char* code;
  const char* name;
};
const std::vector<HouseSeed>& SeedHouses();
