#pragma once

#include <QString>

class Prompter;

// The folder each kind of chooser was last answered with, kept in the user's own settings
// (~/.config/velka-asigurati/velka-asigurati.conf; never velka-asigurati.ini, which belongs
// to the register): the next chooser of that kind opens there. The first time, and once
// that folder is gone, it opens at the desktop.

enum class FolderKind {
  kAnnexFiles,
  kDeclarationFiles,
  kPdf,
  kImport,
  kVerification,
  kCopies,
  kMonthFiles
};

// The names the user's settings are kept under.
inline constexpr char kUserSettingsOrganisation[] = "velka-asigurati";
inline constexpr char kUserSettingsApplication[] = "velka-asigurati";

[[nodiscard]] QString StartFolder(FolderKind kind);

// An empty folder (a cancelled chooser) is not remembered.
void RememberFolder(FolderKind kind, const QString& folder);

// A file chooser of `kind` opened at its folder; the chosen file's folder is remembered. Empty
// text when the user cancels.
[[nodiscard]] QString ChooseRememberedFile(Prompter& prompter, FolderKind kind,
                                           const QString& filter);
