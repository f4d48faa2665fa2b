#include "ui/c_report_naming_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/function_keys.h"
#include "ui/modal.h"

namespace {

// The radio, then under it, indented, the caption and the three names.
QRadioButton* AddChoice(QWidget* form, QVBoxLayout& layout, const QString& caption,
                        const char* name, const std::array<QString, 3>& files) {
  auto* radio = new QRadioButton(caption, form);
  radio->setObjectName(QLatin1String(name));
  layout.addWidget(radio);
  auto* names = new QGridLayout;
  names->setContentsMargins(24, 0, 0, 8);
  names->addWidget(new QLabel(naming_texts::kNamesCaption, form), 0, 0, Qt::AlignTop);
  for (int i = 0; i < 3; ++i) {
    auto* file = new QLabel(files[i], form);
    file->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(i + 1));
    file->setTextInteractionFlags(Qt::TextSelectableByMouse);
    names->addWidget(file, i, 1);
  }
  names->setColumnStretch(1, 1);
  layout.addLayout(names);
  return radio;
}

}  // namespace

std::optional<NamingForm> CReportNamingDialog::Choose(QWidget* parent, const NamingChoice& names) {
  CReportNamingDialog form(parent, names);
  if (RunModal(form) != QDialog::Accepted) return std::nullopt;
  return form.Chosen();
}

CReportNamingDialog::CReportNamingDialog(QWidget* parent, const NamingChoice& names)
    : QDialog(parent) {
  setWindowTitle(naming_texts::kTitle);
  auto* layout = new QVBoxLayout(this);
  auto* question = new QLabel(naming_texts::kQuestion, this);
  question->setContentsMargins(0, 0, 0, 8);
  layout->addWidget(question);
  legal_ = AddChoice(this, *layout, naming_texts::kLegalRadio, "legal", names.legal);
  byHouse_ = AddChoice(this, *layout, naming_texts::kByHouseRadio, "byHouse", names.byHouse);
  byHouse_->setChecked(true);

  auto* save = new QPushButton(naming_texts::kSaveButton, this);
  save->setObjectName(QStringLiteral("save"));
  auto* cancel = new QPushButton(naming_texts::kCancelButton, this);
  cancel->setObjectName(QStringLiteral("cancel"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* button : {save, cancel}) {
    button->setAutoDefault(false);
    button->setMinimumWidth(150);
    buttons->addWidget(button);
  }
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  connect(save, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

NamingForm CReportNamingDialog::Chosen() const {
  return legal_->isChecked() ? NamingForm::kLegal : NamingForm::kByHouse;
}

void CReportNamingDialog::keyPressEvent(QKeyEvent* event) {
  // Only the buttons save; Enter does nothing, Esc cancels.
  if (!HandleScreenKey(*event, {})) QDialog::keyPressEvent(event);
}
