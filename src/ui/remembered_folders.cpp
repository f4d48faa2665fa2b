#include "ui/remembered_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "dbf/report_destination.h"
#include "store/prompter.h"

namespace {

QString Key(FolderKind kind) {
  switch (kind) {
    case FolderKind::kAnnexFiles:
      return QStringLiteral("foldere/anexe");
    case FolderKind::kDeclarationFiles:
      return QStringLiteral("foldere/declaratii");
    case FolderKind::kPdf:
      return QStringLiteral("foldere/pdf");
    case FolderKind::kImport:
      return QStringLiteral("foldere/import");
    case FolderKind::kCopies:
      return QStringLiteral("foldere/copii");
    case FolderKind::kMonthFiles:
      return QStringLiteral("foldere/luna");
    case FolderKind::kVerification:
      break;
  }
  return QStringLiteral("foldere/verificare");
}

QSettings UserSettings() {
  return QSettings(QSettings::UserScope, QLatin1String(kUserSettingsOrganisation),
                   QLatin1String(kUserSettingsApplication));
}

}  // namespace

QString StartFolder(FolderKind kind) {
  const QString remembered = UserSettings().value(Key(kind)).toString();
  if (!remembered.isEmpty() && QFileInfo(remembered).isDir()) return remembered;
  return FolderChooserStart();
}

void RememberFolder(FolderKind kind, const QString& folder) {
  if (folder.isEmpty()) return;
  UserSettings().setValue(Key(kind), QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
}

QString ChooseRememberedFile(Prompter& prompter, FolderKind kind, const QString& filter) {
  const QString path = prompter.ChooseFile(filter, StartFolder(kind));
  if (!path.isEmpty()) RememberFolder(kind, QFileInfo(path).absolutePath());
  return path;
}
