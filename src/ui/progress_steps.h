#pragma once

#include "dbf/dbf_file.h"

class QProgressBar;

// Shows a long piece of work (records read, checked or saved) on the bar: it appears at the
// start with the range of the total and advances as records are done, repainting the window
// every so many records. The user's input waits until the work is done. The caller hides
// the bar afterwards.
[[nodiscard]] DbfProgress ProgressOn(QProgressBar& bar);
