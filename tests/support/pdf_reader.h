#pragma once

#include <gtest/gtest.h>

#include <QString>

// The PDF files the program writes are read back with poppler's tools (poppler-utils), a
// reader nobody here wrote.

// Why the files cannot be read: empty when pdftotext and pdfinfo are both installed.
[[nodiscard]] QString MissingPdfReader();

// Skips the running test, with the reason, where the reader is missing.
#define SKIP_WITHOUT_PDF_READER()                                                        \
  if (const QString missingPdfReader = MissingPdfReader(); missingPdfReader.isEmpty()) { \
  } else                                                                                 \
    GTEST_SKIP() << missingPdfReader.toStdString()

// Each of these is a tool's standard output, empty when the tool fails.
// pdfinfo's report: pages, title, page size.
[[nodiscard]] QString PdfInfo(const QString& path);
// The text of every page, in reading order.
[[nodiscard]] QString PdfText(const QString& path);
// The text of one page (from 1), laid out as on the page.
[[nodiscard]] QString PdfPageText(const QString& path, int page);
// Every word with its box in points, as pdftotext -bbox writes it.
[[nodiscard]] QString PdfWordBoxes(const QString& path);
