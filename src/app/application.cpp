#include "app/application.h"

#include <QApplication>
#include <QDir>
#include <QStyleFactory>

#include "app/dialog_translation.h"
#include "app/scheduled_restore_run.h"
#include "app/stop_signals.h"
#include "store/c_client.h"
#include "store/schema/schema.h"
#include "ui/images.h"
#include "ui/manual.h"
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
  // Without it the standard dialogs are merely in English: no reason to stop.
  static_cast<void>(InstallDialogTranslation());
  // The menu entry's name lets the desktop match every window to it, icon included.
  QGuiApplication::setDesktopFileName(QStringLiteral("velka-asigurati"));
  QApplication::setWindowIcon(ApplicationIcon());
  InstallManualKey();
  RunScheduledRestore(prompter, QCoreApplication::applicationFilePath(), QDir::currentPath());
  // A register this program must not use (its reason shown) is let go: the menu then ends as
  // after a failed start.
  return RunMainMenu(prompter, [](CClient& client) {
    if (!UpgradeSchema(client)) client.Disconnect();
  });
}

int RunMainMenu(Prompter& prompter, CMainMenuDialog::SchemaCheck schemaCheck) {
  StopSignals stops;
  CMainMenuDialog menu(&prompter, std::move(schemaCheck));
  if (auto* shown = dynamic_cast<QtPrompter*>(&prompter)) shown->SetParent(&menu);
  bool stopped = false;
  QObject::connect(&stops, &StopSignals::StopRequested, &menu, [&menu, &stopped] {
    stopped = true;
    menu.RequestStop();
  });
  menu.exec();
  if (stopped) menu.FinishStop();
  if (!stopped && menu.RestartRequested() && !RestartProgram()) {
    prompter.Inform(QStringLiteral(
        "Programul nu a putut porni din nou singur: porniti-l dumneavoastra, ca sa faca "
        "restaurarea ceruta."));
  }
  return menu.StartFailed() ? 1 : 0;
}
