#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>
#include <functional>

#include "app/c_info_dialog.h"
#include "app/c_main_menu_dialog.h"
#include "store/schema/schema.h"
#include "support/form_driver.h"
#include "support/pdf_reader.h"
#include "support/print_to.h"
#include "support/test_server.h"
#include "ui/c_manual_window.h"
#include "ui/c_panel_dialog.h"
#include "ui/manual.h"
#include "ui/manual_sections.h"
#include "ui/modal.h"

namespace {

const QString kManualStart = QStringLiteral("Velka Asigurati - manualul utilizatorului");

// What the manual shows: the heading at the top of its text, the block of its cursor and the
// entry chosen in its contents.
struct ManualView {
  bool visible = false;
  QString top;
  QString cursor;
  QString contents;
};

QTextBrowser& Text(CManualWindow& manual) {
  auto* text = manual.findChild<QTextBrowser*>(QStringLiteral("manualText"));
  EXPECT_NE(text, nullptr);
  return *text;
}

ManualView Look() {
  CManualWindow* manual = ManualWindow();
  if (manual == nullptr) return {};
  QTextBrowser& text = Text(*manual);
  const QTextBlock top = text.cursorForPosition(QPoint(10, 2)).block();
  const QTreeWidgetItem* entry =
      manual->findChild<QTreeWidget*>(QStringLiteral("manualContents"))->currentItem();
  return {manual->isVisible(),
          top.blockFormat().headingLevel() > 0 ? top.text() : QStringLiteral("<text>"),
          text.textCursor().block().text(), entry != nullptr ? entry->text(0) : QString()};
}

// Keys sent to a window as the window system sends them: a window blocked by a modal one
// never gets them.
void TypeInto(QWidget& window, const QString& text) {
  for (const QChar letter : text) QTest::keyClick(window.windowHandle(), letter.toLatin1());
}

// The program as it runs: the main menu is modal, every form opened over it too.
class ManualTest : public ::testing::Test {
 public:
  void SetUp() override {
    TestServer::Instance().UpgradeOnce();
    InstallManualKey();
    menu_ = std::make_unique<CMainMenuDialog>(
        &TestServer::Instance().Prompter(), [](CClient&) {}, &TestServer::Instance().Client());
    menu_->setWindowModality(Qt::ApplicationModal);
    menu_->show();
  }
  void TearDown() override {
    SetModalDriver(nullptr);
    delete ManualWindow();
    menu_.reset();
  }

  // Runs `inside` while the form that `open` opens is on the screen.
  void WithForm(const std::function<void()>& open, const std::function<void(QDialog&)>& inside) {
    bool reached = false;
    SetModalDriver([&](QDialog& form) {
      reached = true;
      inside(form);
    });
    open();
    SetModalDriver(nullptr);
    EXPECT_TRUE(reached);
  }
  CPanelDialog& Panel(CMainMenuDialog::Area area) {
    if (menu_->Panel(area) == nullptr) menu_->TogglePanel(area);
    return *menu_->Panel(area);
  }

  std::unique_ptr<CMainMenuDialog> menu_;
};

TEST_F(ManualTest, F1OpensTheManualAtTheSectionOfTheWindow) {
  struct Case {
    const char* where;
    std::function<void(ManualTest&, const std::function<void(QWidget&)>&)> reach;
    QString heading;
  };
  const auto panel = [](CMainMenuDialog::Area area) {
    return [area](ManualTest& test, const std::function<void(QWidget&)>& inside) {
      inside(test.Panel(area));
    };
  };
  const auto form = [](CMainMenuDialog::Area area, const char* button) {
    return [area, button](ManualTest& test, const std::function<void(QWidget&)>& inside) {
      CPanelDialog& owner = test.Panel(area);
      test.WithForm([&] { Click(owner, button); }, inside);
    };
  };
  const Case cases[] = {
      {"the health panel", panel(CMainMenuDialog::kHealth), QStringLiteral("Panoul Sanatate")},
      {"the import panel", panel(CMainMenuDialog::kImport),
       QStringLiteral("Panoul Import de date")},
      {"the company form", form(CMainMenuDialog::kHealth, "addCompany"),
       QStringLiteral("Formularul societatii")},
      {"the verification window", form(CMainMenuDialog::kImport, "verify"),
       QStringLiteral("Fereastra de verificare a fisierelor")},
      {"the information window",
       [](ManualTest& test, const std::function<void(QWidget&)>& inside) {
         test.WithForm([&] { Click(*test.menu_, "button1012"); }, inside);
       },
       QStringLiteral("Fereastra Informatii")},
      {"a window the manual does not name",
       [](ManualTest&, const std::function<void(QWidget&)>& inside) {
         QDialog plain;
         plain.setModal(true);
         plain.show();
         inside(plain);
       },
       kManualStart},
  };
  CManualWindow* first = nullptr;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.where);
    ManualView seen;
    c.reach(*this, [&seen](QWidget& window) {
      Press(window, Qt::Key_F1);
      seen = Look();
    });
    EXPECT_TRUE(seen.visible);
    EXPECT_EQ(seen.top, c.heading);
    EXPECT_EQ(seen.cursor, c.heading);
    EXPECT_EQ(seen.contents, c.heading);
    // One manual window, moved to each new section.
    if (first == nullptr) first = ManualWindow();
    EXPECT_EQ(ManualWindow(), first);
  }
}

