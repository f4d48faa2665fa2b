#pragma once

#include <QString>

#include "store/schema/schema.h"

// The texts of the program's scripted mode, in the screens' Romanian (without diacritics,
// as every message of the program).
namespace cli_texts {

inline QString Quoted(const QString& value) { return u'"' + value + u'"'; }

inline QString UnknownCommand(const QString& word) {
  return QStringLiteral(
             "Comanda %1 nu exista. Comenzile sunt: rapoarte, declaratii, verifica, importa, "
             "muta-pe-server, istoric, copie, restaureaza, situatie "
             "(velka-asigurati --help).")
      .arg(Quoted(word));
}
inline QString UnknownOption(const QString& word, const char* command) {
  return QStringLiteral("Optiunea %1 nu exista pentru comanda %2 (velka-asigurati %2 --help).")
      .arg(Quoted(word), QLatin1String(command));
}
inline QString StrayWord(const QString& word, const char* command) {
  return QStringLiteral("%1 nu este o optiune a comenzii %2 (velka-asigurati %2 --help).")
      .arg(Quoted(word), QLatin1String(command));
}
inline QString MissingValue(const QString& option) {
  return QStringLiteral("Optiunea %1 cere o valoare.").arg(option);
}
inline QString SwitchWithValue(const QString& option) {
  return QStringLiteral("Optiunea %1 nu primeste o valoare.").arg(option);
}
inline QString MissingOption(const char* command, const char* option) {
  return QStringLiteral("Comanda %1 cere optiunea %2.")
      .arg(QLatin1String(command), QLatin1String(option));
}
inline QString Repeated(const QString& option) {
  return QStringLiteral("Optiunea %1 apare de mai multe ori.").arg(option);
}
inline QString NoFiles(const char* command) {
  return QStringLiteral("Comanda %1 cere cel putin un fisier.").arg(QLatin1String(command));
}
inline QString BadMonth(const QString& value) {
  return QStringLiteral(
             "Luna %1 nu este valida: se scrie AAAALL, anul si luna din doua cifre, de exemplu "
             "200906 pentru iunie 2009.")
      .arg(Quoted(value));
}
inline QString BadNaming(const QString& value) {
  return QStringLiteral(
             "Denumirea %1 nu exista: alegeti casa (CAS_CUI_AAAALL_anexa1A.dbf) sau lege "
             "(1A_LLAA_CUI.dbf, denumirea impusa prin lege).")
      .arg(Quoted(value));
}
inline QString BadAnnex(const QString& value) {
  return QStringLiteral(
             "Anexa %1 nu exista: alegeti A, B sau C (anexele 1A, 1B, 1C ale sanatatii) ori 1 "
             "sau 2 (fisierele A1, A2 ale declaratiei de concedii).")
      .arg(Quoted(value));
}
inline const QString kImportSource = QStringLiteral(
    "Comanda importa cere un singur fisier: --extern FISIER sau --anterior FISIER --cas COD.");
inline const QString kHouseWithoutPrevious =
    QStringLiteral("Optiunea --cas se foloseste numai impreuna cu --anterior.");

inline QString BadHistoryTable(const QString& value) {
  return QStringLiteral(
             "Tabelul %1 nu are istoric. Tabelele: societati, asigurati, coasigurati, sume, "
             "sume_societati, declaratii, concedii.")
      .arg(Quoted(value));
}
inline QString BadIndex(const QString& value) {
  return QStringLiteral("Indexul %1 nu este un numar intreg pozitiv.").arg(Quoted(value));
}
inline QString NoHistory(const QString& table, qint64 index) {
  return QStringLiteral("Tabelul %1 nu are si nu a avut o inregistrare cu indexul %2.")
      .arg(table)
      .arg(index);
}

// Where the register is and why it cannot be used.
inline const QString kWaitingForRoom = QStringLiteral(
    "avertisment: discul registrului este plin, iar serverul de baze de date asteapta sa se "
    "faca loc. Faceti loc pe disc, sau opriti comanda cu Ctrl-C; importul se poate relua.");
inline QString NotUtf8(const QString& word) {
  return QStringLiteral(
             "Numele %1 nu este scris in UTF-8, asa ca fisierul nu poate fi deschis sigur. "
             "Redenumiti-l (de exemplu fara diacritice) si incercati din nou.")
      .arg(Quoted(word));
}
inline QString NoRegister(const QString& folder) {
  return QStringLiteral(
             "In dosarul %1 nu exista un registru Velka Asigurati. Comenzile nu creeaza "
             "registre: porniti o data programul in acest dosar sau aratati-l pe cel bun cu "
             "--date DOSAR.")
      .arg(folder);
}
inline QString OtherVersion(const QString& folder, const QString& version) {
  // A later release's register is not brought back: this program does not use it.
  if (IsLaterVersion(version)) {
    return QStringLiteral("Registrul din %1: ").arg(folder) +
           QString(LaterRegisterText(version)).replace(QStringLiteral("\n\n"), QStringLiteral(" "));
  }
  return QStringLiteral(
             "Registrul din %1 are versiunea %2, iar programul lucreaza cu versiunea %3. "
             "Porniti o data programul cu fereastra lui, ca sa aduca registrul la zi.")
      .arg(folder, version.isEmpty() ? QStringLiteral("necunoscuta") : version,
           QLatin1String(kSchemaVersion));
}
inline const QString kStartFailure = QStringLiteral("Nu se pot initializa bazele de date!");
inline const QString kPasswordInFile = QStringLiteral(
    " O comanda nu cere parola: scrieti-o in velka-asigurati.ini, fisier pe care sa-l poata "
    "citi numai proprietarul lui (chmod 600).");

// Moving a register onto a server.
inline QString NoServerNamed(const QString& folder) {
  return QStringLiteral(
             "In dosarul %1 nu exista velka-asigurati.ini cu grupul [server]: scrieti in el "
             "serverul pe care se muta registrul.")
      .arg(folder);
}
inline QString ServerHoldsRegister(const QString& server) {
  return QStringLiteral(
             "Serverul %1 are deja un registru Velka Asigurati: mutarea nu scrie peste el. "
             "Alegeti alt server sau stergeti de pe acesta bazele asigurati si concedii.")
      .arg(server);
}
inline const QString kMoveLeftoverRemoved = QStringLiteral(
    "Pe server a ramas o mutare oprita inainte de sfarsit; ce a lasat se sterge si mutarea se "
    "face din nou.");
inline const QString kMoveFailed =
    QStringLiteral("Mutarea registrului pe server nu a reusit; registrul local a ramas neatins.");
inline QString Moved(const QString& folder, const QString& server, int tables, qint64 rows) {
  return QStringLiteral("Registrul din %1 a fost mutat pe serverul %2: %3 tabele, %4 randuri.")
      .arg(folder, server)
      .arg(tables)
      .arg(rows);
}

// Copies of the register and their restore.
inline const QString kCopyFailed =
    QStringLiteral("Copia registrului nu a fost scrisa; registrul a ramas neatins.");
inline const QString kRestoreFile = QStringLiteral(
    "Comanda restaureaza cere un singur fisier: copia registrului "
    "(velka-asigurati_AAAA-LL-ZZ_HHMM.sql.gz).");
inline const QString kRestoreFailed =
    QStringLiteral("Restaurarea nu a reusit; registrul a ramas cum era.");
inline QString Restored(const QString& folder, const QString& file, const QString& taken,
                        int tables, qint64 rows, const QString& kept) {
  QString text = QStringLiteral(
                     "Registrul din %1 a fost inlocuit cu copia %2, facuta la %3: %4 tabele, "
                     "%5 randuri.")
                     .arg(folder, file, taken)
                     .arg(tables)
                     .arg(rows);
  if (!kept.isEmpty())
    text += QStringLiteral(" Registrul de dinainte se pastreaza in %1.").arg(kept);
  return text;
}
inline QString RestoredOnServer(const QString& file, const QString& taken, const QString& server,
                                int tables, qint64 rows) {
  return QStringLiteral(
             "Copia %1, facuta la %2, a fost incarcata pe serverul %3: %4 tabele, %5 randuri.")
      .arg(file, taken, server)
      .arg(tables)
      .arg(rows);
}

inline QString UnknownCompany(const QString& cf) {
  return QStringLiteral("Societatea cu codul fiscal %1 nu exista in registru.").arg(Quoted(cf));
}
inline const QString kNoCompanies = QStringLiteral("Registrul nu are nicio societate.");
inline QString MissingFolder(const QString& folder) {
  return QStringLiteral("Dosarul %1 nu exista.").arg(Quoted(folder));
}
inline QString NotAFolder(const QString& path) {
  return QStringLiteral("%1 este un fisier, nu un dosar.").arg(Quoted(path));
}
inline QString ReadOnlyFolder(const QString& folder) {
  return QStringLiteral("In dosarul %1 nu se poate scrie.").arg(Quoted(folder));
}
inline const QString kStopped =
    QStringLiteral("Oprit la cererea utilizatorului; fisierele scrise pana atunci sunt intregi.");
inline const QString kQueryFailed = QStringLiteral("Citirea din registru nu a reusit.");

// Files read by the commands.
inline QString MissingFile(const QString& file) {
  return QStringLiteral("Fisierul %1 nu exista.").arg(Quoted(file));
}
inline QString NotDbf(const QString& file) {
  return QStringLiteral("Fisierul %1 nu este un fisier dBase (.dbf).").arg(Quoted(file));
}
inline QString InFile(const QString& file, const QString& message) {
  QString line = message;
  line.replace(u'\n', u' ');
  return QStringLiteral("%1: %2").arg(file, line.simplified());
}
// One record of a file: "fisier, inregistrarea 3: the rule's text".
inline QString RecordLine(const QString& file, int record, const QString& text) {
  return QStringLiteral("%1, inregistrarea %2: %3").arg(file).arg(record).arg(text);
}
inline QString RecordFailed(const QString& file, int record, const QString& error) {
  return RecordLine(file, record, error) +
         QStringLiteral(" Importul s-a oprit; inregistrarile de dinainte au fost salvate.");
}
inline QString UnknownHouse(const QString& cas) {
  return QStringLiteral("Casa de asigurari %1 nu exista in lista caselor.").arg(Quoted(cas));
}
inline QString ImportCompanyMissing(const QString& cf) {
  return QStringLiteral(
             "Societatea cu codul fiscal %1 din fisier nu exista in registru. Adaugati-o din "
             "program si importati din nou.")
      .arg(Quoted(cf));
}
// `withoutAmounts` of the `stored` records were saved without their amounts.
inline QString ImportSummary(const QString& file, int stored, int withoutAmounts, int rejected,
                             int done, int total) {
  QString text = QStringLiteral("Import din %1: %2 inregistrari salvate").arg(file).arg(stored);
  if (withoutAmounts > 0) {
    text += QStringLiteral(" (la %1 sumele nu au fost procesate)").arg(withoutAmounts);
  }
  text += QStringLiteral(", %1 respinse").arg(rejected);
  if (done < total) text += QStringLiteral(" (oprit dupa %1 din %2)").arg(done).arg(total);
  return text + u'.';
}

}  // namespace cli_texts
