#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <deque>

#include "annex_fixture.h"
#include "dbf/report_destination.h"
#include "health/annexes/annex_save.h"

namespace {

const QStringList kHouses = {"CASAB", "CASVL", "CAS_B"};

TEST(AnnexSave, RefusalsBeforeTheNamingFormComeInOrder) {
  struct Case {
    SaveChoices choices;
    QString refusal;  // empty: none
  } cases[] = {
      {{"2009", kCui, kHouses, "CASAB", HouseScope::kSelected}, save_texts::kNoMonth},
      {{"200907", kCui, kHouses, "", HouseScope::kSelected}, save_texts::kNoHouse},
      {{"200907", "", {}, "", HouseScope::kSelected}, save_texts::kNoHouse},
      {{"200907", "", {}, "", HouseScope::kAll}, save_texts::kNoCompany},
      {{"200907", kCui, {}, "", HouseScope::kAll}, save_texts::kNoInsured},
      {{"200907", kCui, kHouses, "CASAB", HouseScope::kSelected}, {}},
      {{"200907", kCui, kHouses, "", HouseScope::kAll}, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SaveRefusal(c.choices).value_or(QString()), c.refusal) << c.refusal.toStdString();
  }
}

// The desktop's mount folders and the mount table; a folder left there is no volume.
TEST(RemovableVolume, TheFirstMountedVolumeUnderARootIsTheDestination) {
  QTemporaryDir dir;
  const QString media = dir.filePath(QStringLiteral("media/ana"));
  const QString run = dir.filePath(QStringLiteral("run/media/ana"));
  for (const char* name : {"media/ana/STICK", "media/ana/OLD", "run/media/ana/CD"}) {
    ASSERT_TRUE(QDir(dir.path()).mkpath(QLatin1String(name)));
  }
  const QStringList roots = {media, run};
  struct Case {
    QStringList mounted;
    QString found;  // empty: none
  } cases[] = {
      {{"/", "/home"}, {}},
      {{"/", run + "/CD", media + "/STICK"}, run + "/CD"},
      {{"/", media + "/STICK/"}, media + "/STICK"},
      {{dir.filePath("elsewhere")}, {}},
      {{media + "/GONE"}, {}},  // listed but its folder is not there
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FirstRemovableVolume(roots, c.mounted).value_or(QString()), c.found)
        << c.mounted.join(u' ').toStdString();
  }
}

class AnnexSaveTest : public AnnexTest {
 protected:
  SaveChoices Choices(HouseScope scope, Destination destination = Destination::kFolder) {
    return {kMonth, kCui, kHouses, QStringLiteral("CASAB"), scope, destination};
  }
  // The naming form answers in turn; each opening is counted.
  SaveSeams Seams(std::vector<std::optional<NamingForm>> answers) {
    answers_.assign(answers.begin(), answers.end());
    SaveSeams seams;
    seams.chooseNaming = [this](const NamingChoice&) {
      ++namingForms_;
      if (answers_.empty()) return std::optional<NamingForm>();
      const auto answer = answers_.front();
      answers_.pop_front();
      return answer;
    };
    seams.mountRoots = {dir_.filePath(QStringLiteral("media"))};
    seams.mountedVolumes = [this] { return mounted_; };
    return seams;
  }
  SaveOutcome Save(const SaveChoices& choices, std::vector<std::optional<NamingForm>> answers) {
    prompter().QueueFolder(dir_.path());
    return SaveReportFiles(client(), prompter(), choices, Seams(std::move(answers))).outcome;
  }

  std::deque<std::optional<NamingForm>> answers_;
  int namingForms_ = 0;
  QStringList mounted_;
};

