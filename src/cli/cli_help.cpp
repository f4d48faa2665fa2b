#include "cli/cli_help.h"

namespace {

const QString kOverall = QStringLiteral(
    "Utilizare: velka-asigurati <comanda> [optiuni]\n"
    "Fara comanda programul porneste cu fereastra lui.\n"
    "\n"
    "Comenzi:\n"
    "  rapoarte    fisierele anexelor 1A, 1B, 1C ale lunii, pentru fiecare societate si casa\n"
    "  declaratii  fisierele A1 si A2 ale declaratiei de concedii medicale a lunii\n"
    "  verifica    verifica fisiere de raportare (fara registru)\n"
    "  importa     importa date dintr-o sursa externa sau dintr-o anexa 1A anterioara\n"
    "  muta-pe-server  copiaza registrul local pe serverul din velka-asigurati.ini\n"
    "  istoric     versiunile unei inregistrari a registrului, cea mai noua prima\n"
    "  copie       scrie o copie a registrului (velka-asigurati_AAAA-LL-ZZ_HHMM.sql.gz)\n"
    "  restaureaza inlocuieste registrul cu cel dintr-o copie\n"
    "  situatie    situatia lunii: ce are si ce ii lipseste fiecarei societati, ce s-a scris\n"
    "\n"
    "Optiuni:\n"
    "  -h, --help  arata acest ajutor\n"
    "  --version   arata versiunea programului\n"
    "\n"
    "velka-asigurati <comanda> --help arata optiunile comenzii.\n"
    "\n"
    "Registrul: dosarul de pornire al programului, implicit\n"
    "${XDG_DATA_HOME:-~/.local/share}/velka-asigurati (cel cu srv_embedded.cfg); --date DOSAR\n"
    "alege altul. O comanda nu creeaza registre si nu lucreaza cat timp fereastra programului\n"
    "are registrul deschis.\n"
    "\n"
    "Coduri de iesire: 0 gata; 1 greseli gasite, societati nereusite sau niciun fisier scris;\n"
    "2 utilizare gresita sau registru care nu poate fi deschis.\n");

const QString kReports = QStringLiteral(
    "Utilizare: velka-asigurati rapoarte --luna AAAALL --folder DOSAR [optiuni]\n"
    "Scrie fisierele anexelor 1A, 1B si 1C ale lunii pentru fiecare societate si fiecare casa\n"
    "de asigurari cu asigurati in luna. Fisierele existente sunt inlocuite.\n"
    "\n"
    "  --luna AAAALL        luna rapoartelor, de exemplu 200906\n"
    "  --folder DOSAR       dosarul in care se scriu fisierele (trebuie sa existe)\n"
    "  --cf CUI             numai societatea cu acest cod fiscal (se poate repeta)\n"
    "  --denumire casa|lege  casa: CAS_CUI_AAAALL_anexa1A.dbf (implicit);\n"
    "                        lege: 1A_LLAA_CUI.dbf, numai pentru societati cu o singura casa\n"
    "  --pdf                si listele tiparite ANEXA 2a, 2b, 2c ca fisiere PDF\n"
    "  --simulare           arata ce s-ar scrie, fara sa scrie nimic\n"
    "  --date DOSAR         dosarul de pornire al registrului\n");

const QString kDeclarations = QStringLiteral(
    "Utilizare: velka-asigurati declaratii --luna AAAALL --folder DOSAR [optiuni]\n"
    "Scrie fisierele A1 si A2 ale declaratiei de concedii medicale a lunii (cea initiala sau\n"
    "ultima ei rectificativa) pentru fiecare societate.\n"
    "\n"
    "  --luna AAAALL        luna declaratiei, de exemplu 200906\n"
    "  --folder DOSAR       dosarul in care se scriu fisierele (trebuie sa existe)\n"
    "  --cf CUI             numai societatea cu acest cod fiscal (se poate repeta)\n"
    "  --pdf                si declaratia tiparita ca fisier PDF\n"
    "  --simulare           arata ce s-ar scrie, fara sa scrie nimic\n"
    "  --date DOSAR         dosarul de pornire al registrului\n");

const QString kVerify = QStringLiteral(
    "Utilizare: velka-asigurati verifica --anexa A|B|C|1|2 FISIER...\n"
    "Verifica fisierele cu regulile ecranului de verificare: A, B, C pentru anexele 1A, 1B, 1C,\n"
    "1 si 2 pentru fisierele A1 si A2 ale declaratiei. Fiecare inregistrare gresita apare pe o\n"
    "linie (fisier, numarul inregistrarii, regula), la sfarsit rezultatul. Nu foloseste\n"
    "registrul.\n"
    "\n"
    "  --anexa A|B|C|1|2    felul fisierelor\n"
    "  --json               aceleasi rezultate ca linii JSON\n");

const QString kImport = QStringLiteral(
    "Utilizare: velka-asigurati importa --extern FISIER\n"
    "      sau: velka-asigurati importa --anterior FISIER --cas COD\n"
    "Importa asigurati si sume cu regulile ecranelor de import, pentru o societate care exista\n"
    "deja in registru. Fiecare inregistrare respinsa apare pe o linie, cu motivul.\n"
    "\n"
    "  --extern FISIER      fisier dintr-o sursa externa\n"
    "  --anterior FISIER    o anexa 1A raportata anterior\n"
    "  --cas COD            casa de asigurari a asiguratilor din anexa 1A, de exemplu CASAB\n"
    "  --date DOSAR         dosarul de pornire al registrului\n");

const QString kMove = QStringLiteral(
    "Utilizare: velka-asigurati muta-pe-server [--date DOSAR]\n"
    "Copiaza registrul din dosarul de pornire (toate tabelele, istoricul modificarilor si\n"
    "setarile) pe serverul MariaDB scris in grupul [server] din velka-asigurati.ini, aflat in\n"
    "acelasi dosar. Pe server se creeaza bazele asigurati si concedii; un server care are deja\n"
    "un registru este refuzat. La sfarsit numarul de randuri al fiecarui tabel este comparat\n"
    "cu cel din registrul local, care ramane neatins. Dupa mutare programul din acest dosar\n"
    "lucreaza pe server.\n"
    "\n"
    "  --date DOSAR         dosarul de pornire al registrului\n");

const QString kHistory = QStringLiteral(
    "Utilizare: velka-asigurati istoric --tabel TABEL --index N [--json] [--date DOSAR]\n"
    "Arata versiunile inregistrarii cu indexul N din tabel, cea mai noua prima: cea curenta\n"
    "si fiecare versiune pastrata in istoric la o modificare sau la o stergere, cu data la\n"
    "care a fost scrisa. Campurile schimbate fata de versiunea de dinainte sunt marcate cu *.\n"
    "Indexul este cel din coloana INDEX a listelor. Nu schimba nimic in registru.\n"
    "\n"
    "  --tabel TABEL        societati, asigurati, coasigurati, sume, sume_societati,\n"
    "                       declaratii sau concedii\n"
    "  --index N            indexul inregistrarii\n"
    "  --json               cate o linie JSON pentru fiecare versiune\n"
    "  --date DOSAR         dosarul de pornire al registrului\n"
    "\n"
    "Cod de iesire 1: tabelul nu are si nu a avut o inregistrare cu acest index.\n");
const QString kCopy = QStringLiteral(
    "Utilizare: velka-asigurati copie --folder DOSAR [--date DOSAR]\n"
    "Scrie in DOSAR o copie a registrului, velka-asigurati_AAAA-LL-ZZ_HHMM.sql.gz: text SQL\n"
    "comprimat cu gzip, cu toate tabelele, istoricul modificarilor si setarile, care se poate\n"
    "restaura cu comanda restaureaza sau incarca de un administrator cu\n"
    "zcat FISIER | mariadb intr-un server fara registru. Copia este o imagine a registrului\n"
    "dintr-un singur moment; fisierul apare numai intreg. La sfarsit fiecare tabel apare pe\n"
    "o linie cu randurile lui.\n"
    "\n"
    "  --folder DOSAR       dosarul in care se scrie copia (trebuie sa existe)\n"
    "  --date DOSAR         dosarul de pornire al registrului\n");

const QString kRestore = QStringLiteral(
    "Utilizare: velka-asigurati restaureaza FISIER [--date DOSAR] [--progres]\n"
    "Inlocuieste registrul cu cel din copia FISIER, intreg sau deloc. Copia este citita si\n"
    "verificata inainte sa se schimbe ceva (o copie deteriorata, taiata, facuta de un program\n"
    "mai nou sau care nu este o copie este refuzata), apoi incarcata intr-un registru nou,\n"
    "ale carui randuri sunt numarate si comparate cu cele din copie; abia apoi registrul nou\n"
    "ia locul celui vechi, care se pastreaza in copii/registru-inlocuit_AAAA-LL-ZZ_HHMMSS\n"
    "langa dosarul de date. Fereastra programului trebuie sa fie inchisa. Pe un server\n"
    "MariaDB (grupul [server] din velka-asigurati.ini) copia se incarca numai intr-un server\n"
    "fara registru. Intr-un dosar fara registru se face unul din copie.\n"
    "\n"
    "  --date DOSAR         dosarul de pornire al registrului\n"
    "  --progres            scrie cat s-a facut, ca linii \"progres N\" (N din 100)\n");

const QString kOverview = QStringLiteral(
    "Utilizare: velka-asigurati situatie --luna AAAALL [--json] [--date DOSAR]\n"
    "Arata situatia lunii, ca fereastra \"Situatia lunii\": pentru fiecare societate asiguratii\n"
    "lunii si cati nu au sume, sumele angajatorului, casele, declaratia de concedii (initiala\n"
    "sau rectificativa N, cu numarul de certificate), cand au fost scrise fisierele lunii si\n"
    "daca ar iesi altfel azi, si starea: incomplet (cu ce lipseste), modificat dupa scriere,\n"
    "gata, scris sau predat. Nu schimba nimic in registru.\n"
    "\n"
    "  --luna AAAALL        luna, de exemplu 200906\n"
    "  --json               cate o linie JSON pentru fiecare societate\n"
    "  --date DOSAR         dosarul de pornire al registrului\n");

}  // namespace

QString HelpText(const QString& topic) {
  if (topic == u"rapoarte") return kReports;
  if (topic == u"declaratii") return kDeclarations;
  if (topic == u"verifica") return kVerify;
  if (topic == u"importa") return kImport;
  if (topic == u"muta-pe-server") return kMove;
  if (topic == u"istoric") return kHistory;
  if (topic == u"copie") return kCopy;
  if (topic == u"restaureaza") return kRestore;
  if (topic == u"situatie") return kOverview;
  return kOverall;
}

QString VersionLine() { return QStringLiteral("velka-asigurati " VELKA_VERSION); }
