#pragma once

#include <QString>
#include <vector>

// Orientation codes as the report screens pass them.
enum class PageOrientation { Portrait = 1, Landscape = 2 };

// Alignment codes of the text operations: the anchor is the text's left edge, centre or right
// edge; the anchor's y is always the top of the text.
enum class TextAlign { Left = 0, Centre = 1, Right = 2 };

// The eleven fonts every print job owns, sized on the logical page.
enum class ReportFont {
  Body,
  Title,
  Sans,
  Arial,
  BodyBold,
  Heading,
  Footer,
  ArialBold,
  Large,
  Small,
  SmallBold,
};
inline constexpr int kReportFontCount = 11;

// Edges of a cell; right and bottom are the edges themselves, not the last unit inside.
struct PrintRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const PrintRect&) const = default;
};

struct PrintPoint {
  int x = 0;
  int y = 0;
  bool operator==(const PrintPoint&) const = default;
};

// One line of text as it lands on the device: its top and its aligned edge.
struct PrintLine {
  QString text;
  PrintPoint device;
  bool operator==(const PrintLine&) const = default;
};

// One drawing primitive as the engine hands it to a back end. Logical values already include
// the origin in force when it was drawn; device values are what the back end paints.
struct PrintItem {
  enum class Kind { Text, Cell, Box, Frame };

  Kind kind = Kind::Text;
  int page = 0;  // 1 for the first page of the document
  PrintRect cell;
  PrintPoint anchor;  // Text and Cell: where the text's top and aligned edge are
  PrintRect deviceCell;
  PrintPoint deviceAnchor;
  QString text;
  std::vector<PrintLine> lines;  // what is painted: one line, or the lines of a box
  ReportFont font = ReportFont::Body;
  TextAlign align = TextAlign::Left;
  bool shaded = false;
  bool framed = false;
};
