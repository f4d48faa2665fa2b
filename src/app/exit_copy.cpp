#include "app/exit_copy.h"

#include <memory>

#include "store/c_client.h"
#include "store/prompter.h"
#include "ui/c_work_progress_dialog.h"

DailyCopyOutcome TakeExitCopy(CClient& client, Prompter& prompter, QWidget* parent,
                              const QString& startDirectory) {
  // The window appears only once a copy is under way: most exits of a day take none.
  std::unique_ptr<CWorkProgressDialog> window;
  const DailyCopyOutcome outcome = TakeDailyCopy(
      client, startDirectory, CopyProgramName(client.Version()), [&](qint64 done, qint64 total) {
        if (!window) {
          window = std::make_unique<CWorkProgressDialog>(
              parent, QStringLiteral("Copia zilnica a registrului"),
              QStringLiteral("Se face copia zilnica a registrului, inainte de iesirea din "
                             "program..."));
          window->show();
        }
        window->SetFraction(total > 0 ? static_cast<double>(done) / total : 1.0);
      });
  window.reset();
  if (outcome.kind == DailyCopyOutcome::Kind::kFailed) {
    prompter.Inform(DailyCopyFailedText(outcome.text));
  }
  return outcome;
}
