#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Where reporting files go: the removable medium (what drive A: was) or a folder the user
// chooses.

namespace destination_texts {
inline const QString kNoRemovableVolume = QStringLiteral(
    "Trebuie sa introduci un disc amovibil (discheta, stick USB) pentru a salva rapoartele "
    "electronice!");
inline const QString kChooseFolderTitle =
    QStringLiteral("Selecteaza directorul in care se vor salva rapoartele");
}  // namespace destination_texts

// Folders under which the desktop mounts removable volumes: /media/$USER and
// /run/media/$USER.
[[nodiscard]] QStringList DefaultMountRoots();

// Root folders of the mounted file systems, in the order they were mounted.
[[nodiscard]] QStringList MountedVolumes();

// The first of `mounted` (mount order) that is a folder directly inside one of `roots`; an
// empty folder left behind there by an old mount does not count, being no mount point.
[[nodiscard]] std::optional<QString> FirstRemovableVolume(const QStringList& roots,
                                                          const QStringList& mounted);

// The folder chooser opens at the user's desktop (the home folder when there is none).
[[nodiscard]] QString FolderChooserStart();
