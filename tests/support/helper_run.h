#pragma once

#include <QString>
#include <QStringList>

// A helper program run by a test and waited for (two minutes at most), with the facts it
// printed (helper_facts.h).
struct HelperRun {
  int code = -1;        // -1 when it was killed or crashed
  bool killed = false;  // ended by a signal: a kill point or a crash
  QStringList facts;

  // The facts of one kind ("DUMP", "ROW" ...) without their kind.
  [[nodiscard]] QStringList Values(const QString& kind) const;
};

HelperRun RunHelper(const QString& program, const QStringList& arguments);
