#include "ui/c_saved_files_dialog.h"

#include <QDesktopServices>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/buttons.h"

namespace {

// Wide enough for a fault's line (file, record, rule) on one line of text.
constexpr int kWidth = 760;
// Rows shown before the lists scroll.
constexpr int kFilesShown = 8;
constexpr int kDetailsShown = 8;

QLabel* Label(QWidget* parent, const QString& text, const char* name) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  return label;
}

}  // namespace

CSavedFilesDialog::CSavedFilesDialog(QWidget* parent, const SaveConfirmation& confirmation)
    : QDialog(parent), folder_(QDir::fromNativeSeparators(confirmation.folder)) {
  setWindowTitle(Title());
  auto* layout = new QVBoxLayout(this);
  QLabel* heading = Label(this, confirmation.heading, "heading");
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  layout->addWidget(heading);
  QLabel* folder = Label(this, QStringLiteral("Dosarul: ") + confirmation.folder, "folder");
  folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(folder);
  AddFiles(confirmation.files);
  AddCheck(confirmation);

  auto* open = MakeButton(this, QStringLiteral("Deschide dosarul"), "openFolder");
  connect(open, &QPushButton::clicked, this, &CSavedFilesDialog::OpenFolder);
  auto* close = MakeButton(this, QStringLiteral("[ENTER]   Inchide"), "close");
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  openFailed_ = Label(this, OpenFailedText(), "openFailed");
  openFailed_->hide();
  layout->addWidget(openFailed_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(open);
  buttons->addStretch();
  buttons->addWidget(close);
  layout->addSpacing(10);
  layout->addLayout(buttons);
  resize(kWidth, sizeHint().height());
  close->setFocus();
}

void CSavedFilesDialog::AddFiles(const QStringList& files) {
  layout()->addWidget(new QLabel(
      files.size() == 1 ? QStringLiteral("Fisierul:") : QStringLiteral("Fisierele:"), this));
  auto* list = new QListWidget(this);
  list->setObjectName(QStringLiteral("files"));
  list->addItems(files);
  list->setSelectionMode(QAbstractItemView::NoSelection);
  const int rows = std::min<int>(std::max<int>(static_cast<int>(files.size()), 1), kFilesShown);
  list->setFixedHeight(list->sizeHintForRow(0) * rows + 2 * list->frameWidth() + 4);
  layout()->addWidget(list);
}

void CSavedFilesDialog::AddCheck(const SaveConfirmation& confirmation) {
  if (confirmation.verdict.isEmpty()) return;
  QLabel* verdict = Label(this, confirmation.verdict, "verdict");
  QFont bold = verdict->font();
  bold.setBold(true);
  verdict->setFont(bold);
  QPalette colours = verdict->palette();
  colours.setColor(QPalette::WindowText,
                   confirmation.faulty ? QColor(176, 0, 0) : QColor(0, 110, 0));
  verdict->setPalette(colours);
  layout()->addWidget(verdict);
  if (confirmation.details.isEmpty()) return;
  auto* details = new QPlainTextEdit(this);
  details->setObjectName(QStringLiteral("details"));
  details->setReadOnly(true);
  details->setPlainText(confirmation.details.join(u'\n'));
  // As high as its lines wrapped at the window's width, up to a few before it scrolls.
  const QFontMetrics metrics(details->font());
  const int width = kWidth - 60;
  int rows = 0;
  for (const QString& line : confirmation.details) {
    rows += 1 + metrics.horizontalAdvance(line) / width;
  }
  details->setFixedHeight(metrics.lineSpacing() * std::min(rows, kDetailsShown) +
                          2 * (details->frameWidth() + 6));
  layout()->addWidget(details);
}

void CSavedFilesDialog::OpenFolder() {
  openFailed_->setVisible(!QDesktopServices::openUrl(QUrl::fromLocalFile(folder_)));
}
