#pragma once

#include <gtest/gtest.h>

#include <ostream>

#include "print/print_recording.h"
#include "print/report_printer.h"
#include "support/scripted_prompter.h"

inline void PrintTo(const PrintRect& r, std::ostream* os) {
  *os << r.left << ',' << r.top << '-' << r.right << ',' << r.bottom;
}
inline void PrintTo(const PrintPoint& p, std::ostream* os) { *os << p.x << ',' << p.y; }

// A printer whose dialog answers from the script: a recording device of the given size, a
// cancelled dialog or no printer at all.
class RecordingPrinterTest : public ::testing::Test {
 protected:
  ReportPrinter& Printer() { return printer_; }
  const PrintRecord& Record() const { return record_; }
  ScriptedPrompter& Prompts() { return prompter_; }

  void AnswerWith(PrinterChoice::Outcome outcome) { outcome_ = outcome; }
  void UseDevice(QSize portraitPixels) { pixels_ = portraitPixels; }
  void RefuseDocuments() { refuseDocuments_ = true; }
  int TimesAsked() const { return asked_; }
  bool LastAskUser() const { return lastAskUser_; }

  // A job with its document started and a first page begun.
  void OpenPage(PageOrientation orientation = PageOrientation::Portrait) {
    ASSERT_TRUE(printer_.BeginJob(orientation, true));
    ASSERT_TRUE(printer_.StartDocument(QStringLiteral("test")));
    printer_.NewPage(QStringLiteral("2.06 (2009.06.04)"));
  }

  std::vector<PrintItem> Items(PrintItem::Kind kind) const {
    std::vector<PrintItem> found;
    for (const PrintItem& item : record_.items) {
      if (item.kind == kind) found.push_back(item);
    }
    return found;
  }

 private:
  PrinterChoice Choose(bool askUser) {
    ++asked_;
    lastAskUser_ = askUser;
    if (outcome_ != PrinterChoice::Outcome::Device) return {outcome_, nullptr};
    if (refuseDocuments_) return PrinterChoice::Of(std::make_unique<Refusing>(&record_, pixels_));
    return PrinterChoice::Of(std::make_unique<RecordingSurface>(&record_, pixels_));
  }

  // A device that opens but will not take a document (a print-to-file that cannot be written).
  class Refusing : public RecordingSurface {
   public:
    using RecordingSurface::RecordingSurface;
    bool StartDocument(const QString&) override { return false; }
  };

  PrintRecord record_;
  ScriptedPrompter prompter_;
  PrinterChoice::Outcome outcome_ = PrinterChoice::Outcome::Device;
  QSize pixels_{4960, 7016};
  bool refuseDocuments_ = false;
  int asked_ = 0;
  bool lastAskUser_ = false;
  ReportPrinter printer_{&prompter_,
                         [this](PageOrientation, bool askUser) { return Choose(askUser); }};
};

inline const QString kFooterVersion = QStringLiteral("2.06 (2009.06.04)");
inline const QString kFooterText = QStringLiteral("Velka Asigurati 2.06 (2009.06.04)");
