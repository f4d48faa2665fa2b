#pragma once

#include <QString>
#include <QStringList>

// What the window says after a save: what was written, where, and what the check of the
// written reporting files found.
struct SaveConfirmation {
  QString heading;      // "Fisierele de raportare au fost salvate."
  QString folder;       // the folder of the files, as the system writes paths
  QStringList files;    // their names, in the order written
  QString verdict;      // "verificate: fara greseli" or the faulty files; empty: nothing checked
  QStringList details;  // each fault (file, record, rule) and each file empty by design
  bool faulty = false;  // a file the health-insurance house would refuse
};

// The confirmation as plain lines, for a prompter without a window.
[[nodiscard]] QString SaveConfirmationText(const SaveConfirmation& confirmation);
