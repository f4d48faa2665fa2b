#include "screens/month/c_panel_choice_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/function_keys.h"
#include "ui/modal.h"

std::optional<PanelArea> CPanelChoiceDialog::Choose(QWidget* parent, const QString& companyName) {
  CPanelChoiceDialog dialog(parent, companyName);
  if (RunModal(dialog) != QDialog::Accepted) return std::nullopt;
  return dialog.chosen_;
}

CPanelChoiceDialog::CPanelChoiceDialog(QWidget* parent, const QString& companyName)
    : QDialog(parent) {
  setWindowTitle(Title());
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Unde deschizi societatea %1?").arg(companyName)));
  const struct {
    const char* caption;
    const char* name;
    PanelArea area;
  } choices[] = {
      {"[F2]   Declaratia de sanatate", "healthPanel", PanelArea::kHealth},
      {"[F3]   Concedii medicale", "leavePanel", PanelArea::kLeave},
  };
  for (const auto& choice : choices) {
    auto* button = new QPushButton(QLatin1String(choice.caption), this);
    button->setObjectName(QLatin1String(choice.name));
    button->setAutoDefault(false);
    button->setStyleSheet(QStringLiteral("text-align: left; padding: 6px 12px;"));
    const PanelArea area = choice.area;
    connect(button, &QPushButton::clicked, this, [this, area] { Pick(area); });
    layout->addWidget(button);
  }
  auto* cancel = new QPushButton(QStringLiteral("[ESC]   Renunta"), this);
  cancel->setObjectName(QStringLiteral("cancel"));
  cancel->setAutoDefault(false);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  layout->addWidget(cancel);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CPanelChoiceDialog::keyPressEvent(QKeyEvent* event) {
  const bool taken = HandleScreenKey(*event, {{Qt::Key_F2, [this] { Pick(PanelArea::kHealth); }},
                                              {Qt::Key_F3, [this] { Pick(PanelArea::kLeave); }}});
  if (!taken) QDialog::keyPressEvent(event);
}

void CPanelChoiceDialog::Pick(PanelArea area) {
  chosen_ = area;
  accept();
}
