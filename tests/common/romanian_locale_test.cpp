#include <gtest/gtest.h>

#include <QBuffer>
#include <clocale>
#include <cstdio>
#include <locale>
#include <string>

#include "common/amounts.h"
#include "common/number_texts.h"
#include "dbf/dbf_file.h"
#include "dbf_test_files.h"

namespace {

// Switches the C and C++ locales to Romanian for one scope.
class RomanianLocale {
 public:
  RomanianLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
    active_ = std::setlocale(LC_ALL, "ro_RO.UTF-8") != nullptr;
    if (active_) previousGlobal_ = std::locale::global(std::locale("ro_RO.UTF-8"));
  }
  ~RomanianLocale() {
    std::setlocale(LC_ALL, previous_.c_str());
    if (active_) std::locale::global(previousGlobal_);
  }
  bool active() const { return active_; }

 private:
  std::string previous_;
  std::locale previousGlobal_;
  bool active_ = false;
};

// Everything this code writes or reads as a number, in one text.
QString NumberTexts() {
  QStringList texts;
  for (const double x : {5.2, 1234.5, -0.75, 1e9 + 0.25}) {
    texts << FormatDecimal(x, 2, false) << FormatDecimal(x, 1, true) << FormatInteger(x)
          << QString::number(RoundLei(x));
  }
  texts << FormatThousands(QStringLiteral("1234567.5")) << IntegerText(-4500, true)
        << QString::number(LeadingDecimal(QStringLiteral("12.5kg")))
        << QString::number(ContributionRate(200906, RatePayer::kEmployer));
  return texts.join(u'|');
}

QByteArray WrittenTable() {
  DbfFile table;
  table.AddField(QStringLiteral("SALARIU"), QStringLiteral("N"), 12);
  table.AddField(QStringLiteral("NUME"), QStringLiteral("C"), 10);
  ListModel list;
  dbf_test::Fill(list, {"SALARIU", "NUME"},
                 {{FormatDecimal(1234.5, 2, false), "Ştefan"}, {FormatInteger(55.9), "Ţuţea"}});
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(table.WriteDbf(buffer, list, QDate(2009, 6, 4)));
  return buffer.data();
}

TEST(RomanianLocale, NumberTextsAndFilesDoNotChange) {
  const QString texts = NumberTexts();
  const QByteArray file = WrittenTable();
  EXPECT_TRUE(
      file.contains(" 1234.50     \xAAtefan     55          \xDEu\xFE"
                    "ea     \x1A"));

  RomanianLocale romanian;
  if (!romanian.active()) {
    GTEST_SKIP() << "locale ro_RO.UTF-8 is not generated (scripts/setup-deps.sh generates it)";
  }
  // The locale is really in force: the C library now writes a decimal comma.
  char printed[16];
  std::snprintf(printed, sizeof printed, "%.1f", 5.2);
  ASSERT_STREQ(printed, "5,2");

  EXPECT_EQ(NumberTexts(), texts);
  EXPECT_EQ(WrittenTable(), file);
}

}  // namespace
