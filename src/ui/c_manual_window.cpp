#include "ui/c_manual_window.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <vector>

#include "ui/buttons.h"
#include "ui/manual_sections.h"
#include "ui/print_dialog.h"

namespace {

constexpr QSize kPreferredSize{1240, 700};
constexpr int kContentsWidth = 260;
constexpr int kBlockNumberRole = Qt::UserRole;

const QString kNotFound = QStringLiteral("Textul nu apare in manual.");
const QString kFromStart = QStringLiteral("Cautarea a reluat de la inceputul manualului.");
const QString kFromEnd = QStringLiteral("Cautarea a reluat de la sfarsitul manualului.");

// The manual is written without diacritics: a word typed with them is found all the same.
QString WithoutDiacritics(const QString& text) {
  QString plain;
  for (const QChar letter : text.normalized(QString::NormalizationForm_D)) {
    if (letter.category() != QChar::Mark_NonSpacing) plain.append(letter);
  }
  return plain;
}

// The commands quoted in the manual wrap like the text around them, and so does a long name
// or path: the text never needs a sideways scroll, whatever the window's width.
void WrapEveryLine(QTextBrowser& text) {
  text.setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  text.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QTextBlockFormat wrapped;
  wrapped.setNonBreakableLines(false);
  for (QTextBlock block = text.document()->begin(); block.isValid(); block = block.next()) {
    if (block.blockFormat().nonBreakableLines()) QTextCursor(block).mergeBlockFormat(wrapped);
  }
}

}  // namespace

CManualWindow::CManualWindow(QWidget* host) : QDialog(host), host_(host) {
  setObjectName(QStringLiteral("manualWindow"));
  setWindowTitle(Title());
  setWindowFlag(Qt::WindowMaximizeButtonHint);
  setModal(false);
  BuildWindow();
  text_->setMarkdown(ManualMarkdown());
  WrapEveryLine(*text_);
  FillContents();
  const QScreen* screen = host != nullptr ? host->screen() : QGuiApplication::primaryScreen();
  resize(kPreferredSize.boundedTo(screen->availableGeometry().size() - QSize(40, 60)));
  if (host != nullptr) host->installEventFilter(this);
}

void CManualWindow::BuildWindow() {
  search_ = new QLineEdit(this);
  search_->setObjectName(QStringLiteral("manualSearch"));
  search_->setPlaceholderText(QStringLiteral("cuvantul cautat"));
  search_->setClearButtonEnabled(true);
  search_->installEventFilter(this);
  auto* next = MakeButton(this, QStringLiteral("[F3]   Urmatorul"), "manualNext");
  auto* previous = MakeButton(this, QStringLiteral("Precedentul"), "manualPrevious");
  searchNote_ = new QLabel(this);
  searchNote_->setObjectName(QStringLiteral("manualSearchNote"));
  auto* print = MakeButton(this, QStringLiteral("Tipareste"), "manualPrint");
  auto* close = MakeButton(this, QStringLiteral("[ESC]   Iesire"), "manualClose");
  connect(next, &QPushButton::clicked, this, [this] { FindFromBox(false); });
  connect(previous, &QPushButton::clicked, this, [this] { FindFromBox(true); });
  connect(print, &QPushButton::clicked, this, &CManualWindow::Print);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* searchRow = new QHBoxLayout;
  auto* searchCaption = new QLabel(QStringLiteral("Cauta:"), this);
  searchCaption->setBuddy(search_);
  searchRow->addWidget(searchCaption);
  searchRow->addWidget(search_, 1);
  searchRow->addWidget(next);
  searchRow->addWidget(previous);
  searchRow->addWidget(searchNote_, 1);
  searchRow->addWidget(print);
  searchRow->addWidget(close);

  contents_ = new QTreeWidget(this);
  contents_->setObjectName(QStringLiteral("manualContents"));
  contents_->setHeaderHidden(true);
  contents_->setIndentation(14);
  text_ = new QTextBrowser(this);
  text_->setObjectName(QStringLiteral("manualText"));
  text_->setOpenLinks(false);  // nothing outside the program is ever opened
  auto* splitter = new QSplitter(this);
  splitter->addWidget(contents_);
  splitter->addWidget(text_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({kContentsWidth, kPreferredSize.width() - kContentsWidth});
  splitter->setChildrenCollapsible(false);
  connect(contents_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item != nullptr) {
      ScrollToBlock(text_->document()->findBlockByNumber(item->data(0, kBlockNumberRole).toInt()));
    }
  });
  connect(contents_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
    ScrollToBlock(text_->document()->findBlockByNumber(item->data(0, kBlockNumberRole).toInt()));
  });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(searchRow);
  layout->addWidget(splitter, 1);
}

