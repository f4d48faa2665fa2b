// A program start on one register, for the tests that need a fresh process (the embedded
// server starts once per process) or a killed one:
//   copies_helper <start folder> <action>...
//     fill            creates the register and fills every table, audit tables included, with
//                     Romanian letters, quotes, backslashes, control characters, NULL and
//                     decimals
//     change          adds a company: the register no longer matches a copy taken before
//     dump            prints the register's dump, "DUMP\t<line>" (tests/support/register_dump.h)
//     copy=<folder>   takes a copy there: "COPY\t<file>", or "FAILED\t<reason>"
//     daily           the exit's daily copy: "DAILY\t<taken|notdue|failed>\t<file or reason>"
//     hang            prints READY and waits to be killed, holding the register
//     query=<sql>     prints the rows, "ROW\t0\t<cells>"
//   copies_helper <start folder> [kill-after=<step>#<n>] restore=<file>
//     restores the copy without opening the register first; SIGKILL at the n-th time the
//     restore tells the step; "RESTORED\t<kept folder>" or "REFUSED\t<usage>\t<reason>"
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>

#include "store/c_client.h"
#include "store/copies/copy_writer.h"
#include "store/copies/daily_copies.h"
#include "store/copies/register_restore.h"
#include "store/schema/schema.h"
#include "store/schema/schema_tables.h"
#include "support/helper_facts.h"
#include "support/kill_point.h"
#include "support/register_dump.h"
#include "support/scripted_prompter.h"

