#pragma once

#include <QString>
#include <vector>

#include "common/print_types.h"

class ReportPrinter;
struct StoredDeclaration;

// The printed declaration's pages as lists of elements in drawing order, so each page reads
// as the table of the official form it copies.
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
PageElement Box(int left, int top, int right, int bottom, QString text, TextAlign align);

// Draws the elements in order, selecting each one's font when it changes.
void DrawElements(ReportPrinter& printer, const PageElements& elements);

// The top of both annexes: the house and the annex's name at y 100, then the three centred
// title lines between 200 and 500.
void AddAnnexHeading(PageElements& page, const QString& county, const QString& annex,
                     const StoredDeclaration& declaration);
