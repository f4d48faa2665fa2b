#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "ui/remembered_folders.h"

class Prompter;

// What every screen does once a save has written its files: the folder is remembered for
// the next chooser of `chosen` (nothing when the files went onto the removable medium), the
// reporting files among them are checked with the verification rules, and the prompter
// confirms what was written where and what the check found.
void ConfirmSave(Prompter& prompter, const QString& heading, const QStringList& files,
                 std::optional<FolderKind> chosen);
