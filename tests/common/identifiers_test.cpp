#include <gtest/gtest.h>

#include "common/identifiers.h"

namespace {

struct Case {
  const char* text;
  bool valid;
};

std::string Show(const char* text) { return std::string("\"") + text + "\""; }

TEST(CheckCnp, ControlDigitAndShape) {
  const Case cases[] = {
      {"1800101420010", true},
      {"2960529460014", true},
      {"2960529460015", false},  // wrong control digit
      {"1850315400071", true},   // weighted sum modulo 11 is 10: control digit 1
      {"1850315400070", false},  // … and not 0
      {"0000000000000", false},
      {"180010142001", false},    // 12 digits
      {"18001014200100", false},  // 14 digits
      {"", false},
      // A blank or letter must not count as the digit 0.
      {"1 00000000002", false},
      {"18001014200A0", false},
      {"-800101420010", false},
      {" 800101420010", false},
      {"１800101420010", false},  // full-width digit one
  };
  for (const Case& c : cases)
    EXPECT_EQ(CheckCnp(QString::fromUtf8(c.text)), c.valid) << Show(c.text);
}

TEST(CheckCui, SignificantDigitsAndControl) {
  const Case cases[] = {
      {"14399840", true},
      {"18547290", true},
      {"1590082", true},
      {"4221306", true},
      {"4221307", false},
      {"60", true},  // weighted sum × 10 modulo 11 is 10: control digit 0
      {"61", false},
      {"0014399840", true},  // leading zeros do not count
      {"  14399840 ", true},
      {"000000000014399840", true},
      {"6", false},  // a single digit
      {"0", false},
      {"", false},
      {"1234567897", false},  // 10 significant digits
      {"123456789012", false},
      {"1800101420010", true},  // a CNP of a person-run business
      {"1800101420011", false},
      {"RO14399840", false},  // no prefix
      {"143 99840", false},
      {"1439984O", false},  // letter O for zero
  };
  for (const Case& c : cases)
    EXPECT_EQ(CheckCui(QString::fromUtf8(c.text)), c.valid) << Show(c.text);
}

TEST(CheckIban, CheckDigitsOfRomanianAccounts) {
  const Case cases[] = {
      {"RO49AAAA1B31007593840000", true},
      {"ro49aaaa1b31007593840000", true},  // any letter case
      {"RO66BACX0000001234567890", true},
      {"RO18TREZ7015069XXX001234", true},
      {"RO49AAAA1B31007593840001", false},
      {"RO94AAAA1B31007593840000", false},  // check digits swapped
      {"RO49 AAAA1B3100759384000", false},  // a blank inside, still 24 characters
      {"RO49AAAA1B310075938400000", false},
      {"RO49AAAA1B3100759384000", false},
      {"", false},
      {"RO49AAAA1B3100759384000[", false},  // "[" is not a letter
      {"RO49ĂAAA1B31007593840000", false},
      // Letters that upper-case to Latin ones are still not Latin letters.
      {"RO95BANKI943308788346765", true},
      {"RO95BANKı943308788346765", false},
      {"RO64BASK0000001234567890", true},
      {"RO64BAſK0000001234567890", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CheckIban(QString::fromUtf8(c.text)), c.valid) << Show(c.text);
}

TEST(PadLeft, ZerosInFrontUpToTheWidth) {
  EXPECT_EQ(PadLeft(QStringLiteral("6"), 2), QStringLiteral("06"));
  EXPECT_EQ(PadLeft(QStringLiteral("12"), 2), QStringLiteral("12"));
  EXPECT_EQ(PadLeft(QStringLiteral("2009"), 2), QStringLiteral("2009"));
  EXPECT_EQ(PadLeft(QString(), 3), QStringLiteral("000"));
}

TEST(StripLeadingZeros, KeepsTheLastCharacter) {
  const std::pair<const char*, const char*> cases[] = {
      {"0014", "14"}, {"000", "0"}, {"0", "0"},     {"", ""},    {" ", ""},
      {"  ", "  "},   {"0 ", " "},  {"100", "100"}, {"0a", "a"},
  };
  for (const auto& [text, stripped] : cases) {
    EXPECT_EQ(StripLeadingZeros(QLatin1String(text)), QLatin1String(stripped)) << Show(text);
  }
}

}  // namespace
