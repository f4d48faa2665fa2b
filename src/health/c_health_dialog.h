#pragma once

#include "ui/c_panel_dialog.h"

// The "Declaratia de sanatate" panel of the main menu.
class CHealthDialog : public CPanelDialog {
  Q_OBJECT

 public:
  CHealthDialog(QWidget* owner, CClient* client, Prompter* prompter);

  static QString Title() { return QStringLiteral("Declaratia de sanatate"); }
};