TEST_F(AnnexSaveTest, AllHousesByHouseGiveThreeFilesEachAndNoMessage) {
  SaveSeams seams = Seams({NamingForm::kByHouse});
  std::vector<std::pair<int, int>> progress;
  seams.progress = [&progress](int done, int total) { progress.emplace_back(done, total); };
  prompter().QueueFolder(dir_.path());
  EXPECT_EQ(SaveReportFiles(client(), prompter(), Choices(HouseScope::kAll), seams).outcome,
            SaveOutcome::kSaved);
  EXPECT_EQ(prompter().Texts(), QStringList());
  EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{0, 3}, {1, 3}, {2, 3}, {3, 3}}));
  QStringList expected;
  for (const QString& cas : kHouses) {
    for (const char* annex : {"1A", "1B", "1C"}) {
      expected.append(cas + "_12345674_200907_anexa" + QLatin1String(annex) + ".dbf");
    }
  }
  expected.sort();
  EXPECT_EQ(FilesIn(dir_.path()), expected);
}

TEST_F(AnnexSaveTest, LegalNamesForSeveralHousesAreRefusedAndTheFormStaysOpen) {
  EXPECT_EQ(Save(Choices(HouseScope::kAll), {NamingForm::kLegal, std::nullopt}),
            SaveOutcome::kCancelled);
  EXPECT_EQ(namingForms_, 2);
  EXPECT_EQ(prompter().Texts(), QStringList({naming_texts::kLegalForAllHouses}));
  EXPECT_EQ(FilesIn(dir_.path()), QStringList());
  // One house goes on under the legal names.
  EXPECT_EQ(Save(Choices(HouseScope::kSelected), {NamingForm::kLegal}), SaveOutcome::kSaved);
  EXPECT_EQ(FilesIn(dir_.path()),
            QStringList({"1A_0709_12345674.dbf", "1B_0709_12345674.dbf", "1C_0709_12345674.dbf"}));
}

TEST_F(AnnexSaveTest, ARefusalOpensNoNamingForm) {
  SaveChoices choices = Choices(HouseScope::kAll);
  choices.houses.clear();
  EXPECT_EQ(Save(choices, {NamingForm::kByHouse}), SaveOutcome::kRefused);
  EXPECT_EQ(namingForms_, 0);
  EXPECT_EQ(prompter().Texts(), QStringList({save_texts::kNoInsured}));
}

// A file that cannot be written stops the chain: its message, no later file, and an older
// file of a later annex left as it was.
TEST_F(AnnexSaveTest, AFailedFileStopsTheChain) {
  struct Case {
    const char* blocked;  // a folder in the way of this file
    const char* message;
    QStringList written;
  } cases[] = {
      {"CASAB_12345674_200907_anexa1A.dbf", "Nu se poate salva Anexa 1A!", {}},
      {"CASAB_12345674_200907_anexa1B.dbf",
       "Nu se poate salva Anexa 2B!",
       {"CASAB_12345674_200907_anexa1A.dbf"}},
      {"CASAB_12345674_200907_anexa1C.dbf",
       "Nu se poate salva Anexa 1C!",
       {"CASAB_12345674_200907_anexa1A.dbf", "CASAB_12345674_200907_anexa1B.dbf"}},
  };
  for (const Case& c : cases) {
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QLatin1String(c.blocked)));
    QFile older(folder.filePath(QStringLiteral("CASAB_12345674_200907_anexa1C.dbf")));
    const bool keepsOlder = QLatin1String(c.blocked) != older.fileName().section(u'/', -1);
    if (keepsOlder) {
      ASSERT_TRUE(older.open(QIODevice::WriteOnly));
      older.write("older");
      older.close();
    }
    prompter().Clear();
    prompter().QueueFolder(folder.path());
    const Saved<SaveOutcome> saved = SaveReportFiles(
        client(), prompter(), Choices(HouseScope::kAll), Seams({NamingForm::kByHouse}));
    EXPECT_EQ(saved.outcome, SaveOutcome::kFailed);
    EXPECT_EQ(prompter().Texts(), QStringList({QLatin1String(c.message)}));
    // The files written before the failure, each by its path, and no other.
    QStringList paths;
    for (const QString& name : c.written) paths.append(folder.filePath(name));
    EXPECT_EQ(saved.files, paths) << c.blocked;
    QStringList files = c.written;
    if (keepsOlder) files.append(QStringLiteral("CASAB_12345674_200907_anexa1C.dbf"));
    EXPECT_EQ(FilesIn(folder.path()), files) << c.blocked;
    if (keepsOlder) {
      ASSERT_TRUE(older.open(QIODevice::ReadOnly));
      EXPECT_EQ(older.readAll(), QByteArray("older"));
    }
  }
}