void CManualWindow::FillContents() {
  // The title heads the list; each chapter holds its sections.
  struct Open {
    int level;
    QTreeWidgetItem* item;
  };
  std::vector<Open> open;
  for (QTextBlock block = text_->document()->begin(); block.isValid(); block = block.next()) {
    const int level = block.blockFormat().headingLevel();
    if (level <= 0) continue;
    auto* item = new QTreeWidgetItem(QStringList{block.text()});
    item->setData(0, kBlockNumberRole, block.blockNumber());
    item->setToolTip(0, block.text());
    while (!open.empty() && open.back().level >= level) open.pop_back();
    if (open.empty()) {
      contents_->addTopLevelItem(item);
    } else {
      open.back().item->addChild(item);
    }
    if (level > 1) open.push_back({level, item});
  }
  contents_->expandAll();
}

bool CManualWindow::GoToSection(const QString& heading) {
  for (QTextBlock block = text_->document()->begin(); block.isValid(); block = block.next()) {
    if (!heading.isEmpty() && block.blockFormat().headingLevel() > 0 && block.text() == heading) {
      ScrollToBlock(block);
      ShowContentsEntry(block);
      return true;
    }
  }
  ScrollToBlock(text_->document()->begin());
  ShowContentsEntry(text_->document()->begin());
  return false;
}

void CManualWindow::ScrollToBlock(const QTextBlock& block) {
  text_->setTextCursor(QTextCursor(block));
  // The whole text laid out first, so the scroll range reaches the block.
  QAbstractTextDocumentLayout* layout = text_->document()->documentLayout();
  (void)layout->documentSize();
  text_->verticalScrollBar()->setValue(qRound(layout->blockBoundingRect(block).top()));
}

void CManualWindow::ShowContentsEntry(const QTextBlock& block) {
  const QSignalBlocker quiet(contents_);
  for (QTreeWidgetItemIterator entry(contents_); *entry != nullptr; ++entry) {
    if ((*entry)->data(0, kBlockNumberRole).toInt() == block.blockNumber()) {
      contents_->setCurrentItem(*entry);
      contents_->scrollToItem(*entry, QAbstractItemView::PositionAtCenter);
      return;
    }
  }
  contents_->setCurrentItem(nullptr);
}

bool CManualWindow::Find(const QString& text, bool backward) {
  const QString wanted = WithoutDiacritics(text);
  searchNote_->clear();
  if (wanted.trimmed().isEmpty()) return false;
  const QTextDocument::FindFlags flags =
      backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
  if (text_->find(wanted, flags)) return true;
  const QTextCursor before = text_->textCursor();
  QTextCursor end(text_->document());
  end.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
  text_->setTextCursor(end);
  if (text_->find(wanted, flags)) {
    searchNote_->setText(backward ? kFromEnd : kFromStart);
    return true;
  }
  text_->setTextCursor(before);
  searchNote_->setText(kNotFound);
  return false;
}

void CManualWindow::FindFromBox(bool backward) { (void)Find(search_->text(), backward); }

void CManualWindow::Print() {
  std::unique_ptr<QPrinter> printer =
      choosePrinter_ ? choosePrinter_(this) : AskForTextPrinter(this);
  if (!printer) return;
  printer->setDocName(Title());
  text_->print(printer.get());
}

void CManualWindow::StayOver(QWidget* host) {
  // A window opened from the manual (its print dialog) is never its host.
  for (const QWidget* owner = host; owner != nullptr; owner = owner->parentWidget()) {
    if (owner == this) return;
  }
  if (host == host_) return;
  if (host_ != nullptr) host_->removeEventFilter(this);
  const bool shown = isVisible();
  const QRect place = geometry();
  setParent(host, windowFlags());  // hides the window
  host_ = host;
  if (host != nullptr) host->installEventFilter(this);
  if (placed_) setGeometry(place);
  if (shown) show();
}

void CManualWindow::HostHidden() {
  // The window it stood over is closing (and may be deleted with its children): over the
  // modal window under it, or closed with the last one.
  QWidget* next = QApplication::activeModalWidget();
  if (next == host_) next = nullptr;
  if (next == nullptr) hide();
  StayOver(next);
}

bool CManualWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == host_ && event->type() == QEvent::Hide && !event->spontaneous()) {
    HostHidden();
  } else if (watched == search_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      FindFromBox(key->modifiers().testFlag(Qt::ShiftModifier));
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void CManualWindow::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if (event->key() == Qt::Key_F3 && (modifiers & ~Qt::ShiftModifier) == Qt::NoModifier) {
    FindFromBox(modifiers == Qt::ShiftModifier);
  } else if (event->matches(QKeySequence::Find)) {
    search_->setFocus();
    search_->selectAll();
  } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    // Nothing to confirm here.
  } else {
    QDialog::keyPressEvent(event);
  }
}

void CManualWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  placed_ = true;
}
