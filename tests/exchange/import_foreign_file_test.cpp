#include "common/python_readers.h"
#include "import_fixture.h"

namespace {

// An external-source file made by another program: python3-dbf writes its amounts as
// numeric fields with two decimals, which the reader gives with a decimal comma.
constexpr char kWriter[] = R"(
import sys, dbf
table = dbf.Table(sys.argv[1], 'CF C(13); CAS C(5); CNP C(13); NUME C(30); PRENUME C(30); '
                  'INTRARE C(8); FORMA C(3); SALARIU N(12,2); ASG_DAT N(12,2); '
                  'ASG_VIR N(12,2); ANG_DAT N(12,2); ANG_VIR N(12,2); LA_LUNA C(6)',
                  codepage='cp1250')
table.open(dbf.READ_WRITE)
table.append((' R12345674', 'CASB ', '1800101221144', 'IONESCU', 'MARIA', '20090105', 'S',
              1234.56, 67.5, 67.49, 0.5, 0, '200906'))
table.close()
print('{}')
)";

class ImportForeignFileTest : public ImportTest {};

TEST_F(ImportForeignFileTest, FileOfAnotherWriterIsImportedWithItsAmountsConverted) {
  const QString python = python_readers::PythonWith(QStringLiteral("dbf"));
  ASSERT_FALSE(python.isEmpty()) << "python3-dbf is missing";
  const QString path = folder_.filePath("strain.dbf");
  const auto written = python_readers::RunScript(python, kWriter, {path});
  ASSERT_TRUE(written.ok) << written.errors.toStdString();

  CImportExternalDialog screen(nullptr, client(), prompter());
  Open(screen, path);
  ASSERT_TRUE(SaveButton(screen).isEnabled()) << prompter().LastText().toStdString();
  EXPECT_EQ(screen.FiscalCode(), kCui);
  CompleteAndSave(screen);
  EXPECT_EQ(Error(screen, 0), QStringLiteral("Asigurat inexistent: a fost adaugat; Sumele in luna "
                                             "inexistente: au fost adaugate"));
  EXPECT_EQ(Value("SELECT CONCAT(cf, '|', cas, '|', nume, '|', prenume) AS v FROM "
                  "asigurati.asigurati"),
            QStringLiteral("12345674|CAS_B|IONESCU|MARIA"));
  EXPECT_EQ(Value("SELECT CONCAT(salariu, '|', asig_datorat, '|', asig_virat, '|', ang_datorat, "
                  "'|', ang_virat) AS v FROM asigurati.sume"),
            QStringLiteral("1234.56|68|67|1|0"));
}

}  // namespace
