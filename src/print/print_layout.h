#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// Line breaking for text in a box: the text's own breaks ("\r\n", and the "\n\r", "\r" and
// "\n" some report heads carry) end a line, and a line that would pass the width is broken
// at a word boundary. A single word wider than the box stays whole; the box clips it.
QStringList BreakIntoLines(const QString& text, const QFont& font, int widthPixels);

// Distance between the tops of two lines of a box: the font's character cell.
int LineHeightPixels(const QFont& font);
