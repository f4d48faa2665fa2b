#include <QDir>

#include "health/annex_fixture.h"
#include "leave/declaration_fixture.h"
#include "verify_fixture.h"

namespace {

using namespace verify_files;

// The files this program writes for a realistic month pass its own checks; a record damaged
// afterwards by a byte edit is caught with its rule's text.

class VerifyOwnAnnexesTest : public AnnexTest {
 protected:
  // The month's persons with CNPs that pass their check, as a real register holds them.
  void SetUp() override {
    AnnexTest::SetUp();
    const std::pair<QString, const char*> valid[] = {{kP3, "1900202221147"},
                                                     {kP4, "1700303221140"},
                                                     {kP5, "1750505221144"},
                                                     {kP8, "1650606221144"},
                                                     {kD1, "2900909221151"}};
    for (const auto& [old, cnp] : valid) {
      for (const char* column : {"asigurati.cnp", "coasigurati.cnp", "coasigurati.cnp_asig"}) {
        const QString qualified = QLatin1String(column);
        const QString table = qualified.section(u'.', 0, 0);
        const QString name = qualified.section(u'.', 1);
        Run(QStringLiteral("UPDATE asigurati.%1 SET %2=%3 WHERE %2=%4")
                .arg(table, name, Q(QLatin1String(cnp)), Q(old)));
      }
    }
  }
};

TEST_F(VerifyOwnAnnexesTest, AnnexesPassAndADamagedRecordIsCaught) {
  // Harghita as the register knows it: the anexa 1C carries "HR".
  Person(QStringLiteral("1851212221148"), "CASHR", "KOVÁCS", "ISTVÁN", "DCM", 20060301, 0, "20",
         "20");
  struct Kind {
    Annex annex;
    VerifiedFile file;
    const char* name;
  };
  const Kind kinds[] = {{Annex::k1A, VerifiedFile::kAnnexA, "Anexa A"},
                        {Annex::k1B, VerifiedFile::kAnnexB, "Anexa B"},
                        {Annex::k1C, VerifiedFile::kAnnexC, "Anexa C"}};
  int checked = 0;
  for (const char* house : {"CASAB", "CAS_B", "CASVL", "CASHR"}) {
    for (const Kind& kind : kinds) {
      const QString path =
          dir_.filePath(QStringLiteral("%1_%2.dbf").arg(house).arg(int(kind.annex)));
      ASSERT_EQ(WriteAnnexFile(client(), kind.annex, Header(), QLatin1String(house), path),
                AnnexOutcome::kWritten);
      Verified verified;
      Verify(kind.file, path, verified);
      // A house without co-insured persons has an anexa 1B without records.
      if (verified.list.RowCount() == 0 && kind.annex == Annex::k1B) continue;
      EXPECT_EQ(verified.report.message, Success(kind.name)) << house << " " << kind.name;
      ++checked;
    }
  }
  EXPECT_EQ(checked, 10);

  const QString a = dir_.filePath(QStringLiteral("CASAB_0.dbf"));
  const QString b = dir_.filePath(QStringLiteral("CASAB_1.dbf"));
  const QString c = dir_.filePath(QStringLiteral("CASAB_2.dbf"));
  Damage(a, 1, QStringLiteral("CNP"), "0000000000000");
  Damage(b, 0, QStringLiteral("TIPC"), "X");
  Damage(c, 2, QStringLiteral("CAS_ASIG"), "ZZ");
  const struct {
    VerifiedFile file;
    QString path;
    int row;
    const char* annex;
    const char* fault;
  } damaged[] = {
      {VerifiedFile::kAnnexA, a, 1, "Anexa A", "Campul CNP: Codul Numeric Personal incorect"},
      {VerifiedFile::kAnnexB, b, 0, "Anexa B",
       "Campul TIPC: Forma de coasigurare trebuie sa fie S sau P"},
      {VerifiedFile::kAnnexC, c, 2, "Anexa C",
       "Campul CAS_ASIG: codul de casa de asigurari este eronat"},
  };
  for (const auto& file : damaged) {
    Verified verified;
    Verify(file.file, file.path, verified);
    EXPECT_EQ(verified.report.message, Faulty(file.annex));
    ASSERT_EQ(verified.report.faults.size(), 1u) << file.annex;
    EXPECT_EQ(verified.report.faults[0].row, file.row);
    EXPECT_EQ(verified.list.GetCellText(file.row, QStringLiteral("EROARE")),
              QLatin1String(file.fault));
  }
}

class VerifyOwnDeclarationTest : public DeclarationTest {
 protected:
  QTemporaryDir dir_;
};

TEST_F(VerifyOwnDeclarationTest, DeclarationFilesPassAndADamagedRecordIsCaught) {
  const qint64 initial = AddDeclaration(0);
  AddEntries(initial,
             {{"", "MUŢU", "Ştefan", "1800101221144", "CASCJ", "CCMAA", "12", 1, 10, "300"},
              {"", "ALBU", "ANA", "2800404221145", "CASHG", "CCMAB", "13", 8, 8, "1200.75", "CCMZZ",
               "77"}});
  const qint64 rectifying = AddDeclaration(1);
  AddEntries(rectifying,
             {{"M", "MUŢU", "Ştefan", "1800101221144", "CASCJ", "CCMAA", "12", 1, 6, "180"},
              {"S", "ALBU", "ANA", "2800404221145", "CASHG", "CCMAB", "13", 8, 0, "0"},
              {"A", "COSTIN", "DAN", "1900303221143", "CASCJ", "CCMAC", "14", 9, 4, "50"}});
  const QString p1 = QStringLiteral("Concedii medicale - Anexa 1: ");
  const QString p2 = QStringLiteral("Concedii medicale - Anexa 2: ");
  const QString success =
      QStringLiteral("Fisierul a fost verificat cu succes!\n\nNu au fost remarcate erori.");
  QString a1;
  QString a2;
  for (const qint64 index : {initial, rectifying}) {
    const QString folder = dir_.filePath(QString::number(index));
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_EQ(WriteDeclarationFiles(client(), prompter(), kCui, index, folder).outcome,
              FilesOutcome::kSaved);
    a1 = QDir(folder).filePath(DeclarationFileName(DeclarationFile::kA1, "CJ", kCui, kLuna));
    a2 = QDir(folder).filePath(DeclarationFileName(DeclarationFile::kA2, "CJ", kCui, kLuna));
    Verified first;
    Verify(VerifiedFile::kLeave1, a1, first);
    EXPECT_EQ(first.report.message, p1 + success) << index;
    Verified second;
    Verify(VerifiedFile::kLeave2, a2, second);
    EXPECT_EQ(second.report.message, p2 + success) << index;
    EXPECT_EQ(second.list.RowCount(), index == initial ? 2 : 3);
  }

  Damage(a1, 0, QStringLiteral("TIPD"), "7");
  Damage(a2, 2, QStringLiteral("TIP_RECTIF"), "X");
  Verified first;
  Verify(VerifiedFile::kLeave1, a1, first);
  EXPECT_EQ(first.report.message, p1 + QStringLiteral("Valoarea din campul TIPD este invalida"));
  Verified second;
  Verify(VerifiedFile::kLeave2, a2, second);
  ASSERT_EQ(second.report.faults.size(), 1u);
  EXPECT_EQ(second.report.faults[0].row, 2);
  EXPECT_EQ(second.list.GetCellText(2, QStringLiteral("EROARE")),
            QStringLiteral("Campul TIP_RECTIF: trebuie sa fie M, A sau S"));
  EXPECT_EQ(second.list.RowColor(2), kFaultyRowColor);
}

}  // namespace
