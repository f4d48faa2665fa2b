#include "ui/c_record_form.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString KeyName(Qt::Key key) { return QStringLiteral("F%1").arg(key - Qt::Key_F1 + 1); }

QString OkCaption(Qt::Key key, const QString& caption) {
  return QStringLiteral("[%1]   %2").arg(KeyName(key), caption);
}

}  // namespace

CRecordForm::CRecordForm(QWidget* parent, Mode mode, const QString& title)
    : QDialog(parent), mode_(mode), okKey_(mode == Mode::kAdd ? Qt::Key_F5 : Qt::Key_F6) {
  setWindowTitle(title);
  ok_ = new QPushButton(
      OkCaption(okKey_, mode == Mode::kAdd ? QStringLiteral("Adauga") : QStringLiteral("Modifica")),
      this);
  ok_->setObjectName(QStringLiteral("ok"));
  auto* cancel = new QPushButton(QStringLiteral("[ESC]   Renunta"), this);
  cancel->setObjectName(QStringLiteral("cancel"));
  for (QPushButton* button : {ok_, cancel}) button->setAutoDefault(false);
  connect(ok_, &QPushButton::clicked, this, &CRecordForm::accept);
  connect(cancel, &QPushButton::clicked, this, &CRecordForm::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);

  groups_ = new QVBoxLayout;
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(groups_);
  layout->addLayout(buttons);
  // The form is as large as its fields ask, no larger.
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CRecordForm::SetOkKey(Qt::Key key, const QString& caption, bool enterConfirms) {
  okKey_ = key;
  enterConfirms_ = enterConfirms;
  ok_->setText(OkCaption(key, caption));
}

int CRecordForm::AddGroup(const QString& title) {
  auto* grid = new QGridLayout;
  // The fields keep the width that suits their length; the room left stays on the right.
  grid->setColumnStretch(2, 1);
  if (title.isEmpty()) {
    groups_->addLayout(grid);
  } else {
    auto* box = new QGroupBox(title, this);
    box->setLayout(grid);
    groups_->addWidget(box);
  }
  grids_.push_back(grid);
  return static_cast<int>(grids_.size()) - 1;
}

void CRecordForm::AddRow(int group, const QString& caption, QWidget& field, QWidget* hint) {
  QGridLayout& grid = *grids_.at(static_cast<size_t>(group));
  const int row = grid.rowCount();
  auto* label = new QLabel(caption, this);
  label->setBuddy(&field);
  grid.addWidget(label, row, 0);
  if (hint == nullptr) {
    grid.addWidget(&field, row, 1, Qt::AlignLeft);
    return;
  }
  auto* line = new QHBoxLayout;
  line->addWidget(&field);
  line->addWidget(hint);
  line->addStretch();
  grid.addLayout(line, row, 1);
}

void CRecordForm::AddRow(int group, QLayout& row) {
  QGridLayout& grid = *grids_.at(static_cast<size_t>(group));
  grid.addLayout(&row, grid.rowCount(), 1);
}

void CRecordForm::accept() {
  if (SaveRecord()) QDialog::accept();
}

void CRecordForm::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  if (plain && (key == okKey_ || (enter && enterConfirms_))) {
    accept();
    return;
  }
  // Enter does not confirm unless the form says so: only the key written on the button does.
  if (enter) return;
  QDialog::keyPressEvent(event);
}
