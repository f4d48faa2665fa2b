#pragma once

#include <QString>

#include "history/history_tables.h"
#include "store/record_history.h"

// The texts of the history and deleted-records windows.
namespace history_texts {

inline const QString kChooseRecord =
    QStringLiteral("Trebuie sa selectezi o inregistrare pentru a-i vedea istoricul!");
inline const QString kChooseVersion =
    QStringLiteral("Trebuie sa selectezi versiunea pe care vrei sa o restaurezi!");
inline const QString kChooseDeleted =
    QStringLiteral("Trebuie sa selectezi inregistrarea stearsa pe care vrei sa o recuperezi!");
inline const QString kNoRecordYet =
    QStringLiteral("Randul selectat nu are inca o inregistrare, deci nici istoric.");

inline QString Heading(const HistoryTable& table, qint64 index, bool present) {
  return QStringLiteral("%1 - inregistrarea cu indexul %2%3")
      .arg(table.title)
      .arg(index)
      .arg(present ? QString() : QStringLiteral(" (stearsa)"));
}

inline QString RestoreQuestion(const QString& number, const QString& written) {
  return QStringLiteral(
             "Restaurati versiunea %1, scrisa la %2?\n\nVersiunea curenta ramane in istoric.")
      .arg(number, written);
}

inline QString RecoverQuestion(const QString& deleted) {
  return QStringLiteral(
             "Recuperati inregistrarea stearsa la %1?\n\nSe recupereaza si inregistrarile sterse "
             "odata cu ea.")
      .arg(deleted);
}

inline QString DeletedTitle(const HistoryTable& table) {
  return QStringLiteral("Inregistrari sterse - ") + table.title;
}

}  // namespace history_texts
