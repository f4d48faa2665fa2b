#pragma once

#include <QString>

#include "store/copies/daily_copies.h"

class CClient;
class Prompter;
class QWidget;

// The daily copy at the user's exit from the program: taken when the day has none yet, with
// a progress window; a copy that failed is told, and the exit goes on.
DailyCopyOutcome TakeExitCopy(CClient& client, Prompter& prompter, QWidget* parent,
                              const QString& startDirectory);
