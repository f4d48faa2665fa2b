#include <QApplication>

#include "app/application.h"
#include "app/c_main_menu_dialog.h"
#include "cli/cli_main.h"

int main(int argc, char** argv) {
  // With a command the program runs without its window (see velka-asigurati --help).
  if (IsCommandLine(argc, argv)) {
    return RunCommandLine(argc, argv, CMainMenuDialog::VersionText());
  }
  QApplication application(argc, argv);
  return RunApplication();
}
