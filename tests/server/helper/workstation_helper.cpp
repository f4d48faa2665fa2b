// One workstation of the register on a server, as a process of its own:
//   workstation_helper schema <start folder>
//     connects and runs the schema check; prints "created <tables made by this process>";
//   workstation_helper write <start folder> <barrier file> <companies> <persons>
//                             <companies of persons>
//     adds the companies through the company form, then the persons (each in the company
//     its number gives) through the insured form, then modifies each company once; prints
//     the counts of saved and refused forms. Two such processes go through the same codes in
//     the same order, and wait for each other at the barrier before each save key, so that
//     they meet on each code.
//   workstation_helper leave <start folder> <barrier file> <rounds>
//     in round r adds, through the forms, a declaration of month r+1 of 2009 for the first
//     company, then a certificate with series CM and number 100+r to the company's declaration
//     with index 1; prints the counts of saved and refused forms. Two such processes press
//     each save key together.
//   workstation_helper churn <start folder> <companies>
//     modifies the companies by turns through the audited update, each time setting REPR to
//     the next "v<n>", until a write fails (the server gone); prints "writing" once started.
//   workstation_helper fill <start folder>
//     creates the register (embedded, in a folder without settings) and fills June 2009:
//     two companies, insured persons at three houses with amounts, a declaration with its
//     certificates, and audit rows of an update and a delete; with "extra", the settings
//     table gets a column the program does not know.
// Exit code 0 when connected, 2 when the connection failed (its reason printed).
#include <QApplication>
#include <QDir>
#include <QTextStream>

#include "screens/companies/c_company_dialog.h"
#include "screens/health/c_insured_dialog.h"
#include "screens/leave/c_declaration_dialog.h"
#include "screens/leave/c_leave_certificate_dialog.h"
#include "shared_barrier.h"
#include "store/c_client.h"
#include "store/schema/schema.h"
#include "store/schema/schema_tables.h"
#include "support/form_driver.h"
#include "support/scripted_prompter.h"
#include "support/valid_codes.h"

