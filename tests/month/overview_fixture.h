#pragma once

#include <QTemporaryDir>

#include "health/annexes/annex_save.h"
#include "month/month_overview.h"
#include "support/register_fixture.h"

// A register of five companies for June 2009, one per state the overview knows before any
// change: ready, incomplete twice over, written, handed in, and one with nobody in the month.
class OverviewTest : public RegisterTest {
 protected:
  static constexpr int kMonth = 200906;
  static inline const QString kReady = QStringLiteral("11111111");
  static inline const QString kMissing = QStringLiteral("22222222");
  static inline const QString kWritten = QStringLiteral("33333333");
  static inline const QString kHandedIn = QStringLiteral("44444444");
  static inline const QString kEmpty = QStringLiteral("55555555");

  void SetUp() override {
    RegisterTest::SetUp();
    Seed(kReady, "ALFA SRL", {"1800101221144"}, true);
    Seed(kMissing, "BETA SRL", {"1800101221145", "1800101221146"}, false);
    Run(QStringLiteral("DELETE FROM asigurati.sume WHERE cnp='1800101221146'"));
    Seed(kWritten, "GAMA SRL", {"1800101221147", "1800101221148"}, true, "CASVL");
    Seed(kHandedIn, "DELTA SRL", {"1800101221149"}, true);
    AddCompany(kEmpty, QStringLiteral("EPSILON SRL"));
    for (const QString& cf : {kWritten, kHandedIn}) WriteHealthFiles(cf);
    ASSERT_TRUE(SetHandedIn(client(), kHandedIn, kMonth, true));
  }

  // A company with its insured persons in CASAB (the last one in `lastHouse`), each with
  // June's amounts, and with or without the employer's.
  static void Seed(const QString& cf, const char* name, const QStringList& cnps, bool employer,
                   const QString& lastHouse = QStringLiteral("CASAB")) {
    AddCompany(cf, QLatin1String(name));
    for (qsizetype i = 0; i < cnps.size(); ++i) {
      AddInsured(cf, cnps[i], i + 1 == cnps.size() ? lastHouse : QStringLiteral("CASAB"));
      Run(QStringLiteral("INSERT INTO asigurati.sume (id_cnp, cf, cnp, luna, asig_datorat, "
                         "asig_virat) VALUES (LAST_INSERT_ID(), %1, %2, %3, 100, 100)")
              .arg(Q(cf), Q(cnps[i]))
              .arg(kMonth));
    }
    if (employer) {
      Run(QStringLiteral("INSERT INTO asigurati.sume_societati (cf, luna, datorat, virat) "
                         "VALUES (%1, %2, 300, 300)")
              .arg(Q(cf))
              .arg(kMonth));
    }
  }

  // Every house's files, as the wizard writes them.
  void WriteHealthFiles(const QString& cf) {
    const auto overview = ReadMonthOverview(client(), kMonth);
    ASSERT_TRUE(overview);
    for (const OverviewCompany& company : *overview) {
      if (company.cf != cf) continue;
      const Saved<SaveOutcome> saved =
          WriteReportFiles(client(), prompter(), *SplitMonth(QString::number(kMonth)), cf,
                           company.houses, NamingForm::kByHouse, folder_.path());
      ASSERT_EQ(saved.outcome, SaveOutcome::kSaved) << prompter().LastText().toStdString();
    }
  }

  static std::vector<OverviewCompany> Overview() {
    auto overview = MonthOverview(client(), prompter(), kMonth);
    EXPECT_TRUE(overview);
    return overview.value_or(std::vector<OverviewCompany>{});
  }

  static const OverviewCompany& Row(const std::vector<OverviewCompany>& rows, const QString& cf) {
    for (const OverviewCompany& row : rows) {
      if (row.cf == cf) return row;
    }
    static const OverviewCompany none;
    ADD_FAILURE() << "no row for " << cf.toStdString();
    return none;
  }

  QTemporaryDir folder_;
};
