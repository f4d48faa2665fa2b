#include "ui/confirm_save.h"

#include <QFileInfo>

#include "exchange/verify/written_check.h"
#include "store/prompter.h"
#include "store/wait_cursor.h"

void ConfirmSave(Prompter& prompter, const QString& heading, const QStringList& files,
                 std::optional<FolderKind> chosen) {
  if (files.isEmpty()) return;
  if (chosen) RememberFolder(*chosen, QFileInfo(files.front()).absolutePath());
  WaitCursor wait;
  const SaveConfirmation confirmation = ConfirmationOf(heading, files);
  wait.Release();
  prompter.ConfirmSaved(confirmation);
}
