#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include "exchange/verify/written_check.h"
#include "verify_fixture.h"

namespace {

using namespace verify_files;

// One record of each kind that passes every rule; a case changes some of its fields.
const QHash<QString, QString> kGood = {{"LN", "7"},
                                       {"AN", "2009"},
                                       {"CF", "12345674"},
                                       {"CUI", "12345674"},
                                       {"TIPD", "0"},
                                       {"CNP", "1800101221144"},
                                       {"CNPC", "2800404221145"},
                                       {"TIPC", "P"},
                                       {"CAT", "S"},
                                       {"ANG", "20090604"},
                                       {"PL", "0"},
                                       {"CAS_ASIG", "AB"},
                                       {"ZI_PRE", "5"}};

QStringList Good(VerifiedFile kind) {
  QStringList cells;
  for (const QString& name : VerifiedFieldNames(kind)) cells.append(kGood.value(name));
  return cells;
}

class WrittenCheckTest : public ::testing::Test {
 protected:
  // `records` good records of the kind, written under the program's own name for it.
  QString WriteGood(const char* name, VerifiedFile kind, int records) {
    const QString path = folder_.filePath(QLatin1String(name));
    Write(path, FieldsOf(kind), std::vector<QStringList>(records, Good(kind)));
    return path;
  }

