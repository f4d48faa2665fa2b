#pragma once

#include <QString>
#include <map>
#include <optional>
#include <vector>

class CClient;

// The record of the files the program wrote for a company's month (asigurati.fisiere_scrise):
// each file's name, folder, time and checksum, and the mark that the month was handed in.
// Every save records its own files, so the windows and the commands need no call of their own.

enum class WrittenKind {
  kHealth,  // the anexa 1A, 1B and 1C files of the houses
  kLeave,   // the A1 and A2 files of the medical-leave declaration
};

// A file just written: its house (health files only), its part ("1A" … "A2"), its path and
// the checksum of its bytes (dbf/dbf_checksum.h).
struct WrittenFile {
  QString cas;
  QString part;
  QString path;
  QString checksum;
};

// A file as the record keeps it.
struct RecordedFile {
  QString cf;
  WrittenKind kind = WrittenKind::kHealth;
  QString cas;
  QString part;
  QString name;
  QString folder;
  QString checksum;
  QString writtenAt;  // "AAAA-LL-ZZ HH:MM:SS", the server's time
};

// Everything recorded for a month, every company.
struct MonthRecord {
  std::vector<RecordedFile> files;
  std::map<QString, QString> handedIn;  // fiscal code -> time of the mark
};

// Replaces what was recorded for the company's month and kind by `files`: for the health
// files only the rows of the houses written again (a save of one house keeps the others).
// Sends its statements without showing a failure: the files are on the disk whatever the
// record says, and false only tells the caller the record was not kept.
[[nodiscard]] bool RecordWrittenFiles(CClient& client, const QString& cf, int month,
                                      WrittenKind kind, const std::vector<WrittenFile>& files);

// The month's record in one statement; nothing when it failed (shown).
[[nodiscard]] std::optional<MonthRecord> ReadMonthRecord(CClient& client, int month);

// Marks the company's month handed in, or takes the mark off; false when it failed (shown).
[[nodiscard]] bool SetHandedIn(CClient& client, const QString& cf, int month, bool handedIn);
