#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>

#include "health/annexes/annex_files.h"
#include "store/list_model.h"
#include "support/register_fixture.h"

namespace {

// The three files of a small company byte for byte, dated 3 August 2009. A golden file is
// written afresh when VELKA_WRITE_GOLDEN is set; look at it before committing it.
class AnnexGoldenTest : public RegisterTest {
 protected:
  void SetUp() override {
    RegisterTest::SetUp();
    Run(QStringLiteral("INSERT INTO asigurati.societati (cf, denumire, reg_com, repr) VALUES "
                       "(%1, 'MICA SRL', 'J12/34/2005', %2)")
            .arg(Q(kCui), Q(QStringLiteral("POPESCU ȘTEFAN"))));
    Run(QStringLiteral("INSERT INTO asigurati.asigurati (cf, cas, cnp, nume, prenume, forma, "
                       "intrare, iesire) VALUES (%1, 'CASCJ', %2, 'ȚARĂ', 'ION', 'S', 20080115, "
                       "0), (%1, 'CASCJ', %3, 'BOBU', 'ANA', 'CM', 20090301, 20090720)")
            .arg(Q(kCui), Q(kCnp), Q(kOtherCnp)));
    Run(QStringLiteral("INSERT INTO asigurati.sume (id_cnp, cf, cnp, luna, asig_datorat, "
                       "asig_virat) SELECT `index`, cf, cnp, 200907, 55, 50 FROM "
                       "asigurati.asigurati WHERE cnp=%1")
            .arg(Q(kCnp)));
    Run(QStringLiteral("INSERT INTO asigurati.coasigurati (cf, cnp, cnp_asig, nume, prenume, tip) "
                       "VALUES (%1, '2950101221151', %2, 'ȚARĂ', 'MARIA', 'S')")
            .arg(Q(kCui), Q(kCnp)));
    Run(QStringLiteral("INSERT INTO asigurati.sume_societati (cf, luna, datorat, virat) VALUES "
                       "(%1, 200907, 52, 52)")
            .arg(Q(kCui)));
  }
};

TEST_F(AnnexGoldenTest, TheFilesOfASmallCompanyAreTheGoldenOnes) {
  const AnnexHeader header{*SplitMonth(QStringLiteral("200907")), kCui,
                           SplitRegCom(QStringLiteral("J12/34/2005")),
                           SplitRepr(QStringLiteral("POPESCU ȘTEFAN"))};
  for (const auto& [annex, name] :
       {std::pair{Annex::k1A, "1A"}, std::pair{Annex::k1B, "1B"}, std::pair{Annex::k1C, "1C"}}) {
    ListModel records;
    ASSERT_TRUE(FillAnnexRecords(client(), annex, header, QStringLiteral("CASCJ"), records));
    QBuffer written;
    written.open(QIODevice::WriteOnly);
    ASSERT_TRUE(AnnexDefinition(annex).WriteDbf(written, records, QDate(2009, 8, 3)));
    QFile golden(
        QStringLiteral(VELKA_TEST_DATA_DIR "/annex/small_company_%1.dbf").arg(QLatin1String(name)));
    if (qEnvironmentVariableIsSet("VELKA_WRITE_GOLDEN")) {
      ASSERT_TRUE(golden.open(QIODevice::WriteOnly));
      golden.write(written.data());
      continue;
    }
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly)) << golden.fileName().toStdString();
    EXPECT_EQ(written.data(), golden.readAll()) << name;
  }
}

}  // namespace
