#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include "leave_test_support.h"
#include "support/register_fixture.h"

// A folder that refuses new files, holding one older file `name` with the text "older".
// Without write permission, and immutable as well when the tests run with rights that pass
// over permissions. Unlocked again when it goes out of scope.
class LockedFolder {
 public:
  explicit LockedFolder(const QString& name) {
    QFile older(QDir(dir_.path()).filePath(name));
    if (!older.open(QIODevice::WriteOnly) || older.write("older") != 5) return;
    older.close();
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::ExeOwner);
    if (!Writable()) {
      locked_ = true;
      return;
    }
    immutable_ =
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), dir_.path()}) == 0;
    locked_ = immutable_ && !Writable();
  }
  ~LockedFolder() {
    if (immutable_)
      QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), dir_.path()});
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  LockedFolder(const LockedFolder&) = delete;
  LockedFolder& operator=(const LockedFolder&) = delete;

  bool Locked() const { return locked_; }
  QString Path() const { return dir_.path(); }
  QByteArray Older(const QString& name) const {
    QFile older(QDir(dir_.path()).filePath(name));
    return older.open(QIODevice::ReadOnly) ? older.readAll() : QByteArray();
  }

 private:
  bool Writable() const {
    QFile probe(QDir(dir_.path()).filePath(QStringLiteral("probe")));
    if (!probe.open(QIODevice::WriteOnly)) return false;
    probe.remove();
    return true;
  }

  QTemporaryDir dir_;
  bool immutable_ = false;
  bool locked_ = false;
};

// A company of county CJ with its June 2009 declarations and their certificates, on the
// program's test server. Names carry comma-below letters, an apostrophe and a backslash.
class DeclarationTest : public RegisterTest {
 protected:
  static inline const QString kName = QStringLiteral("SC ŢESĂTORIA D'ARCY\\ SRL");
  static constexpr int kLuna = 200906;

  void SetUp() override {
    RegisterTest::SetUp();
    AddCompanyRow(QStringLiteral("CJ"));
  }
  // The other tests of the program expect the medical-leave tables empty.
  void TearDown() override {
    Run(QStringLiteral("TRUNCATE TABLE concedii.declaratii"));
    Run(QStringLiteral("TRUNCATE TABLE concedii.concedii"));
    Run(QStringLiteral("TRUNCATE TABLE asigurati.societati"));
    RegisterTest::TearDown();
  }

  static void AddCompanyRow(const QString& county) {
    Run(QStringLiteral("DELETE FROM asigurati.societati WHERE cf=") + Q(kCui));
    Run(QStringLiteral("INSERT INTO asigurati.societati (cf, denumire, reg_com, repr, jud, loc, "
                       "str, nr, bl, sc, et, ap, tel, sect, email, b1, f1, c1) VALUES (%1, %2, "
                       "'J12/345/2001', 'POPESCU ION', %3, 'Cluj-Napoca', 'Horea', '7', 'A1', "
                       "'2', '3', '14', '0264123456', 0, 'office@tesatoria.ro', 'BCR', "
                       "'Cluj', 'RO49AAAA1B31007593840000')")
            .arg(Q(kCui), Q(kName), Q(county)));
  }

  // A declaration of June 2009: number 0 is the initial one. F, H and K as given.
  static qint64 AddDeclaration(int number, int f = 255, int h = 9, int k = 20) {
    Run(QStringLiteral("INSERT INTO concedii.declaratii (cf, luna, rectificativa, rectif_nr, "
                       "nr_ang, fond_de_salarii, contributii_datorate, faambp, faambp_datorat, "
                       "de_recuperat_anterior) VALUES (%1, %2, '%3', %4, 5, 100000, %5, 1234567, "
                       "%6, %7)")
            .arg(Q(kCui))
            .arg(kLuna)
            .arg(number == 0 ? QStringLiteral("NU") : QStringLiteral("DA"))
            .arg(number)
            .arg(f)
            .arg(h)
            .arg(k));
    return Value(QStringLiteral("SELECT LAST_INSERT_ID() AS v")).toLongLong();
  }

  struct Entry {
    const char* type;
    QString nume;
    const char* prenume;
    const char* cnp;
    const char* cas;
    const char* series;
    const char* number;
    int code;
    int days;
    const char* sum;
    const char* initSeries = "";
    const char* initNumber = "";
  };

  static QString ValuesOf(qint64 declaration, const Entry& e) {
    return QStringLiteral("(%1, %2, %3, %4, %5, %6, %7, %8, %9, ")
               .arg(declaration)
               .arg(Q(kCui), Q(e.cnp), Q(e.nume), Q(QString::fromUtf8(e.prenume)), Q(e.cas),
                    Q(e.type), Q(e.series), Q(e.number)) +
           QStringLiteral("%1, %2, %3, 22, 20, %4, %5, %6, '1', '2')")
               .arg(Q(e.initSeries), Q(e.initNumber))
               .arg(e.code)
               .arg(e.days)
               .arg(e.days / 2)
               .arg(QLatin1String(e.sum));
  }

  static void AddEntries(qint64 declaration, const std::vector<Entry>& entries) {
    QStringList values;
    for (const Entry& e : entries) values.append(ValuesOf(declaration, e));
    Run(QStringLiteral("INSERT INTO concedii.concedii (id_declaratie, cf, cnp, nume, prenume, "
                       "cas, tip_rectif, cert_serie, cert_numar, cert_init_serie, "
                       "cert_init_numar, cod_indemn, zile_lucratoare, zile_lucrate, "
                       "zile_prestatii, zile_suportate_fnuass, suma_suportata_fnuass, cod_urg, "
                       "cod_contag) VALUES ") +
        values.join(u','));
  }

  // `count` certificates named so that their printed order is the order made: P0001, P0002…
  static void AddNumberedEntries(qint64 declaration, int count) {
    std::vector<Entry> entries;
    for (int i = 1; i <= count; ++i) {
      entries.push_back({"", QStringLiteral("P%1").arg(i, 4, 10, QLatin1Char('0')), "ION",
                         "1800101221144", "CASCJ", "CCMAA", "100", 1, 4, "100.5"});
    }
    if (!entries.empty()) AddEntries(declaration, entries);
  }
};
