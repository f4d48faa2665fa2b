#include "support/pdf_reader.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace {

QString RunPdfTool(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return QString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

QString MissingPdfReader() {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
      QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) {
    return QStringLiteral("poppler-utils (pdftotext, pdfinfo) is not installed");
  }
  return {};
}

QString PdfInfo(const QString& path) { return RunPdfTool(QStringLiteral("pdfinfo"), {path}); }

QString PdfText(const QString& path) {
  return RunPdfTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
}

QString PdfPageText(const QString& path, int page) {
  const QString number = QString::number(page);
  return RunPdfTool(QStringLiteral("pdftotext"),
                    {QStringLiteral("-f"), number, QStringLiteral("-l"), number,
                     QStringLiteral("-layout"), path, QStringLiteral("-")});
}

QString PdfWordBoxes(const QString& path) {
  return RunPdfTool(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), path, QStringLiteral("-")});
}
