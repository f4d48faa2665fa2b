#include "leave/c_leave_declarations_dialog.h"

#include <QLabel>
#include <QVBoxLayout>

CLeaveDeclarationsDialog::CLeaveDeclarationsDialog(QWidget* owner, CClient* client,
                                                   Prompter* prompter)
    : CPanelDialog(owner, client, prompter) {
  setWindowTitle(Title());
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(Title(), this);
  layout->addWidget(title);
  layout->addStretch();
  setMinimumSize(400, 300);
}
