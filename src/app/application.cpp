#include "app/application.h"

#include <QApplication>
#include <QStyleFactory>

#include "app/c_main_menu_dialog.h"
#include "store/schema.h"
#include "ui/qt_prompter.h"

namespace {

// What the Windows build did before the first window (sockets layer, ActiveX hosting,
// common controls): nothing is needed on Linux, the step stays so the order reads the same.
bool InitialisePlatform() { return true; }

// The control library's flat look for every window created afterwards.
void InstallStyling() {
  if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) {
    QApplication::setStyle(style);
  }
}

}  // namespace

int RunApplication() {
  QtPrompter prompter;
  if (!InitialisePlatform()) {
    prompter.Inform(QStringLiteral("nu se poate initializa suportul de retea !"));
    return 1;
  }
  InstallStyling();
  CMainMenuDialog menu(&prompter, [](CClient& client) { UpgradeSchema(client); });
  prompter.SetParent(&menu);
  menu.exec();
  return 0;
}
