#pragma once

#include <QString>
#include <ostream>

// Failures show texts as texts, not as their bytes: one printer for every test program.
void PrintTo(const QString& text, std::ostream* out);
