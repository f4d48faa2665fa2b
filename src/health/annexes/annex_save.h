#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

#include "common/check_result.h"
#include "common/saved_files.h"
#include "dbf/report_destination.h"
#include "health/annexes/annex_naming.h"

class CClient;
class Prompter;

// "Salveaza fisiere de raportare" of the report wizard's last step, without its form: the
// refusals, the naming form and the destination through seams the screen supplies, then
// anexa 1A, 1B and 1C of each house into the destination.

namespace save_texts {
inline const QString kNoMonth =
    QStringLiteral("Trebuie sa selectezi o luna pentru care se genereaza rapoarte!");
inline const QString kNoHouse = QStringLiteral(
    "Trebuie sa selectezi o casa de asigurari pentru a salva rapoartele electronice!");
inline const QString kNoCompany =
    QStringLiteral("Trebuie sa selectezi o societate pentru a salva rapoartele electronice!");
inline const QString kNoInsured =
    QStringLiteral("Societatea selectata nu are asigurati in luna curenta!");
}  // namespace save_texts

enum class Destination { kRemovable, kFolder };

// The choices on the form when the button is pressed.
struct SaveChoices {
  QString month;          // the wizard's report month, AAAALL
  QString cf;             // the selected company; empty when none
  QStringList houses;     // the company's houses in the month, as listed, top to bottom
  QString selectedHouse;  // empty when none
  HouseScope scope = HouseScope::kSelected;
  Destination destination = Destination::kRemovable;
};

// The six names the naming form lists.
struct NamingChoice {
  std::array<QString, 3> legal;
  std::array<QString, 3> byHouse;
};

// Houses whose files are written (done = 0 before the first) out of the total.
using HousesProgress = std::function<void(int done, int total)>;
// Asked after each file: true ends the save there, every file written so far complete.
using SaveStop = std::function<bool()>;

struct SaveSeams {
  // Opens the naming form (by-house radio selected); nothing when the user leaves it with
  // "[ESC]   Renunta". A choice NamingRefusal refuses is told and the form opens again.
  std::function<std::optional<NamingForm>(const NamingChoice&)> chooseNaming;
  QStringList mountRoots = DefaultMountRoots();
  std::function<QStringList()> mountedVolumes = MountedVolumes;
  // Where the folder chooser opens.
  QString folderStart = FolderChooserStart();
  // Told before the first house's files and after each house's, once the destination is known.
  HousesProgress progress;
};

enum class SaveOutcome {
  kSaved,      // every file written; nothing is shown (the caller confirms)
  kRefused,    // a refusal was shown
  kCancelled,  // the user left the naming form or the folder chooser
  kFailed,     // a statement or a file failed (shown), or the company is gone
  kStopped,    // SaveStop asked for the end after a file
};

// The first refusal of the choices before the naming form opens, or nothing.
[[nodiscard]] Refusal SaveRefusal(const SaveChoices& choices);

// The whole command: refusals, naming form, destination, then the files.
[[nodiscard]] Saved<SaveOutcome> SaveReportFiles(CClient& client, Prompter& prompter,
                                                 const SaveChoices& choices,
                                                 const SaveSeams& seams);

// The files alone: reads the company row, then writes 1A, 1B and 1C of each house in order
// into `folder`, stopping at the first failure or when `stop` asks for it.
[[nodiscard]] Saved<SaveOutcome> WriteReportFiles(CClient& client, Prompter& prompter,
                                                  const MonthParts& month, const QString& cf,
                                                  const QStringList& houses, NamingForm naming,
                                                  const QString& folder,
                                                  const HousesProgress& progress = {},
                                                  const SaveStop& stop = {});
