#include "ui/c_work_progress_dialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {
constexpr int kSteps = 1000;
}  // namespace

CWorkProgressDialog::CWorkProgressDialog(QWidget* parent, const QString& title, const QString& text)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setWindowTitle(title);
  setModal(true);
  text_ = new QLabel(text, this);
  text_->setObjectName(QStringLiteral("workText"));
  text_->setWordWrap(true);
  bar_ = new QProgressBar(this);
  bar_->setObjectName(QStringLiteral("workProgress"));
  bar_->setRange(0, kSteps);
  bar_->setValue(0);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addWidget(bar_);
  setMinimumWidth(std::max(420, text_->sizeHint().width() / 2));
}

void CWorkProgressDialog::SetFraction(double done) {
  const int value = static_cast<int>(std::lround(std::clamp(done, 0.0, 1.0) * kSteps));
  if (value != bar_->value()) bar_->setValue(value);
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void CWorkProgressDialog::SetText(const QString& text) {
  text_->setText(text);
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
