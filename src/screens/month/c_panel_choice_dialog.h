#pragma once

#include <QDialog>
#include <optional>

#include "ui/c_panel_dialog.h"

// "Deschide societatea": which panel a company of the month overview opens in, one key each.
class CPanelChoiceDialog : public QDialog {
  Q_OBJECT

 public:
  // The panel chosen for the company; nothing when the user left with Esc.
  static std::optional<PanelArea> Choose(QWidget* parent, const QString& companyName);

  CPanelChoiceDialog(QWidget* parent, const QString& companyName);

  static QString Title() { return QStringLiteral("Deschide societatea"); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Pick(PanelArea area);

  std::optional<PanelArea> chosen_;
};
