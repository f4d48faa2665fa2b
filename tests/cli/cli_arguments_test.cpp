// The words of the scripted mode read into requests, or refused with the message that
// names the faulty word.
#include <gtest/gtest.h>

#include "cli/cli_arguments.h"
#include "cli/cli_texts.h"

namespace {

QStringList Words(const char* text) {
  return QString::fromUtf8(text).split(u' ', Qt::SkipEmptyParts);
}

// The fields a row expects, as one comparable text.
QString Shown(const CommandRequest& r) {
  return QStringLiteral("kind=%1 topic=%2 month=%3 cf=%4 lege=%5 pdf=%6 sim=%7 json=%8 folder=%9")
             .arg(static_cast<int>(r.kind))
             .arg(r.helpTopic)
             .arg(r.month)
             .arg(r.cfs.join(u','))
             .arg(r.naming == NamingForm::kLegal)
             .arg(r.pdf)
             .arg(r.simulate)
             .arg(r.json)
             .arg(r.folder) +
         QStringLiteral(" date=%1 anexa=%2 files=%3 import=%4 anterior=%5 cas=%6")
             .arg(r.startFolder, r.annex, r.files.join(u','), r.importFile)
             .arg(r.previous)
             .arg(r.cas) +
         QStringLiteral(" tabel=%1 index=%2").arg(r.table).arg(r.index);
}

TEST(CommandArguments, WordsBecomeRequestsOrNamedRefusals) {
  const QString reports = QStringLiteral("kind=1 topic= month=200906 cf=");
  const struct {
    const char* words;
    QString expected;  // the request's fields, or the refusal
  } rows[] = {
      {"", "kind=0 topic= month=0"},
      {"--help", "kind=0 topic= month=0"},
      {"-h", "kind=0 topic= month=0"},
      {"rapoarte --luna 200913 --help", "kind=0 topic=rapoarte month=0"},
      {"rapoarte --luna 200906 --folder out", reports + " lege=0 pdf=0 sim=0 json=0 folder=out"},
      {"rapoarte --luna=200906 --folder=o --cf 1 --cf=2 --denumire lege --pdf --simulare "
       "--date d",
       "kind=1 topic= month=200906 cf=1,2 lege=1 pdf=1 sim=1 json=0 folder=o date=d"},
      {"declaratii --folder o --luna 201012 --cf 7",
       "kind=2 topic= month=201012 cf=7 lege=0 pdf=0 sim=0 json=0 folder=o"},
      {"rapoarte --luna 200913 --folder o", cli_texts::BadMonth("200913")},
      {"rapoarte --luna 2009-6 --folder o", cli_texts::BadMonth("2009-6")},
      {"rapoarte --luna 20096 --folder o", cli_texts::BadMonth("20096")},
      {"rapoarte --luna 189912 --folder o", cli_texts::BadMonth("189912")},
      {"declaratii --luna +20906 --folder o", cli_texts::BadMonth("+20906")},
      {"rapoarte --folder o", cli_texts::MissingOption("rapoarte", "--luna")},
      {"declaratii --luna 200906", cli_texts::MissingOption("declaratii", "--folder")},
      {"rapoarte --folder o --luna", cli_texts::MissingValue("--luna")},
      {"rapoarte --folder= --luna 200906", cli_texts::MissingValue("--folder")},
      {"rapoarte --luna 200906 --luna 200907 --folder o", cli_texts::Repeated("--luna")},
      {"rapoarte --luna 200906 --folder o --denumire cas", cli_texts::BadNaming("cas")},
      {"rapoarte --luna 200906 --folder o --pdf=da", cli_texts::SwitchWithValue("--pdf")},
      {"rapoarte --luna 200906 --folder o --json", cli_texts::UnknownOption("--json", "rapoarte")},
      {"declaratii --luna 200906 --folder o --denumire lege",
       cli_texts::UnknownOption("--denumire", "declaratii")},
      {"rapoarte --luna 200906 o", cli_texts::StrayWord("o", "rapoarte")},
      {"raport --luna 200906", cli_texts::UnknownCommand("raport")},
      {"verifica --anexa a f.dbf g.dbf --json",
       "kind=3 topic= month=0 cf= lege=0 pdf=0 sim=0 json=1 folder= date= anexa=A "
       "files=f.dbf,g.dbf"},
      {"verifica --anexa D f.dbf", cli_texts::BadAnnex("D")},
      {"verifica --anexa 1", cli_texts::NoFiles("verifica")},
      {"verifica --anexa 2 --date d f.dbf", cli_texts::UnknownOption("--date", "verifica")},
      {"importa --extern f.dbf",
       "kind=4 topic= month=0 cf= lege=0 pdf=0 sim=0 json=0 folder= "
       "date= anexa= files= import=f.dbf anterior=0 cas="},
      {"importa --anterior f.dbf --cas casab --date d",
       "kind=4 topic= month=0 cf= lege=0 pdf=0 sim=0 json=0 folder= date=d anexa= files= "
       "import=f.dbf anterior=1 cas=CASAB"},
      {"importa --anterior f.dbf", cli_texts::MissingOption("importa", "--cas")},
      {"importa --extern f.dbf --cas CASAB", cli_texts::kHouseWithoutPrevious},
      {"importa --extern f.dbf --anterior g.dbf", cli_texts::kImportSource},
      {"importa", cli_texts::kImportSource},
      {"muta-pe-server --date d",
       "kind=5 topic= month=0 cf= lege=0 pdf=0 sim=0 json=0 folder= "
       "date=d"},
      {"muta-pe-server --help", "kind=0 topic=muta-pe-server"},
      {"muta-pe-server --luna 200906", cli_texts::UnknownOption("--luna", "muta-pe-server")},
      {"istoric --tabel asigurati --index 12 --json",
       "kind=6 topic= month=0 cf= lege=0 pdf=0 sim=0 json=1 folder= date= anexa= files= "
       "import= anterior=0 cas= tabel=asigurati index=12"},
      {"istoric --tabel SUME_societati --index=3 --date d",
       "kind=6 topic= month=0 cf= lege=0 pdf=0 sim=0 json=0 folder= date=d anexa= files= "
       "import= anterior=0 cas= tabel=sume_societati index=3"},
      {"istoric --tabel zlog_sume --index 3", cli_texts::BadHistoryTable("zlog_sume")},
      {"istoric --tabel setari --index 3", cli_texts::BadHistoryTable("setari")},
      {"istoric --tabel sume --index 0", cli_texts::BadIndex("0")},
      {"istoric --tabel sume --index 2x", cli_texts::BadIndex("2x")},
      {"istoric --tabel sume", cli_texts::MissingOption("istoric", "--index")},
      {"istoric --index 1", cli_texts::MissingOption("istoric", "--tabel")},
      {"istoric --tabel sume --index 1 --pdf", cli_texts::UnknownOption("--pdf", "istoric")},
      {"istoric --help", "kind=0 topic=istoric"},
      {"--version", "kind=9 topic= month=0"},
      {"--version rapoarte", "kind=9 topic= month=0"},
      {"rapoarte --version", cli_texts::UnknownOption("--version", "rapoarte")},
      {"copie --folder c --date d",
       "kind=7 topic= month=0 cf= lege=0 pdf=0 sim=0 json=0 folder=c date=d"},
      {"copie --date d", cli_texts::MissingOption("copie", "--folder")},
      {"copie --folder c x.sql.gz", cli_texts::StrayWord("x.sql.gz", "copie")},
      {"restaureaza x.sql.gz --date d",
       "kind=8 topic= month=0 cf= lege=0 pdf=0 sim=0 json=0 folder= date=d anexa= "
       "files=x.sql.gz"},
      {"restaureaza", cli_texts::NoFiles("restaureaza")},
      {"restaureaza x.sql.gz y.sql.gz", cli_texts::kRestoreFile},
      {"restaureaza --folder c x.sql.gz", cli_texts::UnknownOption("--folder", "restaureaza")},
      {"restaureaza --help", "kind=0 topic=restaureaza"},
  };
  for (const auto& row : rows) {
    const ParsedCommand parsed = ParseCommand(Words(row.words));
    const QString got = parsed.request ? Shown(*parsed.request) : parsed.error;
    EXPECT_TRUE(got.startsWith(row.expected)) << row.words << "\n  got:      " << got.toStdString()
                                              << "\n  expected: " << row.expected.toStdString();
  }
}

TEST(CommandArguments, TheWindowKeepsTheToolkitsOwnOptions) {
  const struct {
    const char* words;
    bool command;
  } rows[] = {{"", false},
              {"-platform offscreen", false},
              {"-style Fusion", false},
              {"rapoarte", true},
              {"--help", true},
              {"--version", true},
              {"-h", true},
              {"ceva", true},
              {"--luna 200906", true}};
  for (const auto& row : rows) {
    EXPECT_EQ(IsCommandStart(Words(row.words)), row.command) << row.words;
  }
}

}  // namespace
