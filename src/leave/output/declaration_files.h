#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "common/saved_files.h"
#include "dbf/dbf_file.h"
#include "dbf/report_destination.h"
#include "leave/declarations/declaration_sources.h"
#include "leave/replay/declaration_totals.h"
#include "store/written_files.h"

class CClient;
class ListModel;
class Prompter;

// "Salveaza fisiere de raportare" of the declarations panel, without the panel: the A1 file
// (the declaration's figures and the employer) and the A2 file (its certificate entries)
// for the health-insurance house, on the removable medium or in a chosen folder.

namespace files_texts {
inline const QString kNotSelected =
    QStringLiteral("Trebuie sa selectezi o declaratie pentru a-i salva rapoartele electronice!");
inline const QString kNoCounty = QStringLiteral(
    "Nu se pot genera fisierele declaratiei deoarece nu ai introdus judetul societatii "
    "curente.\n\rAcceseaza 'Modifica societate'.");
inline const QString kA1Failed = QStringLiteral("Nu se poate salva Anexa A1!");
inline const QString kA2Failed = QStringLiteral("Nu se poate salva Anexa A2!");
inline const QString kUnusableInName =
    QStringLiteral("Codul fiscal sau judetul societatii nu pot fi folosite in numele fisierelor!");
}  // namespace files_texts

struct DeclarationField {
  const char* name;
  const char* type;  // "C" character, "N" number without decimals
  int length;
};

enum class DeclarationFile { kA1, kA2 };

// The file's fields in file order: 56 for A1, 22 for A2.
[[nodiscard]] const std::vector<DeclarationField>& DeclarationFields(DeclarationFile file);

// The one A1 record, field by field.
[[nodiscard]] QStringList A1Record(const DeclarationTotals& totals,
                                   const DeclarationCompany& company);

// One A2 record per certificate entry, in the order given, numbered from 1.
[[nodiscard]] std::vector<QStringList> A2Records(
    const StoredDeclaration& declaration, const DeclarationCompany& company,
    const std::vector<DeclaredCertificate>& certificates);

// "CM_CASCJ_12345674_200906_A1.dbf"; Bucharest (MB) is the house "CAS_B".
[[nodiscard]] QString DeclarationFileName(DeclarationFile file, const QString& jud,
                                          const QString& cf, int luna);

// The file a name made by DeclarationFileName holds (letter case aside); nothing for any
// other name.
[[nodiscard]] std::optional<DeclarationFile> DeclarationFileOfName(const QString& name);

// A file's records and what its name needs.
struct DeclarationRecords {
  DeclarationCompany company;
  int luna = 0;
  std::vector<QStringList> records;
};

// The A1 record of the declaration `index` after the month's replay, with a fresh read of
// the company; nothing after a refusal or failure (shown).
[[nodiscard]] std::optional<DeclarationRecords> BuildA1Records(CClient& client, Prompter& prompter,
                                                               const QString& cf, qint64 index);
// The A2 records of the declaration `index`, its entries in their printed order.
[[nodiscard]] std::optional<DeclarationRecords> BuildA2Records(CClient& client, Prompter& prompter,
                                                               qint64 index,
                                                               const DeclarationCompany& company);

// The bytes the file would have, dated with `date`; empty when they cannot be made.
[[nodiscard]] QByteArray DeclarationFileBytes(DeclarationFile file,
                                              std::vector<QStringList> records, const QDate& date);

// The records written as the file at `path`; false when it could not be written completely
// (an older file of that name then stays whole).
[[nodiscard]] bool WriteDeclarationFile(DeclarationFile file, std::vector<QStringList> records,
                                        const QString& path);

enum class FilesDestination { kRemovable, kFolder };

// Where the removable media are looked for (tests supply their own) and where the folder
// chooser opens.
struct FilesSeams {
  QStringList mountRoots = DefaultMountRoots();
  std::function<QStringList()> mountedVolumes = MountedVolumes;
  QString folderStart = FolderChooserStart();
};

enum class FilesOutcome {
  kSaved,      // both files written; nothing is shown (the caller confirms)
  kStopped,    // a refusal or a failure was shown
  kCancelled,  // the user left the folder chooser
};

// The whole command for the declaration selected (if any) of the company `cf`: the
// selection, the destination, then the two files.
[[nodiscard]] Saved<FilesOutcome> SaveDeclarationFiles(CClient& client, Prompter& prompter,
                                                       const QString& cf,
                                                       std::optional<qint64> selected,
                                                       FilesDestination destination,
                                                       const FilesSeams& seams = {});

// The files alone into `folder`: the company's checks, A1, then A2. A failed A1 leaves no
// A2; a failed A2 leaves the new A1 in place (and among the files written).
[[nodiscard]] Saved<FilesOutcome> WriteDeclarationFiles(CClient& client, Prompter& prompter,
                                                        const QString& cf, qint64 index,
                                                        const QString& folder);
