#include <QComboBox>

#include "exchange/verify/verify_file.h"
#include "import_fixture.h"
#include "support/valid_codes.h"

namespace {

const QString kThird = QStringLiteral("1750303400013");
const QString kFourth = QStringLiteral("1851212400028");
const QString kAlreadyImported = QStringLiteral(
    "Asiguratul este deja in baza de date cu aceeasi data de intrare (fisierul a mai fost "
    "importat o data?).");

// An anexa 1A record of June 2009 in the 16-field layout; `sdl` and `svl` as written.
QStringList Record16(const QString& cnp, const QString& form, const QString& hiring,
                     const QString& sdl, const QString& svl,
                     const QString& name = QStringLiteral("POPESCU")) {
  return {"6",   "2009", kCui,   "J40", "1234", "2003", cnp,       name,
          "ION", form,   hiring, "",    sdl,    svl,    "IONESCU", "ION"};
}

// The same in the 19-field layout.
QStringList Record19(const QString& cnp, const QString& form, const QString& hiring,
                     const QString& sdl, const QString& svl) {
  return {"2009", "6",    kCui, "",    "J40", "1234", "2003", cnp,       "POPESCU", "ION",
          form,   hiring, "",   "100", sdl,   "100",  svl,    "IONESCU", "ION"};
}

class ImportPreviousTest : public ImportTest {};

TEST_F(ImportPreviousTest, HeaderRefusals) {
  CImportPreviousDialog screen(nullptr, client(), prompter());
  Open(screen, WriteFile("sursa.dbf", ExternalFields(), {}));
  EXPECT_EQ(prompter().LastText(), QStringLiteral("Fisierul selectat este invalid!\n\n"
                                                  "Trebuie sa fie un fisier de tip anexa A."));
  auto swapped = Anexa1AFields(19);
  std::swap(swapped[7], swapped[8]);
  Open(screen, WriteFile("ordine.dbf", swapped, {}));
  EXPECT_EQ(prompter().LastText(), QStringLiteral("Fisierul selectat este invalid!\n\n"
                                                  "Trebuie sa fie un fisier de tip anexa 1A."));
  Open(screen, WriteFile("gol.dbf", Anexa1AFields(16), {}));
  EXPECT_EQ(prompter().LastText(), QStringLiteral("Fisierul selectat nu contine inregistrari!"));
  EXPECT_FALSE(SaveButton(screen).isEnabled());
}

TEST_F(ImportPreviousTest, BothLayoutsStoreUnderTheChosenHouseAndRefuseASecondImport) {
  for (const int layout : {16, 19}) {
    SCOPED_TRACE(layout);
    SetUp();
    const auto record = [layout](const QString& cnp, const QString& form, const QString& sdl,
                                 const QString& svl) {
      return layout == 16 ? Record16(cnp, form, "20090105", sdl, svl)
                          : Record19(cnp, form, "20090105", sdl, svl);
    };
    const QString path =
        WriteFile(QStringLiteral("a1a_%1.dbf").arg(layout), Anexa1AFields(layout),
                  {record(kCnp, "S", "64", "64"), record(kOtherCnp, "AM", "10", "10"),
                   record(kThird, "CIC", "", ""), record(kFourth, "S", "1a", "3")});
    CImportPreviousDialog screen(nullptr, client(), prompter());
    ASSERT_EQ(screen.Houses().count(), 44);
    EXPECT_EQ(screen.Houses().currentIndex(), 0);
    EXPECT_EQ(screen.Houses().itemText(23), QStringLiteral("HG - Harghita"));
    Open(screen, path);
    screen.Houses().setCurrentIndex(23);
    CompleteAndSave(screen);
    EXPECT_EQ(prompter().LastText(), CImportDialog::SavedMessage());
    EXPECT_EQ(Error(screen, 0), QString());
    EXPECT_FALSE(IsRed(screen, 0));
    EXPECT_EQ(Error(screen, 1),
              QStringLiteral("Forma de angajare este incorecta. Inregistrarea a fost ignorata"));
    EXPECT_TRUE(IsRed(screen, 1));
    EXPECT_EQ(Error(screen, 2), QString());
    EXPECT_EQ(Error(screen, 3),
              QStringLiteral("; Campul SDL nu este o suma. Nu au fost procesate sumele"));
    EXPECT_FALSE(IsRed(screen, 3));
    EXPECT_EQ(Count("asigurati", "cas='CASHR' AND forma<>'' AND iesire=0"), 3);
    EXPECT_EQ(Value("SELECT CONCAT(nume, '|', forma, '|', intrare) AS v FROM asigurati.asigurati "
                    "WHERE cnp=" +
                    Q(kCnp)),
              QStringLiteral("POPESCU|S|20090105"));
    // Only the person with amounts that month has a row of them.
    EXPECT_EQ(Count("sume"), 1);
    EXPECT_EQ(Value("SELECT CONCAT(luna, '|', asig_datorat, '|', asig_virat, '|', cnp) AS v "
                    "FROM asigurati.sume"),
              QStringLiteral("200906|64|64|") + kCnp);

    // The same file again: every record refused, nothing added.
    Open(screen, path);
    SaveButton(screen).click();
    EXPECT_EQ(prompter().LastText(), CImportDialog::SavedMessage());
    for (const int row : {0, 2, 3}) {
      EXPECT_EQ(Error(screen, row), kAlreadyImported) << row;
      EXPECT_TRUE(IsRed(screen, row)) << row;
    }
    EXPECT_EQ(Count("asigurati"), 3);
    EXPECT_EQ(Count("sume"), 1);
  }
}

// A file that passes "Verifica anexa A" imports whole: its liquidation dates too, a leading
// number not above 0 being a person still employed.
TEST_F(ImportPreviousTest, AFileThatPassesTheAnnexCheckImportsWhole) {
  const std::pair<const char*, const char*> liquidations[] = {
      {"", "0"}, {"0", "0"}, {"00000000", "0"}, {"-1", "0"}, {"20091231", "20091231"}};
  std::vector<QStringList> records;
  QStringList expected;
  for (const auto& [written, stored] : liquidations) {
    const QString cnp = WorkstationCnp(700 + static_cast<int>(records.size()));
    QStringList record = Record16(cnp, "S", "20090105", "64", "64");
    record[11] = QLatin1String(written);
    records.push_back(record);
    expected.append(cnp + u'|' + QLatin1String(stored));
  }
  const QString path = WriteFile(QStringLiteral("verificat.dbf"), Anexa1AFields(16), records);
  ListModel read;
  const QStringList names = ReadVerifiedFile(path, read);
  const VerifyReport check = VerifyTable(VerifiedFile::kAnnexA, {names, read});
  ASSERT_TRUE(check.recordsChecked) << check.message;
  ASSERT_TRUE(check.faults.empty()) << check.faults.front().text;

  CImportPreviousDialog screen(nullptr, client(), prompter());
  Open(screen, path);
  CompleteAndSave(screen);
  EXPECT_EQ(prompter().LastText(), CImportDialog::SavedMessage());
  for (int row = 0; row < screen.Records().RowCount(); ++row) {
    EXPECT_FALSE(IsRed(screen, row)) << Error(screen, row);
  }
  EXPECT_EQ(Value("SELECT GROUP_CONCAT(CONCAT(cnp, '|', iesire) ORDER BY `index` SEPARATOR ',') "
                  "AS v FROM asigurati.asigurati"),
            expected.join(u','));
  EXPECT_EQ(Count("sume"), static_cast<int>(records.size()));
}

TEST_F(ImportPreviousTest, APersonActiveWithAnotherHiringDateIsAddedAgain) {
  AddCompany(kCui, QStringLiteral("Firma Veche SRL"));
  AddInsured(kCui, kCnp);  // hired 20090101
  CImportPreviousDialog screen(nullptr, client(), prompter());
  Open(screen,
       WriteFile("a1a.dbf", Anexa1AFields(16), {Record16(kCnp, "S", "20090105", "5", "5")}));
  SaveButton(screen).click();
  EXPECT_EQ(prompter().LastText(), CImportDialog::SavedMessage());
  EXPECT_EQ(Count("asigurati", "cnp=" + Q(kCnp)), 2);
  EXPECT_EQ(Value("SELECT cas AS v FROM asigurati.asigurati WHERE intrare=20090105"), "CAS_B");
}

}  // namespace
