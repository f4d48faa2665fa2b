// A month typed straight through, as a date is: the full month moves the typing on to the
// year, on every form that asks for a month.
#include <QApplication>
#include <QLineEdit>
#include <functional>
#include <memory>
#include <string_view>

#include "screens/health/c_report_month_dialog.h"
#include "screens/leave/c_declaration_dialog.h"
#include "support/register_fixture.h"

namespace {

class MonthTypingTest : public RegisterTest {};

TEST_F(MonthTypingTest, AFullMonthMovesOnToTheYear) {
  struct Form {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> open;
  };
  const Form forms[] = {
      {"Pasul 1", [] { return std::make_unique<CReportMonthDialog>(nullptr, prompter(), 0); }},
      {"Adauga declaratie",
       [] {
         return std::make_unique<CDeclarationDialog>(nullptr, client(), prompter(),
                                                     CRecordForm::Mode::kAdd, kCui);
       }},
  };
  struct Typed {
    const char* keys;
    const char* month;
    const char* year;
  };
  const Typed typings[] = {{"062009", "06", "2009"}, {"122010", "12", "2010"}, {"6", "6", ""}};
  AddCompany(kCui, QStringLiteral("ALFA SRL"));
  for (const Form& form : forms) {
    for (const Typed& typed : typings) {
      const std::unique_ptr<QWidget> window = form.open();
      window->show();
      QApplication::setActiveWindow(window.get());
      auto* month = window->findChild<QLineEdit*>(QStringLiteral("luna"));
      auto* year = window->findChild<QLineEdit*>(QStringLiteral("an"));
      ASSERT_TRUE(month != nullptr && year != nullptr) << form.name;
      month->clear();
      year->clear();
      month->setFocus();
      for (const char key : std::string_view(typed.keys)) {
        QTest::keyClick(QApplication::focusWidget(), key);
      }
      EXPECT_EQ(month->text(), QLatin1String(typed.month)) << form.name << " " << typed.keys;
      EXPECT_EQ(year->text(), QLatin1String(typed.year)) << form.name << " " << typed.keys;
    }
  }
}

}  // namespace
