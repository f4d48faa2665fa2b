#include "exchange/c_import_menu_dialog.h"

#include <QLabel>
#include <QVBoxLayout>

CImportMenuDialog::CImportMenuDialog(QWidget* owner, CClient* client, Prompter* prompter)
    : CPanelDialog(owner, client, prompter) {
  setWindowTitle(Title());
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(Title(), this);
  layout->addWidget(title);
  layout->addStretch();
  setMinimumSize(400, 300);
}