namespace {

const QString kProgram = QStringLiteral("Velka Asigurati test");

bool Run(CClient& client, const QString& sql) {
  if (client.Execute(sql) == 0) return true;
  PrintFact(QStringLiteral("SETUP FAILED\t") + sql);
  return false;
}

// Texts a copy must carry unchanged: every character the connection escapes, Romanian
// letters in both forms, and a NUL inside a name.
QString Tricky(int n) {
  const QString texts[] = {
      QStringLiteral("Ștefan Țăranu-Îndârjit"),
      QStringLiteral("O'Brien \\ \"Citat\" `x`"),
      QStringLiteral("linia 1\nlinia 2\r\tcoloana %_"),
      QStringLiteral("Şerban Ţuţuianu ăâîşţ ĂÂÎŞŢ"),
      QString(u'A') + QChar(0) + QStringLiteral("B\x1a;C"),
  };
  return texts[n % 5];
}

bool Fill(CClient& client) {
  UpgradeSchema(client);
  const auto text = [&](const QString& value) { return client.Text(value).Literal(); };
  for (int company = 0; company < 3; ++company) {
    if (!Run(client,
             QStringLiteral("INSERT INTO asigurati.societati (cf, denumire, repr, loc, jud, "
                            "sect, email) VALUES ('1234567%1', %2, %3, 'Brașov', 'BV', %1, "
                            "'a_b%c@x.ro')")
                 .arg(company)
                 .arg(text(Tricky(company)), text(Tricky(company + 1))))) {
      return false;
    }
  }
  for (int person = 0; person < 12; ++person) {
    const QString cf = QStringLiteral("1234567%1").arg(person % 3);
    const QString cnp = QStringLiteral("18001012211%1").arg(10 + person);
    if (!Run(client, QStringLiteral("INSERT INTO asigurati.asigurati (cf, cas, nume, prenume, cnp, "
                                    "intrare, iesire, forma) VALUES ('%1', 'CASAB', %2, %3, '%4', "
                                    "20090101, 0, 'S')")
                         .arg(cf, text(Tricky(person)), text(Tricky(person + 2)), cnp)) ||
        !Run(client, QStringLiteral("INSERT INTO asigurati.sume (id_cnp, cf, cnp, luna, salariu, "
                                    "asig_datorat, asig_virat, ang_datorat, ang_virat) VALUES "
                                    "(LAST_INSERT_ID(), '%1', '%2', 200906, 1234.56, "
                                    "0.1e0 + 0.2e0 * %3, -15.75, 1e-7, 123456789.12)")
                         .arg(cf, cnp)
                         .arg(person)) ||
        !Run(client, QStringLiteral("INSERT INTO asigurati.coasigurati (cf, cnp, cnp_asig, nume, "
                                    "prenume, tip) VALUES ('%1', '2900909221151', '%2', %3, 'ANA', "
                                    "'S')")
                         .arg(cf, cnp, text(Tricky(person + 4))))) {
      return false;
    }
  }
  if (!Run(client,
           QStringLiteral("INSERT INTO asigurati.sume_societati (cf, luna, fond_de_salarii, "
                          "datorat, virat) VALUES ('12345670', 200906, 99999.99, 120.5, "
                          "100)")) ||
      !Run(client, QStringLiteral("INSERT INTO concedii.declaratii (cf, luna, rectificativa, "
                                  "nr_ang, salariul_minim, fond_de_salarii, faambp) VALUES "
                                  "('12345670', 200906, 'NU', 5, 600, 100000.01, 0.85)")) ||
      !Run(client, QStringLiteral("INSERT INTO concedii.concedii (id_declaratie, cf, cnp, nume, "
                                  "prenume, cas, cert_serie, cert_numar, cod_indemn, "
                                  "suma_suportata_fnuass) VALUES (LAST_INSERT_ID(), '12345670', "
                                  "'1800101221110', %1, 'ION', 'CASAB', 'CCMAA', '12', 1, 300.33)")
                       .arg(text(Tricky(3)))) ||
      // An audit row with NULL columns, as an old release could leave one.
      !Run(client, QStringLiteral("INSERT INTO asigurati.zlog_sume (cf, znew_op) VALUES (NULL, "
                                  "'D')")) ||
      !Run(client, QStringLiteral("INSERT INTO asigurati.setari (denumire, setare) VALUES "
                                  "('nota', %1)")
                       .arg(text(Tricky(1))))) {
    return false;
  }
  // Audit rows of an update and of deletes; a deleted last row leaves its number unused.
  return client.AuditedUpdate(1, CompaniesTable(), {{QStringLiteral("REPR"), Tricky(4)}}) == 0 &&
         client.AuditedDelete(12, InsuredTable()) == 0 &&
         client.AuditedDelete(3, DependantsTable()) == 0;
}

bool Restore(const QString& folder, const QString& file, KillPoint& kill) {
  RestoreHooks hooks;
  hooks.observer = [&kill](const QString& step) { kill.Observe(step); };
  const auto outcome = RestoreEmbedded(file, folder, hooks);
  if (const auto* failed = std::get_if<RestoreFailure>(&outcome)) {
    PrintFact(QStringLiteral("REFUSED\t%1\t%2").arg(failed->usage).arg(failed->text));
    return false;
  }
  PrintFact(QStringLiteral("RESTORED\t") + std::get<Restored>(outcome).keptFolder);
  return true;
}

bool Act(CClient& client, const QString& action) {
  const QString name = action.section(u'=', 0, 0);
  const QString value = action.section(u'=', 1);
  if (name == QLatin1String("fill")) return Fill(client);
  if (name == QLatin1String("change")) {
    return Run(client, QStringLiteral("INSERT INTO asigurati.societati (cf, denumire) VALUES "
                                      "('99999999', 'SCHIMBAT SRL')"));
  }
  if (name == QLatin1String("dump")) {
    const QStringList dump = DumpRegister(client);
    for (const QString& line : dump) PrintFact(QStringLiteral("DUMP\t") + line);
    return !dump.isEmpty();
  }
  if (name == QLatin1String("copy")) {
    const auto taken = TakeCopy(client, value, kProgram);
    if (const auto* failed = std::get_if<QString>(&taken)) {
      PrintFact(QStringLiteral("FAILED\t") + *failed);
      return false;
    }
    PrintFact(QStringLiteral("COPY\t") + std::get<TakenCopy>(taken).file);
    return true;
  }
  if (name == QLatin1String("daily")) {
    const DailyCopyOutcome outcome = TakeDailyCopy(client, QDir::currentPath(), kProgram);
    const char* kinds[] = {"notdue", "taken", "failed"};
    PrintFact(QStringLiteral("DAILY\t%1\t%2")
                  .arg(QLatin1String(kinds[static_cast<int>(outcome.kind)]), outcome.text));
    return true;
  }
  if (name == QLatin1String("query")) return PrintQueryRows(client, 0, value);
  if (name == QLatin1String("hang")) {
    PrintFact(QStringLiteral("READY"));
    for (;;) pause();
  }
  PrintFact(QStringLiteral("UNKNOWN\t") + action);
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  const QStringList arguments = application.arguments();
  if (arguments.size() < 3) return 2;
  const QString folder = arguments.at(1);
  KillPoint kill;
  QStringList actions = arguments.mid(2);
  if (actions.first().startsWith(QLatin1String("kill-after="))) {
    kill = KillPoint(actions.takeFirst().section(u'=', 1));
  }
  if (!actions.isEmpty() && actions.first().startsWith(QLatin1String("restore="))) {
    return Restore(folder, actions.first().section(u'=', 1), kill) ? 0 : 1;
  }
  if (!QDir::setCurrent(folder)) return 2;
  ScriptedPrompter prompter;
  PrintShownMessages(prompter);
  CClient client(&prompter);
  if (client.Connect() != 0) {
    PrintFact(QStringLiteral("NOCONNECT\t") + (client.LastStartFailure()
                                                   ? StartFailureText(*client.LastStartFailure())
                                                   : QString()));
    return 2;
  }
  int status = 0;
  for (const QString& action : actions) {
    if (!Act(client, action)) {
      status = 1;
      break;
    }
  }
  client.Disconnect();
  return status;
}
