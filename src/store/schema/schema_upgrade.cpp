#include "store/c_client.h"
#include "store/named_lock.h"
#include "store/prompter.h"
#include "store/schema/schema.h"
#include "store/schema/schema_runner.h"
#include "store/schema/schema_steps.h"
#include "store/schema/table_repair.h"

namespace {

// The versiune row is replaced by a delete and an insert, and some steps record their new
// version before their work is done. So that a program killed inside a step cannot leave
// the database without a version, or marked with a version whose work never ran, each step
// first notes the version it starts from in this setari row; the next step's note replaces
// it, and the note goes once the last step and the audit tables are done. A note found at
// start means that step was interrupted: it runs again from that version.
constexpr char kStepNote[] = "actualizare";

// The version the database is at, or an empty text when the check failed (already shown).
QString ReadVersion(SchemaRunner& runner, bool& interrupted) {
  if (!runner.Run(QStringLiteral("SELECT * FROM asigurati.setari AS s WHERE s.denumire='versiune'"),
                  1)) {
    return {};
  }
  CClient& client = runner.Client();
  QString version = client.RowCount() > 0 ? client.GetField(0, QStringLiteral("SETARE"))
                                          : QStringLiteral("1.1 beta");
  interrupted = false;
  if (runner.RunQuiet(QStringLiteral("SELECT s.setare FROM asigurati.setari AS s WHERE "
                                     "s.denumire='") +
                          QLatin1String(kStepNote) + u'\'',
                      1) &&
      client.RowCount() > 0) {
    version = client.GetField(0, QStringLiteral("SETARE"));
    interrupted = true;
  }
  return version;
}

// The note is a help for an interrupted step; without it the step simply is not resumed.
void NoteStep(SchemaRunner& runner, const QString& from) {
  (void)runner.RunQuiet(QStringLiteral("DELETE FROM asigurati.setari WHERE denumire='") +
                        QLatin1String(kStepNote) + u'\'');
  if (from.isEmpty()) return;
  (void)runner.RunQuiet(QStringLiteral("INSERT INTO asigurati.setari (DENUMIRE, SETARE, ZZ_CONT) "
                                       "VALUES ('") +
                        QLatin1String(kStepNote) + QStringLiteral("', '") + from +
                        QStringLiteral("', '')"));
}

// A workstation may wait this long for another one's check or upgrade of the server.
constexpr int kSchemaWaitSeconds = 900;

// On a server the program copies no table files: its administrator's backup is the way back.
bool ServerBackupConfirmed(CClient& client, const QString& version) {
  if (!client.OnServer()) return true;
  Prompter* prompter = client.GetPrompter();
  return prompter != nullptr &&
         prompter->Ask(QStringLiteral("Bazele de date de pe serverul %1 trebuie actualizate de la "
                                      "versiunea %2 la versiunea %3.\n\nAre serverul o copie de "
                                      "siguranta facuta chiar acum? Continuati doar daca are.")
                           .arg(client.ServerName(), version, QLatin1String(kSchemaVersion)));
}

// Runs every step whose starting version is the one reached so far. Returns whether any ran;
// the note of the last one is left for the caller to remove once its work is complete.
bool RunSteps(UpgradeSteps& steps, QString version, bool interrupted) {
  bool anyRan = false;
  for (const UpgradeStep& step : steps.All()) {
    if (version != QLatin1String(step.from)) continue;
    // The steps rewrite table files: their state before the first one is kept aside.
    if (!anyRan && !ServerBackupConfirmed(steps.Runner().Client(), version)) return false;
    if (!anyRan &&
        !CopyTablesBeforeRewrite(steps.Runner(),
                                 AllRegisterTables(steps.Runner().Client().EmbeddedDataDir()))) {
      return false;
    }
    anyRan = true;
    steps.SetResuming(interrupted);
    NoteStep(steps.Runner(), QString::fromLatin1(step.from));
    if (!(steps.*step.run)()) break;
    version = QString::fromLatin1(step.to);
    interrupted = false;
  }
  return anyRan;
}

}  // namespace

bool IsLaterVersion(const QString& version) {
  bool isNumber = false;
  const double number = version.toDouble(&isNumber);
  return isNumber && number > QString::fromLatin1(kSchemaVersion).toDouble();
}

QString LaterRegisterText(const QString& version) {
  return QStringLiteral(
             "Registrul are versiunea %1, mai noua decat versiunea %2 cu care lucreaza acest "
             "program.\n\nInstalati pe acest calculator versiunea programului care a adus "
             "registrul la versiunea %1.")
      .arg(version, QLatin1String(kSchemaVersion));
}

bool CheckAndUpgradeSchema(CClient& client, const SchemaObserver& observer) {
  SchemaRunner runner(client, observer);
  if (!CheckAndRepairTables(runner)) return true;
  bool interrupted = false;
  const QString version = ReadVersion(runner, interrupted);
  if (version.isEmpty()) return true;
  // A later release's register: its writes keep audit copies that this program's would
  // not, so working on it would leave changes without their history.
  if (IsLaterVersion(version)) {
    if (Prompter* prompter = client.GetPrompter()) {
      prompter->Inform(LaterRegisterText(version), Prompter::DefaultCaption(),
                       Prompter::Icon::Error);
    }
    return false;
  }
  UpgradeSteps steps(runner);
  // A start that finds the last step's note on a current register was stopped, or failed,
  // while the audit tables were aligned: it aligns them again.
  const bool alignmentLeft = interrupted && version == QLatin1String(kSchemaVersion);
  if (!RunSteps(steps, version, interrupted) && !alignmentLeft) return true;
  // The audit tables follow the columns the steps added before the step is marked done, so
  // that an interruption or a failure here is made good at the next start too.
  if (AlignAuditTables(client, observer)) NoteStep(runner, {});
  return true;
}

bool UpgradeSchema(CClient& client, const SchemaObserver& observer) {
  // On a server one workstation at a time runs the check and its steps; the others wait
  // and then find the version current.
  const NamedLock lock(client, lock_names::kSchema, kSchemaWaitSeconds);
  if (!lock.Held()) return true;
  if (!CreateSchemaIfMissing(client, observer)) return true;
  return CheckAndUpgradeSchema(client, observer);
}

bool UpgradeSchema(CClient& client) { return UpgradeSchema(client, {}); }
