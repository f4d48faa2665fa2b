#pragma once

#include <QDialog>
#include <QPointer>
#include <QTextBlock>
#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QPrinter;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

// "Manualul de utilizare": the manual embedded in the program, with its contents, a search
// and printing. It is not modal: it stays usable beside the window it was opened over, and
// when that window closes it moves over the modal window under it.
class CManualWindow : public QDialog {
  Q_OBJECT

 public:
  // The printer a print goes to; none when the user cancelled.
  using TextPrinterChooser = std::function<std::unique_ptr<QPrinter>(QWidget* parent)>;

  explicit CManualWindow(QWidget* host = nullptr);

  static QString Title() { return QStringLiteral("Manualul de utilizare"); }

  // Puts the heading of this section at the top of the text and the cursor on it; the start
  // of the manual when the heading is empty or not in the manual (false then).
  bool GoToSection(const QString& heading);
  // Selects the next (or previous) place of the text after the cursor, going round the
  // manual once; false, with a note beside the search box, when it is nowhere.
  bool Find(const QString& text, bool backward = false);
  // Prints the manual on the printer the chooser gives (the print dialog by default).
  void Print();
  void SetTextPrinterChooser(TextPrinterChooser chooser) { choosePrinter_ = std::move(chooser); }

  // Makes `host` the window this one stays over and closes with; none: a window of its own.
  void StayOver(QWidget* host);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildWindow();
  void FillContents();
  void ScrollToBlock(const QTextBlock& block);
  void ShowContentsEntry(const QTextBlock& block);
  void FindFromBox(bool backward);
  void HostHidden();

  QTreeWidget* contents_ = nullptr;
  QTextBrowser* text_ = nullptr;
  QLineEdit* search_ = nullptr;
  QLabel* searchNote_ = nullptr;
  QPointer<QWidget> host_;
  TextPrinterChooser choosePrinter_;
  bool placed_ = false;  // shown once: its place and size are the user's from then on
};
