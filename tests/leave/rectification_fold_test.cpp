#include <random>

#include "leave_test_support.h"

namespace {

constexpr char kAna[] = "2800404221145";
constexpr char kIon[] = "1800101221144";

// The one group a case leaves with certificates (-1: none).
struct Expected {
  double j;
  int group;
  IndemnityGroup figures;
};

void ExpectFold(const char* what, const std::vector<MonthEntry>& month, int upTo,
                const Expected& expected) {
  const ReplayTotals totals = FoldCertificates(UpTo(month, upTo));
  EXPECT_DOUBLE_EQ(totals.benefits, expected.j) << what << " up to " << upTo;
  for (int group = 0; group < kIndemnityGroupCount; ++group) {
    const IndemnityGroup wanted = group == expected.group ? expected.figures : IndemnityGroup{};
    EXPECT_EQ(totals.groups[static_cast<size_t>(group)], wanted)
        << what << " up to " << upTo << ", G" << group + 1;
  }
}

TEST(RectificationFold, EachDeclarationSeesTheCertificatesInForceAfterIt) {
  const std::vector<MonthEntry> modifiedThenWithdrawn = {
      Entry(0, "", kIon, "CM", "1", 1, 10, 300), Entry(1, "M", kIon, "CM", "1", 1, 8, 200),
      Entry(1, "A", kAna, "CM", "2", 1, 4, 50), Entry(2, "S", kAna, "CM", "2", 1, 0, 0)};
  ExpectFold("300, M 200 + A 50, S", modifiedThenWithdrawn, 0, {300, 0, {1, 10, 5, 300}});
  ExpectFold("300, M 200 + A 50, S", modifiedThenWithdrawn, 1, {250, 0, {2, 12, 6, 250}});
  ExpectFold("300, M 200 + A 50, S", modifiedThenWithdrawn, 2, {200, 0, {1, 8, 4, 200}});

  struct Case {
    const char* what;
    std::vector<MonthEntry> month;
    Expected expected;
  };
  const Case cases[] = {
      {"M and S of a certificate reported nowhere",
       {Entry(0, "", kIon, "CM", "1", 1, 10, 300), Entry(1, "M", kIon, "CM", "9", 1, 2, 70),
        Entry(1, "S", kAna, "CM", "1", 1, 0, 0)},
       {300, 0, {1, 10, 5, 300}}},
      {"code 2 modified into code 8 moves the case from G1 to G3",
       {Entry(0, "", kIon, "CM", "1", 2, 10, 300), Entry(1, "M", kIon, "CM", "1", 8, 20, 500)},
       {500, 2, {1, 20, 10, 500}}},
      {"declarations without certificates count nothing",
       {Entry(0, "", "", "", "", 0, 0, 0), Entry(1, "A", kIon, "CM", "1", 9, 6, 120),
        Entry(2, "", "", "", "", 0, 0, 0)},
       {120, 3, {1, 6, 3, 120}}},
      {"an entry without a CNP counts toward J, not toward a group",
       {Entry(0, "", "", "CM", "5", 1, 10, 300), Entry(1, "A", "", "CM", "6", 2, 4, 40),
        Entry(1, "A", kIon, "CM", "1", 9, 6, 120)},
       {460, 3, {1, 6, 3, 120}}},
      {"an entry without a CNP is modified and withdrawn like any other",
       {Entry(0, "", "", "CM", "5", 1, 10, 300), Entry(1, "M", "", "CM", "5", 1, 4, 100),
        Entry(1, "A", "", "CM", "6", 1, 2, 50), Entry(2, "S", "", "CM", "6", 1, 0, 0)},
       {100, -1, {}}},
      {"a withdrawn certificate is withdrawn once",
       {Entry(0, "A", kIon, "CM", "1", 1, 10, 300), Entry(1, "S", kIon, "CM", "1", 1, 0, 0),
        Entry(2, "S", kIon, "CM", "1", 1, 0, 0)},
       {0, -1, {}}},
      {"an M after an S reports the certificate again",
       {Entry(0, "A", kIon, "CM", "1", 1, 10, 300), Entry(1, "S", kIon, "CM", "1", 1, 0, 0),
        Entry(2, "M", kIon, "CM", "1", 8, 5, 200)},
       {200, 2, {1, 5, 2, 200}}},
      {"an M after an M that found nothing counts once",
       {Entry(0, "M", kIon, "CM", "1", 1, 4, 100), Entry(1, "M", kIon, "CM", "1", 1, 6, 200)},
       {200, 0, {1, 6, 3, 200}}},
      {"series and number match whatever their case and blanks",
       {Entry(0, "", kIon, "ab", " 12", 15, 10, 300), Entry(1, "M", kIon, "AB ", "12", 15, 8, 90)},
       {90, 4, {1, 8, 4, 90}}},
      {"the CNP must match exactly",
       {Entry(0, "", kIon, "AB", "12", 7, 10, 300),
        Entry(1, "S", "180010122114", "AB", "12", 7, 0, 0)},
       {300, 1, {1, 10, 5, 300}}},
  };
  for (const Case& c : cases) ExpectFold(c.what, c.month, 2, c.expected);
}

// Whatever the order of additions, modifications and withdrawals of a few certificates, no
// group ever holds fewer than nothing, and J is what the groups hold.
TEST(RectificationFold, NoGroupEverFallsBelowNothing) {
  const char* const types[] = {"", "A", "M", "S"};
  const char* const numbers[] = {"1", "2", "3"};
  std::mt19937 random(16);
  for (int month = 0; month < 300; ++month) {
    std::vector<CertificateEntry> entries;
    for (int step = 0; step < 12; ++step) {
      const int type = static_cast<int>(random() % 4);
      entries.push_back(Entry(0, types[type], kIon, "CM", numbers[random() % 3],
                              static_cast<int>(random() % 15) + 1, random() % 20,
                              type == 3 ? 0 : static_cast<double>(random() % 1000))
                            .entry);
      const ReplayTotals totals = FoldCertificates(entries);
      double groupSums = 0;
      for (const IndemnityGroup& group : totals.groups) {
        ASSERT_GE(group.cases, 0) << "month " << month << ", step " << step;
        ASSERT_GE(group.benefitDays, 0) << "month " << month << ", step " << step;
        ASSERT_GE(group.fnuassDays, 0) << "month " << month << ", step " << step;
        ASSERT_GE(group.fnuassSum, 0) << "month " << month << ", step " << step;
        groupSums += group.fnuassSum;
      }
      ASSERT_DOUBLE_EQ(totals.benefits, groupSums) << "month " << month << ", step " << step;
    }
  }
}

}  // namespace