  QTemporaryDir folder_;
};

// Files as the program writes them, each with one fault planted by a byte edit: the check
// names the file, the record and the rule, or the file's own fault; the untouched files of
// the same save pass.
TEST_F(WrittenCheckTest, APlantedFaultIsNamedWithItsFileRecordAndRule) {
  const struct Case {
    const char* name;
    VerifiedFile kind;
    int records;
    int damaged;  // the record edited, from 0
    const char* field;
    QByteArray text;
    const char* line;  // what the confirmation says
  } cases[] = {
      {"1A_0709_12345674.dbf", VerifiedFile::kAnnexA, 3, 1, "CNP", "1800101221145",
       "1A_0709_12345674.dbf, inregistrarea 2: Campul CNP: Codul Numeric Personal incorect"},
      {"CASAB_12345674_200907_anexa1B.dbf", VerifiedFile::kAnnexB, 2, 0, "LN", "13",
       "CASAB_12345674_200907_anexa1B.dbf, inregistrarea 1: Campul LN: luna declaratiei "
       "trebuie sa fie intre 1 si 12"},
      {"cas_b_12345674_200907_ANEXA1C.DBF", VerifiedFile::kAnnexC, 3, 2, "CAS_ASIG", "ZZ",
       "cas_b_12345674_200907_ANEXA1C.DBF, inregistrarea 3: Campul CAS_ASIG: codul de casa de "
       "asigurari este eronat"},
      {"CM_CASCJ_12345674_200906_A1.dbf", VerifiedFile::kLeave1, 1, 0, "TIPD", "7",
       "CM_CASCJ_12345674_200906_A1.dbf: Concedii medicale - Anexa 1: Valoarea din campul TIPD "
       "este invalida"},
      {"CM_CAS_B_12345674_200906_A2.dbf", VerifiedFile::kLeave2, 4, 3, "CNP", "2800404221146",
       "CM_CAS_B_12345674_200906_A2.dbf, inregistrarea 4: Campul CNP: codul numeric personal "
       "este invalid"},
      {"1C_0709_12345674.dbf", VerifiedFile::kAnnexC, 1, 0, "CF", "12345675",
       "1C_0709_12345674.dbf, inregistrarea 1: Campul CF: Codul de identificare fiscala "
       "incorect"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString faulty = WriteGood(c.name, c.kind, c.records);
    const QString good = WriteGood("CM_CASCJ_12345674_200906_A2.dbf", VerifiedFile::kLeave2, 2);
    const std::vector<WrittenFileCheck> before = CheckWrittenFiles({faulty, good});
    ASSERT_EQ(before.size(), 2u);
    EXPECT_EQ(before[0].verdict, WrittenVerdict::kPassed) << before[0].message.toStdString();
    EXPECT_EQ(before[0].kind, c.kind);
    Damage(faulty, c.damaged, QLatin1String(c.field), c.text);

    const std::vector<WrittenFileCheck> after = CheckWrittenFiles({faulty, good});
    EXPECT_EQ(after[0].verdict, WrittenVerdict::kFaulty);
    EXPECT_EQ(after[1].verdict, WrittenVerdict::kPassed);
    const SaveConfirmation confirmation =
        ConfirmationOf(confirmation_texts::kReportFiles, {faulty, good});
    EXPECT_TRUE(confirmation.faulty);
    EXPECT_EQ(confirmation.verdict,
              QStringLiteral("verificate: un fisier are greseli - casa de asigurari l-ar refuza"));
    EXPECT_EQ(confirmation.details, QStringList{QString::fromUtf8(c.line)});
    EXPECT_EQ(confirmation.files,
              QStringList({QLatin1String(c.name), "CM_CASCJ_12345674_200906_A2.dbf"}));
    EXPECT_EQ(confirmation.folder, QDir::toNativeSeparators(folder_.path()));
  }
}

// A house without co-insured persons and a declaration without certificates give files
// without records, which the rules refuse: they are named as such, not as faults. Any other
// empty or unreadable file is a fault; a file not of the program's reporting kinds is not
// checked.
TEST_F(WrittenCheckTest, EmptyFilesByDesignAreNamedAsSuch) {
  const QString b = WriteGood("CASVL_12345674_200907_anexa1B.dbf", VerifiedFile::kAnnexB, 0);
  const QString a2 = WriteGood("CM_CASCJ_12345674_200906_A2.dbf", VerifiedFile::kLeave2, 0);
  const QString a = WriteGood("1A_0709_12345674.dbf", VerifiedFile::kAnnexA, 0);
  const QString cut = folder_.filePath(QStringLiteral("1C_0709_12345674.dbf"));
  QFile file(cut);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("\x03\x6d\x07", 3) == 3);
  file.close();
  const QString pdf = folder_.filePath(QStringLiteral("CASVL_12345674_200907_2A.pdf"));

  const std::vector<WrittenFileCheck> checks = CheckWrittenFiles({b, a2, a, cut, pdf});
  const WrittenVerdict verdicts[] = {WrittenVerdict::kEmptyByDesign, WrittenVerdict::kEmptyByDesign,
                                     WrittenVerdict::kFaulty, WrittenVerdict::kFaulty,
                                     WrittenVerdict::kNotChecked};
  for (size_t i = 0; i < checks.size(); ++i) {
    EXPECT_EQ(checks[i].verdict, verdicts[i]) << checks[i].path.toStdString();
  }

  const SaveConfirmation byDesign = ConfirmationOf(confirmation_texts::kReportFiles, {b, a2, pdf});
  EXPECT_FALSE(byDesign.faulty);
  EXPECT_EQ(byDesign.verdict, confirmation_texts::kPassed);
  EXPECT_EQ(byDesign.details,
            QStringList({"CASVL_12345674_200907_anexa1B.dbf: fara inregistrari - casa nu are "
                         "coasigurati; este corect asa, desi verificarea refuza orice fisier gol",
                         "CM_CASCJ_12345674_200906_A2.dbf: fara inregistrari - declaratia nu are "
                         "concedii medicale; este corect asa, desi verificarea refuza orice "
                         "fisier gol"}));
  const SaveConfirmation faulty = ConfirmationOf(confirmation_texts::kReportFiles, {a, cut});
  EXPECT_EQ(faulty.verdict,
            QStringLiteral("verificate: 2 fisiere au greseli - casa de asigurari le-ar refuza"));
  EXPECT_EQ(faulty.details,
            QStringList({"1A_0709_12345674.dbf: Anexa A: Fisierul selectat nu contine "
                         "inregistrari!",
                         "1C_0709_12345674.dbf: fisierul nu poate fi citit"}));
  // PDFs alone: nothing to check, nothing said about a check.
  const SaveConfirmation pdfs = ConfirmationOf(confirmation_texts::kReportPdf, {pdf});
  EXPECT_TRUE(pdfs.verdict.isEmpty());
  EXPECT_EQ(pdfs.files, QStringList{"CASVL_12345674_200907_2A.pdf"});
}

}  // namespace