TEST_F(ManualTest, TheManualCanBeUsedWhileAModalFormIsOpenAndOutlivesIt) {
  QString topBefore;
  const auto useManualOver = [&topBefore](QDialog& info) {
    ASSERT_EQ(QApplication::activeModalWidget(), &info);
    // The test's own control: an ordinary window is blocked by the modal form.
    QWidget blocked;
    auto* field = new QLineEdit(&blocked);
    blocked.show();
    field->setFocus();
    TypeInto(blocked, QStringLiteral("cnp"));
    EXPECT_EQ(field->text(), QString());

    Click(info, "manual");
    CManualWindow* manual = ManualWindow();
    ASSERT_NE(manual, nullptr);
    EXPECT_EQ(Look().top, kManualStart);
    auto* search = manual->findChild<QLineEdit*>(QStringLiteral("manualSearch"));
    search->setFocus();
    TypeInto(*manual, QStringLiteral("lichidarii"));
    QTest::keyClick(manual->windowHandle(), Qt::Key_Return);
    EXPECT_EQ(search->text(), QStringLiteral("lichidarii"));
    EXPECT_EQ(Text(*manual).textCursor().selectedText(), QStringLiteral("lichidarii"));
    topBefore = Look().top;
    Click(info, "close");
  };
  WithForm([&] { Click(*menu_, "button1012"); }, useManualOver);
  // The information window is gone; the manual stands over the menu now, where it was.
  ASSERT_NE(ManualWindow(), nullptr);
  EXPECT_TRUE(ManualWindow()->isVisible());
  EXPECT_EQ(ManualWindow()->parentWidget(), menu_.get());
  EXPECT_NE(topBefore, kManualStart);
  EXPECT_EQ(Look().top, topBefore);
}

// The manual's print dialog is modal and belongs to the manual: F1 there, or over it through
// the buttons, keeps the manual where it is instead of putting it under its own dialog.
TEST_F(ManualTest, AWindowOpenedFromTheManualNeverBecomesItsHost) {
  CManualWindow& manual = ShowManual(QStringLiteral("Linia de comanda"));
  QWidget* host = manual.parentWidget();
  QDialog printDialog(&manual);
  printDialog.setModal(true);
  printDialog.show();
  Press(printDialog, Qt::Key_F1);
  ShowManual(QStringLiteral("Panoul Sanatate"));
  EXPECT_EQ(manual.parentWidget(), host);
  EXPECT_TRUE(manual.isVisible());
  EXPECT_EQ(Look().top, QStringLiteral("Panoul Sanatate"));
}

TEST_F(ManualTest, TheButtonsThatPointToTheManualOpenItAtTheirSection) {
  struct Case {
    const char* where;
    std::function<void(ManualTest&)> press;
    QString heading;
  };
  const Case cases[] = {
      {"the information window",
       [](ManualTest& test) {
         test.WithForm([&] { Click(*test.menu_, "button1012"); },
                       [](QDialog& info) { Click(info, "manual"); });
       },
       kManualStart},
      {"the import panel",
       [](ManualTest& test) { Click(test.Panel(CMainMenuDialog::kImport), "manualLayouts"); },
       QStringLiteral("Formatul fisierelor de import")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.where);
    delete ManualWindow();
    c.press(*this);
    const ManualView seen = Look();
    EXPECT_TRUE(seen.visible);
    EXPECT_EQ(seen.top, c.heading);
    EXPECT_EQ(seen.cursor, c.heading);
  }
}

