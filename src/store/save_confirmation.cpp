#include "store/save_confirmation.h"

QString SaveConfirmationText(const SaveConfirmation& confirmation) {
  QStringList lines = {confirmation.heading, QStringLiteral("Dosarul: ") + confirmation.folder};
  for (const QString& file : confirmation.files) lines.append(QStringLiteral("  ") + file);
  if (!confirmation.verdict.isEmpty()) lines.append(confirmation.verdict);
  lines.append(confirmation.details);
  return lines.join(u'\n');
}
