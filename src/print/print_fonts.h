#pragma once

#include <QFont>
#include <QString>
#include <array>

#include "print/print_types.h"

// How each of the eleven fonts is asked for: face, height in logical units, heavy or not.
struct ReportFontChoice {
  QString face;
  int height = 0;
  bool heavy = false;
};

ReportFontChoice ReportFontChoiceOf(ReportFont font);

// The font for a character cell of the given height in device pixels (ascent plus descent,
// the way the report layouts were measured), not the em height Qt sizes by.
QFont MakeReportFont(const ReportFontChoice& choice, int cellPixels);

// Liberation Serif and Sans have the metrics of the faces the layouts name; map those names
// onto them once per process.
void InstallReportFontSubstitutes();