namespace {

QTextStream out(stdout);
SharedBarrier* meeting = nullptr;

// The save key, pressed when the other workstation presses its own.
void PressTogether(QWidget& form, Qt::Key key) {
  if (meeting != nullptr) meeting->Wait();
  Press(form, key);
}

int Schema(CClient& client) {
  int created = 0;
  UpgradeSchema(client, [&created](const QString& statement) {
    if (statement.startsWith(QLatin1String("CREATE TABLE"))) ++created;
  });
  out << "created " << created << Qt::endl;
  return 0;
}

struct Tally {
  int saved = 0;
  int refused = 0;  // the form's own refusal message shown
  int other = 0;    // anything else: a failure
};

void Count(Tally& tally, bool accepted, ScriptedPrompter& prompter, const QString& refusal) {
  if (accepted && prompter.Messages().empty()) {
    ++tally.saved;
  } else if (!accepted && prompter.Texts() == QStringList{refusal}) {
    ++tally.refused;
  } else {
    ++tally.other;
    out << "unexpected: " << prompter.Texts().join(QStringLiteral(" | ")) << Qt::endl;
  }
  prompter.Clear();
}

bool SaveCompany(CClient& client, ScriptedPrompter& prompter, int number) {
  CCompanyDialog form(nullptr, client, prompter, CRecordForm::Mode::kAdd);
  form.show();
  Retype(form, "cf", WorkstationCui(number));
  Retype(form, "denumire", QStringLiteral("Firma %1").arg(number));
  Retype(form, "ziua_lic", QStringLiteral("15"));
  Retype(form, "sect", QStringLiteral("2"));
  PressTogether(form, Qt::Key_F5);
  return form.result() == QDialog::Accepted;
}

bool SaveInsured(CClient& client, ScriptedPrompter& prompter, int person, int company) {
  CInsuredDialog form(nullptr, client, prompter, CRecordForm::Mode::kAdd,
                      QStringLiteral("FIRMA %1").arg(company), WorkstationCui(company));
  form.show();
  Retype(form, "nume", QStringLiteral("Popescu"));
  Retype(form, "prenume", QStringLiteral("Ion"));
  Retype(form, "cnp", WorkstationCnp(person));
  RetypeDate(form, "intrare", QStringLiteral("15"), QStringLiteral("05"), QStringLiteral("2009"));
  PressTogether(form, Qt::Key_F5);
  return form.result() == QDialog::Accepted;
}

int CompanyIndex(CClient& client, int number) {
  if (client.Execute(Sql(u"SELECT s.index AS i FROM asigurati.societati AS s WHERE s.cf=%1",
                         client.Text(WorkstationCui(number))),
                     1) != 0 ||
      client.RowCount() < 1) {
    return 0;
  }
  return client.GetField(0, QStringLiteral("I")).toInt();
}

bool ModifyCompany(CClient& client, ScriptedPrompter& prompter, int number) {
  CCompanyDialog form(nullptr, client, prompter, CRecordForm::Mode::kModify,
                      CompanyIndex(client, number));
  form.show();
  Retype(form, "repr", QStringLiteral("Reprezentant %1").arg(QCoreApplication::applicationPid()));
  PressTogether(form, Qt::Key_F6);
  return form.result() == QDialog::Accepted;
}

int Write(CClient& client, ScriptedPrompter& prompter, const QStringList& numbers) {
  SharedBarrier barrier(numbers.value(0));
  if (!barrier.Valid()) return 3;
  meeting = &barrier;
  const int companies = numbers.value(1).toInt();
  const int persons = numbers.value(2).toInt();
  const int personCompanies = numbers.value(3).toInt();
  Tally companyTally;
  for (int company = 0; company < companies; ++company) {
    Count(companyTally, SaveCompany(client, prompter, company), prompter,
          QStringLiteral("CUI-ul/CNP-ul introdus exista deja inregistrat un baza de date!"));
  }
  Tally personTally;
  for (int person = 0; person < persons; ++person) {
    Count(personTally, SaveInsured(client, prompter, person, person % personCompanies), prompter,
          QStringLiteral("CNP-ul introdus exista deja in societatea curenta!"));
  }
  Tally modifyTally;
  for (int company = 0; company < companies; ++company) {
    Count(modifyTally, ModifyCompany(client, prompter, company), prompter, {});
  }
  out << "companies " << companyTally.saved << ' ' << companyTally.refused << ' '
      << companyTally.other << Qt::endl;
  out << "persons " << personTally.saved << ' ' << personTally.refused << ' ' << personTally.other
      << Qt::endl;
  out << "modified " << modifyTally.saved << ' ' << modifyTally.other << Qt::endl;
  return 0;
}

bool SaveDeclaration(CClient& client, ScriptedPrompter& prompter, int round) {
  CDeclarationDialog form(nullptr, client, prompter, CRecordForm::Mode::kAdd, WorkstationCui(0));
  form.show();
  Retype(form, "luna", QString::number(round + 1));
  Retype(form, "an", QStringLiteral("2009"));
  Retype(form, "zile_lucratoare", QStringLiteral("22"));
  Retype(form, "salariul_minim", QStringLiteral("500"));
  Retype(form, "nr_ang", QStringLiteral("5"));
  Retype(form, "fond_de_salarii", QStringLiteral("100000"));
  PressTogether(form, Qt::Key_F5);
  return form.result() == QDialog::Accepted;
}

QString CertificateNumber(int round) { return QString::number(100 + round); }

bool SaveCertificate(CClient& client, ScriptedPrompter& prompter, int round) {
  const CertificateDeclaration declaration{
      1, WorkstationCui(0), 200906, QStringLiteral("22"), false, 0};
  CLeaveCertificateDialog form(nullptr, client, prompter, CRecordForm::Mode::kAdd, declaration,
                               QStringLiteral("FIRMA 0"));
  form.show();
  Retype(form, "cnp", WorkstationCnp(round));
  Retype(form, "prenume", QStringLiteral("ION"));
  Retype(form, "nume", QStringLiteral("POPESCU"));
  ChooseEntry(form, "cas", 1);
  Retype(form, "cert_serie", QStringLiteral("CM"));
  Retype(form, "cert_numar", CertificateNumber(round));
  Retype(form, "zile_prestatii", QStringLiteral("10"));
  Retype(form, "zile_suportate_fnuass", QStringLiteral("5"));
  Retype(form, "suma_suportata_fnuass", QStringLiteral("300"));
  PressTogether(form, Qt::Key_F5);
  return form.result() == QDialog::Accepted;
}

void PrintTally(const char* label, const Tally& tally) {
  out << label << ' ' << tally.saved << ' ' << tally.refused << ' ' << tally.other << Qt::endl;
}

int Leave(CClient& client, ScriptedPrompter& prompter, const QStringList& numbers) {
  SharedBarrier barrier(numbers.value(0));
  if (!barrier.Valid()) return 3;
  meeting = &barrier;
  const int rounds = numbers.value(1).toInt();
  Tally declarations;
  Tally certificates;
  for (int round = 0; round < rounds; ++round) {
    // Both are saved: the month's second declaration is its next rectification.
    Count(declarations, SaveDeclaration(client, prompter, round), prompter, {});
    Count(certificates, SaveCertificate(client, prompter, round), prompter,
          QStringLiteral("Doresti sa adaugi certificatul CM - %1.\n\nAcesta este deja introdus "
                         "in declaratia curenta.")
              .arg(CertificateNumber(round)));
  }
  PrintTally("declarations", declarations);
  PrintTally("certificates", certificates);
  return 0;
}

int Churn(CClient& client, int companies) {
  for (int turn = 0;; ++turn) {
    const QString cf = WorkstationCui(turn % companies);
    if (client.Execute(Sql(u"SELECT s.index AS i, s.repr AS r FROM asigurati.societati AS s "
                           u"WHERE s.cf=%1",
                           client.Text(cf)),
                       1) != 0 ||
        client.RowCount() < 1) {
      return 0;
    }
    const int index = client.GetField(0, QStringLiteral("I")).toInt();
    const int version = client.GetField(0, QStringLiteral("R")).mid(1).toInt();
    if (client.AuditedUpdate(index, CompaniesTable(),
                             {{QStringLiteral("REPR"), QStringLiteral("v%1").arg(version + 1)}}) !=
        0) {
      return 0;
    }
    if (turn == companies) out << "writing" << Qt::endl;
  }
}

bool Filled(CClient& client, const QStringList& statements) {
  for (const QString& statement : statements) {
    if (client.Execute(statement) != 0) return false;
  }
  return true;
}

int AuditedChanges(CClient& client) {
  if (client.Execute(QStringLiteral("SELECT MIN(s.index) AS i FROM asigurati.societati AS s"), 1) !=
      0) {
    return 1;
  }
  const double company = client.GetField(0, QStringLiteral("I")).toDouble();
  if (client.AuditedUpdate(company, CompaniesTable(),
                           {{QStringLiteral("REPR"), QStringLiteral("Ana \\ O'Brien")}}) != 0) {
    return 1;
  }
  if (client.Execute(QStringLiteral("SELECT MAX(a.index) AS i FROM asigurati.asigurati AS a"), 1) !=
      0) {
    return 1;
  }
  const double person = client.GetField(0, QStringLiteral("I")).toDouble();
  return client.AuditedDelete(person, InsuredTable());
}

int Fill(CClient& client) {
  UpgradeSchema(client);
  const QStringList statements = {
      QStringLiteral("INSERT INTO asigurati.societati (cf, denumire, jud, loc) VALUES "
                     "('12345674', 'PRIMA SRL', 'CJ', 'Cluj'), ('13548146', 'ALTA SRL', 'B', "
                     "'Bucuresti')"),
      QStringLiteral(
          "INSERT INTO asigurati.asigurati (`index`, cf, cas, cnp, nume, prenume, forma, "
          "intrare, iesire) VALUES "
          "(1, '12345674', 'CASAB', '1800101221144', 'MUȚU', 'ION', 'S', 20050101, 0), "
          "(2, '12345674', 'CASAB', '2800404221145', 'BRÂNCUȘI', 'ANA', 'S', 20050101, "
          "0), (3, '12345674', 'CAS_B', '1700303221140', 'POPA', 'ION', 'S', 20050101, "
          "0), (4, '12345674', 'CASCJ', '1750505221144', 'RADU', 'ION', 'S', 20050101, "
          "0), (5, '13548146', 'CASCJ', '1650606221144', 'VASILE', 'ION', 'S', "
          "20050101, 0), (9, '13548146', 'CASCJ', '1900202221147', 'ALBU', 'ION', 'S', "
          "20050101, 0)"),
      QStringLiteral("INSERT INTO asigurati.sume (id_cnp, cf, cnp, luna, salariu, asig_datorat, "
                     "asig_virat) VALUES (1, '12345674', '1800101221144', 200906, 1500, 55.5, "
                     "55.5), (2, '12345674', '2800404221145', 200906, 900.1, 30.5, 30.5), (3, "
                     "'12345674', '1700303221140', 200906, 2000, 100.4, 100.4), (5, '13548146', "
                     "'1650606221144', 200906, 0.1, 7, 7)"),
      QStringLiteral("INSERT INTO asigurati.sume_societati (cf, luna, fond_de_salarii, datorat, "
                     "virat) VALUES ('12345674', 200906, 4400.1, 120.5, 100)"),
      QStringLiteral("INSERT INTO concedii.declaratii (`index`, cf, luna, rectificativa, "
                     "rectif_nr, nr_ang, fond_de_salarii, contributii_datorate, faambp, "
                     "faambp_datorat, de_recuperat_anterior) VALUES (1, '12345674', 200906, "
                     "'NU', 0, 5, 100000, 255, 1234567, 9, 20)"),
      QStringLiteral("INSERT INTO concedii.concedii (id_declaratie, cf, cnp, nume, prenume, cas, "
                     "tip_rectif, cert_serie, cert_numar, cert_init_serie, cert_init_numar, "
                     "cod_indemn, zile_lucratoare, zile_lucrate, zile_prestatii, "
                     "zile_suportate_fnuass, suma_suportata_fnuass, cod_urg, cod_contag) VALUES "
                     "(1, '12345674', '1800101221144', 'MUŢU', 'Ştefan', 'CASCJ', '', 'CCMAA', "
                     "'12', '', '', 1, 22, 20, 10, 5, 300, '1', '2'), (1, '12345674', "
                     "'2800404221145', 'BRÂNCUȘI', 'ANA', 'CASCJ', '', 'CCMAB', '13', '', '', 8, "
                     "22, 20, 8, 4, 200.3, '1', '2')")};
  if (!Filled(client, statements)) return 1;
  return AuditedChanges(client);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const QStringList arguments = QCoreApplication::arguments();
  if (arguments.size() < 3) return 64;
  QDir::setCurrent(arguments[2]);
  ScriptedPrompter prompter;
  CClient client(&prompter);
  if (client.Connect() != 0) {
    out << "failed "
        << (client.LastStartFailure() ? StartFailureText(*client.LastStartFailure()) : QString())
        << Qt::endl;
    return 2;
  }
  int result = 0;
  if (arguments[1] == QLatin1String("schema")) {
    result = Schema(client);
  } else if (arguments[1] == QLatin1String("fill")) {
    result = Fill(client);
    if (result == 0 && arguments.value(3) == QLatin1String("extra")) {
      result =
          client.Execute(QStringLiteral("ALTER TABLE asigurati.setari ADD COLUMN altceva INT"));
    }
  } else if (arguments[1] == QLatin1String("leave")) {
    result = Leave(client, prompter, arguments.mid(3));
  } else if (arguments[1] == QLatin1String("churn")) {
    result = Churn(client, arguments.value(3).toInt());
  } else {
    result = Write(client, prompter, arguments.mid(3));
  }
  client.Disconnect();
  return result;
}
