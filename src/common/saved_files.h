#pragma once

#include <QStringList>

// How a command that writes files ended, with the files it wrote: full paths in the order
// written, those written before a failure or a stop included. The caller shows and checks
// exactly these files rather than making up their names again.
template <typename Outcome>
struct Saved {
  Outcome outcome{};
  QStringList files;
};
