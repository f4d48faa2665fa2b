#include "ui/c_panel_dialog.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QThread>

CPanelDialog::CPanelDialog(QWidget* owner, CClient* client, Prompter* prompter)
    : QDialog(owner, Qt::Tool | Qt::FramelessWindowHint),
      owner_(owner),
      client_(client),
      prompter_(prompter) {
  setModal(false);
}

QSize CPanelDialog::FullSize() const {
  QSize size = sizeHint().expandedTo(minimumSize());
  if (followOwnerHeight_ && owner_ != nullptr) size.setHeight(owner_->frameGeometry().height());
  return size;
}

void CPanelDialog::Dock() {
  if (owner_ == nullptr) return;
  const QRect frame = owner_->frameGeometry();
  move(frame.right() + 1, frame.top());
}

void CPanelDialog::Slide(bool opening) {
  const QSize full = FullSize();
  const int fullExtent = direction_ == SlideDirection::Horizontal ? full.width() : full.height();
  std::vector<int> steps;
  for (int extent = 0; extent <= fullExtent; extent += kSlideStep) steps.push_back(extent);
  if (!opening) std::reverse(steps.begin(), steps.end());
  lastSlide_ = steps;
  setMinimumSize(0, 0);
  Dock();
  show();
  for (const int extent : steps) {
    if (direction_ == SlideDirection::Horizontal) {
      setFixedSize(extent, full.height());
    } else {
      setFixedSize(full.width(), extent);
    }
    if (stepPause_ > 0) {
      QCoreApplication::processEvents();
      QThread::msleep(static_cast<unsigned long>(stepPause_));
    }
  }
  if (opening) {
    open_ = true;
  } else {
    hide();
    open_ = false;
  }
}

void CPanelDialog::SlideOpen() { Slide(true); }

void CPanelDialog::SlideShut() { Slide(false); }

void CPanelDialog::reject() {
  // As a posted message: the menu asks its question after this key press is handled.
  QMetaObject::invokeMethod(this, &CPanelDialog::ExitRequested, Qt::QueuedConnection);
}

void CPanelDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return;
  QDialog::keyPressEvent(event);
}

bool CPanelDialog::SelectCompany(const QString& /*cf*/) { return false; }
