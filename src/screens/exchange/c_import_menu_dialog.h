#pragma once

#include "ui/c_panel_dialog.h"

// The "Import de date din sursa externa" panel of the main menu.
class CImportMenuDialog : public CPanelDialog {
  Q_OBJECT

 public:
  CImportMenuDialog(QWidget* owner, CClient* client, Prompter* prompter);

  static QString Title() { return QStringLiteral("Import de date din sursa externa"); }
};
