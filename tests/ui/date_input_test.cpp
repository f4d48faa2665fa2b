#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include "common/dates.h"
#include "support/form_driver.h"
#include "support/print_to.h"
#include "ui/c_date_input.h"

namespace {

QLineEdit* Part(CDateInput& input, const char* part) {
  return input.findChild<QLineEdit*>(QStringLiteral("data_") + QLatin1String(part));
}

TEST(DateInput, ValueIsTheDateAsTypedAndZeroOnlyWhenEmpty) {
  struct Case {
    QString day, month, year;
    int value;
    bool date;  // what the forms' CheckDate says
  };
  const Case cases[] = {
      {"", "", "", 0, false},
      {"4", "6", "2009", 20090604, true},
      {"04", "06", "2009", 20090604, true},
      {"29", "02", "2008", 20080229, true},
      {"29", "02", "2009", 20090229, false},
      {"29", "02", "2000", 20000229, true},
      {"29", "02", "1900", 19000229, false},
      {"31", "04", "2009", 20090431, false},
      // Partly filled dates never read as "no date".
      {"15", "", "", 15, false},
      {"", "06", "", 600, false},
      {"", "", "2009", 20090000, false},
      {"15", "06", "", 615, false},
      {"0", "", "", CDateInput::kZerosTyped, false},
      {"00", "00", "0000", CDateInput::kZerosTyped, false},
  };
  for (const Case& c : cases) {
    CDateInput input(QStringLiteral("data"));
    Retype(input, "data_zi", c.day);
    Retype(input, "data_luna", c.month);
    Retype(input, "data_an", c.year);
    const QString typed = c.day + u'-' + c.month + u'-' + c.year;
    EXPECT_EQ(input.Value(), c.value) << typed;
    EXPECT_EQ(CheckDate(input.Day(), input.Month(), input.Year()), c.date) << typed;
  }
}

TEST(DateInput, ADateTypedStraightThroughFillsTheThreeParts) {
  CDateInput input(QStringLiteral("data"));
  input.show();
  QApplication::setActiveWindow(&input);
  Part(input, "zi")->setFocus();
  for (const QChar c : QStringLiteral("01032009")) {
    QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
  }
  EXPECT_EQ(input.Value(), 20090301);
}

TEST(DateInput, TakesOnlyDigitsUpToTheWidthOfEachPart) {
  CDateInput input(QStringLiteral("data"));
  EXPECT_EQ(CDateInput::Hint(), QStringLiteral("ZZ-LL-AAAA"));
  Retype(input, "data_zi", QStringLiteral("1a2"));
  Retype(input, "data_luna", QStringLiteral("123"));
  Retype(input, "data_an", QStringLiteral("2o09x1"));
  EXPECT_EQ(input.Day(), QStringLiteral("12"));
  EXPECT_EQ(input.Month(), QStringLiteral("12"));
  EXPECT_EQ(input.Year(), QStringLiteral("2091"));
  // Pasted text with letters is refused whole; digits are taken.
  const std::tuple<const char*, QString, QString> pasted[] = {
      {"zi", "0a", ""}, {"luna", "o6", ""}, {"an", "2009", "2009"}, {"zi", "07", "07"}};
  for (const auto& [part, text, kept] : pasted) {
    QLineEdit* edit = Part(input, part);
    ASSERT_NE(edit, nullptr) << part;
    edit->clear();
    QApplication::clipboard()->setText(text);
    edit->paste();
    EXPECT_EQ(edit->text(), kept) << part << " " << text;
  }
}

TEST(DateInput, ShowsAStoredDateAndReadsItBack) {
  CDateInput input(QStringLiteral("data"));
  input.SetValue(20090604);
  EXPECT_EQ(QStringList({input.Day(), input.Month(), input.Year()}),
            QStringList({"04", "06", "2009"}));
  EXPECT_EQ(input.Value(), 20090604);
  input.SetValue(0);
  EXPECT_EQ(input.Value(), 0);
  EXPECT_TRUE(input.Day().isEmpty() && input.Month().isEmpty() && input.Year().isEmpty());
}

}  // namespace
