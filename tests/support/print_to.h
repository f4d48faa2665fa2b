#pragma once

#include <QString>
#include <ostream>

#include "common/check_result.h"

// Failures show texts as texts, not as their bytes: one printer for every test program,
// for compared values and for the texts added to a failure's message.
void PrintTo(const QString& text, std::ostream* out);
std::ostream& operator<<(std::ostream& out, const QString& text);
void PrintTo(const CheckResult& result, std::ostream* out);