TEST_F(AnnexSaveTest, WithoutARemovableVolumeNothingIsWritten) {
  EXPECT_EQ(Save(Choices(HouseScope::kSelected, Destination::kRemovable), {NamingForm::kByHouse}),
            SaveOutcome::kRefused);
  EXPECT_EQ(prompter().Texts(), QStringList({destination_texts::kNoRemovableVolume}));
  EXPECT_EQ(FilesIn(dir_.path()), QStringList());

  prompter().Clear();
  const QString stick = dir_.filePath(QStringLiteral("media/STICK"));
  ASSERT_TRUE(QDir().mkpath(stick));
  mounted_ = {QStringLiteral("/"), stick};
  EXPECT_EQ(Save(Choices(HouseScope::kSelected, Destination::kRemovable), {NamingForm::kLegal}),
            SaveOutcome::kSaved);
  EXPECT_EQ(FilesIn(stick).size(), 3);
}

// A fiscal code or a house of old data that could point outside the folder: refused before
// any file is written.
TEST_F(AnnexSaveTest, CodesUnfitForNamesStopBeforeAnyFile) {
  Run(QStringLiteral("INSERT INTO asigurati.societati (cf) VALUES ('1/../2')"));
  Person("1111111111111", "CASAB", "X", "Y", "S", 20050101, 0, "1", "1", "1/../2");
  Person("2222222222222", "CASXX", "X", "Y", "S", 20050101, 0, "1", "1");
  const struct {
    const char* cf;
    QStringList houses;
  } cases[] = {{"1/../2", {"CASAB"}}, {"12345674", {"CASAB", "CASXX"}}};
  for (const auto& c : cases) {
    prompter().Clear();
    EXPECT_EQ(WriteReportFiles(client(), prompter(), *SplitMonth(kMonth), QLatin1String(c.cf),
                               c.houses, NamingForm::kByHouse, dir_.path())
                  .outcome,
              SaveOutcome::kRefused);
    EXPECT_EQ(prompter().Texts(), QStringList({naming_texts::kUnusableInName}));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
  }
}

}  // namespace

// A stop asked while the files are written ends the save after the file under way: the
// files before it are whole and nothing after it is started.
TEST_F(AnnexSaveTest, StopEndsTheSaveAfterTheFileUnderWay) {
  const QStringList order = {
      "CASAB_12345674_200907_anexa1A.dbf", "CASAB_12345674_200907_anexa1B.dbf",
      "CASAB_12345674_200907_anexa1C.dbf", "CAS_B_12345674_200907_anexa1A.dbf"};
  for (int stopAfter = 1; stopAfter <= static_cast<int>(order.size()); ++stopAfter) {
    QTemporaryDir folder;
    int written = 0;
    const SaveStop stop = [&written, stopAfter] { return ++written == stopAfter; };
    EXPECT_EQ(WriteReportFiles(client(), prompter(), *SplitMonth(kMonth), kCui, {"CASAB", "CAS_B"},
                               NamingForm::kByHouse, folder.path(), {}, stop)
                  .outcome,
              SaveOutcome::kStopped);
    QStringList expected = order.mid(0, stopAfter);
    expected.sort();
    EXPECT_EQ(FilesIn(folder.path()), expected) << stopAfter;
  }
}
