#include <gtest/gtest.h>

#include <QApplication>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QTimer>

#include "print/print_fixture.h"
#include "ui/print_dialog.h"

namespace {

// Answers the print dialog as soon as it shows; remembers whether it appeared at all. Its
// timers die with it, so a dialog that never came cannot be answered by a later test.
class DialogAnswer : public QObject {
 public:
  explicit DialogAnswer(bool accept) : accept_(accept) { Poll(); }
  bool Shown() const { return shown_; }

 private:
  void Poll() {
    QTimer::singleShot(10, this, [this] {
      auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) {
        if (++polls_ < 3000) Poll();
        return;
      }
      shown_ = true;
      accept_ ? dialog->accept() : dialog->reject();
    });
  }

  bool accept_;
  bool shown_ = false;
  int polls_ = 0;
};

TEST(PrintDialogTest, CancellingTheDialogEndsQuietly) {
  ScriptedPrompter prompter;
  ReportPrinter printer(&prompter, DialogPrinterChooser(nullptr));
  DialogAnswer answer(false);
  EXPECT_FALSE(printer.BeginJob(PageOrientation::Landscape, true));
  EXPECT_TRUE(answer.Shown());
  EXPECT_FALSE(printer.JobOpen());
  EXPECT_TRUE(prompter.Texts().isEmpty());
}

TEST(PrintDialogTest, WithoutAskingTheDefaultPrinterIsTaken) {
  ScriptedPrompter prompter;
  ReportPrinter printer(&prompter, DialogPrinterChooser(nullptr));
  const bool hasDefault = !QPrinterInfo::defaultPrinter().isNull();
  EXPECT_EQ(printer.BeginJob(PageOrientation::Portrait, false), hasDefault);
  EXPECT_EQ(prompter.Texts(),
            hasDefault ? QStringList() : QStringList{ReportPrinter::NoPrinterMessage()});
  printer.EndJob();
}

TEST(PrintDialogTest, AcceptedDialogOpensAJobInTheAskedOrientation) {
  for (const PageOrientation orientation :
       {PageOrientation::Landscape, PageOrientation::Portrait}) {
    ScriptedPrompter prompter;
    ReportPrinter printer(&prompter, DialogPrinterChooser(nullptr));
    DialogAnswer answer(true);
    ASSERT_TRUE(printer.BeginJob(orientation, true));
    EXPECT_TRUE(answer.Shown());
    const bool landscape = orientation == PageOrientation::Landscape;
    EXPECT_EQ(landscape ? printer.PageWidth() : printer.PageHeight(), 7000);
    const int shortSide = landscape ? printer.PageHeight() : printer.PageWidth();
    EXPECT_GT(shortSide, 4700);
    EXPECT_LT(shortSide, 5500);
    EXPECT_TRUE(prompter.Texts().isEmpty());
    printer.EndJob();  // no document was started: nothing is printed
  }
}

}  // namespace