TEST_F(ManualTest, SearchFindsWordsGoingRoundTheManual) {
  CManualWindow& manual = ShowManual();
  QTextBrowser& text = Text(manual);
  const auto* note = manual.findChild<QLabel*>(QStringLiteral("manualSearchNote"));
  struct Case {
    QString typed;
    bool backward;
    bool found;
    QString selected;
    QString note;
  };
  const Case cases[] = {
      {QStringLiteral("srv_embedded.cfg"), false, true, QStringLiteral("srv_embedded.cfg"), {}},
      {QStringLiteral("CASATORIE"), false, false, {}, QStringLiteral("Textul nu apare in manual.")},
      // Typed with diacritics, found without; any case.
      {QStringLiteral("ASIGURAȚII"), false, true, QStringLiteral("asiguratii"), {}},
      // From the start, backwards: round to the last place.
      {QStringLiteral("Lucrul in masa"), true, true, QStringLiteral("Lucrul in masa"),
       QStringLiteral("Cautarea a reluat de la sfarsitul manualului.")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    manual.GoToSection({});
    const int before = text.textCursor().position();
    EXPECT_EQ(manual.Find(c.typed, c.backward), c.found);
    EXPECT_EQ(text.textCursor().selectedText().toLower(), c.selected.toLower());
    EXPECT_EQ(note->text(), c.note);
    if (!c.found) {
      EXPECT_EQ(text.textCursor().position(), before);
    }
  }
  // Again from where the cursor is: the next place, then round to the first one.
  manual.GoToSection({});
  ASSERT_TRUE(manual.Find(QStringLiteral("srv_embedded.cfg")));
  const int firstPlace = text.textCursor().position();
  int places = 1;
  while (manual.Find(QStringLiteral("srv_embedded.cfg")) && note->text().isEmpty()) {
    EXPECT_GT(text.textCursor().position(), firstPlace);
    ++places;
  }
  EXPECT_GT(places, 2);
  EXPECT_EQ(text.textCursor().position(), firstPlace);
  EXPECT_EQ(note->text(), QStringLiteral("Cautarea a reluat de la inceputul manualului."));

  // Enter in the box searches, Shift+Enter searches backwards.
  auto* search = manual.findChild<QLineEdit*>(QStringLiteral("manualSearch"));
  search->setText(QStringLiteral("Comanda verifica"));
  manual.GoToSection({});
  QTest::keyClick(search, Qt::Key_Return);
  const int forward = text.textCursor().position();
  EXPECT_EQ(text.textCursor().selectedText(), QStringLiteral("Comanda verifica"));
  QTest::keyClick(search, Qt::Key_Return);
  QTest::keyClick(search, Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_EQ(text.textCursor().position(), forward);
}

TEST_F(ManualTest, PrintsTheWholeManualOnTheChosenPrinter) {
  SKIP_WITHOUT_PDF_READER();
  QTemporaryDir folder;
  const QString pdf = folder.filePath(QStringLiteral("manual.pdf"));
  CManualWindow& manual = ShowManual();
  int asked = 0;
  manual.SetTextPrinterChooser([&](QWidget*) -> std::unique_ptr<QPrinter> {
    ++asked;
    return nullptr;  // cancelled
  });
  Click(manual, "manualPrint");
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(QFile::exists(pdf));

  manual.SetTextPrinterChooser([&](QWidget*) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdf);
    return printer;
  });
  Click(manual, "manualPrint");
  const QString info = PdfInfo(pdf);
  EXPECT_TRUE(info.contains(QStringLiteral("Manualul de utilizare"))) << info.toStdString();
  // The printed "fi" is one ligature glyph.
  const QString printed = PdfText(pdf).normalized(QString::NormalizationForm_KC).simplified();
  QFile::copy(pdf, QStringLiteral("/tmp/manual-debug.pdf"));
  for (const QString& heading : {kManualStart, QStringLiteral("Formatul fisierelor de import"),
                                 QStringLiteral("Lucrul in masa si siguranta datelor")}) {
    EXPECT_TRUE(printed.contains(heading)) << heading.toStdString();
  }
}

// A heading renamed in the manual and not in its map would send F1 to the manual's start.
TEST(ManualSections, EveryHeadingTheMapNamesIsInTheManual) {
  const ManualSectionMap& map = ManualSections();
  EXPECT_GE(map.size(), 30);
  EXPECT_EQ(map.value(QStringLiteral("CImportMenuDialog")),
            QStringLiteral("Panoul Import de date"));
  CManualWindow manual;
  for (auto entry = map.cbegin(); entry != map.cend(); ++entry) {
    EXPECT_TRUE(manual.GoToSection(entry.value())) << entry.key().toStdString();
  }
  EXPECT_FALSE(manual.GoToSection(QStringLiteral("Nu exista")));
  EXPECT_FALSE(manual.GoToSection({}));
}

}  // namespace
