#pragma once

#include <QString>
#include <vector>

#include "print/print_types.h"

class ReportPrinter;

// A printed page as a list of elements in drawing order, so each page reads as the table of
// the official form it copies, and tests can compare pages without a printer.
struct PageElement {
  enum class Kind { kText, kCell, kBox };

  Kind kind = Kind::kCell;
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  QString text;
  TextAlign align = TextAlign::Left;
  bool framed = false;
  ReportFont font = ReportFont::Body;
  bool shaded = false;
};

using PageElements = std::vector<PageElement>;

// One line of text whose top-left (or centre, or right end) is at x, y.
PageElement TextAt(int x, int y, QString text, ReportFont font = ReportFont::Body);
// One line inside a cell.
PageElement Cell(int left, int top, int right, int bottom, QString text,
                 TextAlign align = TextAlign::Left, bool framed = false,
                 ReportFont font = ReportFont::Body);
PageElement Framed(int left, int top, int right, int bottom, QString text,
                   TextAlign align = TextAlign::Left, ReportFont font = ReportFont::Body);
// Text broken into lines inside a cell.
PageElement Box(int left, int top, int right, int bottom, QString text, TextAlign align,
                bool framed = false);

// Draws the elements in order, selecting each one's font when it changes; the body font is
// selected again at the end.
void DrawElements(ReportPrinter& printer, const PageElements& elements);
