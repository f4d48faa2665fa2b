#pragma once

// Qt's own file, folder, print and message dialogs, and the menus of its inputs, speak
// Romanian, like the program: the translation the program carries is installed for the
// whole application. False when it cannot be read (the dialogs then stay in English).
[[nodiscard]] bool InstallDialogTranslation();
