#pragma once

#include "ui/c_panel_dialog.h"

// The "Declaratia de concedii medicale" panel of the main menu.
class CLeaveDeclarationsDialog : public CPanelDialog {
  Q_OBJECT

 public:
  CLeaveDeclarationsDialog(QWidget* owner, CClient* client, Prompter* prompter);

  static QString Title() { return QStringLiteral("Declaratia de concedii medicale"); }
};
