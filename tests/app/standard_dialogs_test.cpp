// Qt's own dialogs, opened the way the program opens them, speak Romanian once the program's
// translation is installed: every text a user or a screen reader meets on them changes,
// except the few that read the same in both languages.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTimer>
#include <functional>

#include "app/dialog_translation.h"
#include "print/print_surface.h"
#include "ui/print_dialog.h"
#include "ui/qt_prompter.h"

namespace {

using Texts = QSet<QString>;

// Lists of names that come from the printer or are names of paper the world over.
bool DeviceList(const QObject& object) {
  static const QSet<QString> names = {"printers", "pageSizeCombo", "paperSource"};
  return names.contains(object.objectName());
}

void Add(Texts& texts, const QString& text) {
  // Numbers, paths and marks carry no language.
  static const QRegularExpression word(QStringLiteral("[A-Za-z]{2}"));
  if (!text.startsWith(u'/') && word.match(text).hasMatch()) texts.insert(text);
}

// What the window shows: titles, captions, entries, tips and what a screen reader says.
Texts WindowTexts(QWidget& window) {
  Texts texts;
  Add(texts, window.windowTitle());
  for (QObject* object : window.findChildren<QObject*>()) {
    if (auto* widget = qobject_cast<QWidget*>(object)) {
      for (const QString& text : {widget->toolTip(), widget->accessibleName(),
                                  widget->accessibleDescription(), widget->windowTitle()}) {
        Add(texts, text);
      }
    }
    if (auto* label = qobject_cast<QLabel*>(object)) Add(texts, label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(object)) Add(texts, button->text());
    if (auto* group = qobject_cast<QGroupBox*>(object)) Add(texts, group->title());
    if (auto* action = qobject_cast<QAction*>(object)) Add(texts, action->text());
    if (auto* tabs = qobject_cast<QTabWidget*>(object)) {
      for (int tab = 0; tab < tabs->count(); ++tab) Add(texts, tabs->tabText(tab));
    }
    if (auto* list = qobject_cast<QComboBox*>(object); list != nullptr && !DeviceList(*list)) {
      for (int entry = 0; entry < list->count(); ++entry) Add(texts, list->itemText(entry));
    }
    if (auto* view = qobject_cast<QAbstractItemView*>(object); view && view->model()) {
      for (int column = 0; column < view->model()->columnCount(); ++column) {
        Add(texts, view->model()->headerData(column, Qt::Horizontal).toString());
      }
    }
  }
  return texts;
}

// Runs `open`, which shows a modal dialog, and reads the dialog's texts before closing it.
Texts ModalTexts(const std::function<void()>& open,
                 const std::function<void(QDialog&, Texts&)>& inside = {}) {
  Texts texts;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    texts = WindowTexts(*dialog);
    if (inside) inside(*dialog, texts);
    dialog->reject();
  });
  open();
  return texts;
}

// The print dialog on its PDF file, whatever printers the machine has, and the printer
// properties it opens.
Texts PrintDialogTexts() {
  const PrinterChooser choose = DialogPrinterChooser(nullptr);
  return ModalTexts([&] { static_cast<void>(choose(PageOrientation::Portrait, true)); },
                    [](QDialog& dialog, Texts& texts) {
                      auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
                      if (printers != nullptr) printers->setCurrentIndex(printers->count() - 1);
                      texts += WindowTexts(dialog);
                      auto* properties =
                          dialog.findChild<QAbstractButton*>(QStringLiteral("properties"));
                      if (properties == nullptr || !properties->isEnabled()) return;
                      texts += ModalTexts([properties] { properties->click(); });
                    });
}

Texts AllDialogTexts() {
  QtPrompter prompter;
  Texts texts = ModalTexts(
      [&] { prompter.ChooseFile(QStringLiteral("Fisier dbf  (*.dbf)"), QDir::tempPath()); });
  texts += ModalTexts([&] { prompter.ChooseFolder(QStringLiteral("Alege"), QDir::tempPath()); });
  texts += PrintDialogTexts();
  return texts;
}

TEST(StandardDialogs, SpeakRomanianOnceTheTranslationIsInstalled) {
  const Texts english = AllDialogTexts();
  ASSERT_TRUE(english.contains(QStringLiteral("Look in:")));
  ASSERT_TRUE(english.contains(QStringLiteral("Print range")));
  ASSERT_TRUE(InstallDialogTranslation());
  const Texts romanian = AllDialogTexts();
  EXPECT_TRUE(romanian.contains(QStringLiteral("Cauta in:")));
  EXPECT_TRUE(romanian.contains(QStringLiteral("Ce se tipareste")));
  // Read the same in Romanian; the dialog's own title and filter are the program's.
  const Texts same = {"OK",
                      "Color",
                      "Standard",
                      "Secret",
                      "Confidential",
                      "Cicero (CC)",
                      "Didot (DD)",
                      "Pica (P\u0338)",
                      "mm",
                      "Alege",
                      "Deschide fisier",
                      "Fisier dbf  (*.dbf)",
                      "Fisier dbf (*.dbf)"};
  QStringList untranslated = (english & romanian).subtract(same).values();
  untranslated.sort();
  EXPECT_EQ(untranslated.join(QStringLiteral(" | ")).toStdString(), "");
}

}  // namespace
