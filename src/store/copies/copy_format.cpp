#include "store/copies/copy_format.h"

#include <QRegularExpression>

namespace {

const QString kFileStamp = QStringLiteral("yyyy-MM-dd_HHmm");

}  // namespace

QString CopyFileName(const QDateTime& taken) {
  return QStringLiteral("velka-asigurati_") + taken.toString(kFileStamp) +
         QStringLiteral(".sql.gz");
}

std::optional<QDateTime> CopyFileTime(const QString& fileName) {
  static const QRegularExpression name(
      QStringLiteral("^velka-asigurati_(\\d{4}-\\d{2}-\\d{2}_\\d{4})\\.sql\\.gz$"));
  const QRegularExpressionMatch match = name.match(fileName);
  if (!match.hasMatch()) return std::nullopt;
  const QDateTime time = QDateTime::fromString(match.captured(1), kFileStamp);
  if (!time.isValid()) return std::nullopt;
  return time;
}

const QStringList& CopiedDatabases() {
  static const QStringList databases = {QStringLiteral("asigurati"), QStringLiteral("concedii")};
  return databases;
}

qint64 CopyHeader::TotalRows() const {
  qint64 total = 0;
  for (const CopyTable& table : tables) total += table.rows;
  return total;
}

QByteArray HeaderText(const CopyHeader& header) {
  const auto line = [](const QString& key, const QString& value) {
    QString text = value;
    text.replace(u'\n', u' ');
    return (QStringLiteral("-- ") + key + QStringLiteral(": ") + text + u'\n').toUtf8();
  };
  QByteArray text = "-- Velka Asigurati: copie a registrului\n";
  text += line(QStringLiteral("Formatul copiei"), QString::number(header.format));
  text += line(QStringLiteral("Programul"), header.program);
  text += line(QStringLiteral("Versiunea registrului"), header.registerVersion);
  text += line(QStringLiteral("Facuta la"), header.taken);
  text += line(QStringLiteral("Registrul"), header.origin);
  text += line(QStringLiteral("Incarcare"),
               QStringLiteral("zcat FISIER | mariadb, intr-un server fara registru"));
  for (const CopyTable& table : header.tables) {
    text += line(QStringLiteral("Tabel"), table.name + u' ' + QString::number(table.rows));
  }
  return text + "-- Sfarsitul antetului\n";
}

const std::vector<QByteArray>& SessionStatements() {
  static const std::vector<QByteArray> statements = {
      "SET NAMES utf8mb4",
      "SET time_zone='+00:00'",
      "SET sql_mode='NO_ENGINE_SUBSTITUTION,NO_AUTO_VALUE_ON_ZERO'",
  };
  return statements;
}

qsizetype DefinitionEnd(const QByteArray& text, qsizetype open) {
  int depth = 0;
  for (qsizetype i = open; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\'' || c == '`' || c == '"') {
      // A quoted text or name: its own quote doubled, or (in texts) escaped, stays inside.
      for (++i; i < text.size(); ++i) {
        if (c != '`' && text[i] == '\\') {
          ++i;
        } else if (text[i] == c) {
          if (i + 1 < text.size() && text[i + 1] == c) {
            ++i;
          } else {
            break;
          }
        }
      }
      if (i >= text.size()) return -1;
    } else if (c == '(') {
      ++depth;
    } else if (c == ')' && --depth == 0) {
      return i;
    }
  }
  return -1;
}

QByteArray QuotedIdentifier(const QByteArray& name) {
  QByteArray quoted = name;
  quoted.replace('`', "``");
  return '`' + quoted + '`';
}

QByteArray QuotedName(const QString& database, const QString& table) {
  return QuotedIdentifier(database.toUtf8()) + '.' + QuotedIdentifier(table.toUtf8());
}

std::optional<QByteArray> PortableDefinition(const QByteArray& shown, const QString& database) {
  static const QRegularExpression head(QStringLiteral("^CREATE TABLE (`(?:[^`]|``)+`) \\("));
  const QString text = QString::fromUtf8(shown);
  const QRegularExpressionMatch named = head.match(text);
  if (!named.hasMatch()) return std::nullopt;
  const qsizetype open = shown.indexOf('(');
  const qsizetype close = DefinitionEnd(shown, open);
  if (close < 0) return std::nullopt;
  const QString options = QString::fromUtf8(shown.mid(close + 1));
  QByteArray portable = "CREATE TABLE " + QuotedIdentifier(database.toUtf8()) + '.' +
                        named.captured(1).toUtf8() + ' ' + shown.mid(open, close + 1 - open);
  static const QRegularExpression kept[] = {
      QRegularExpression(QStringLiteral("\\b(DEFAULT CHARSET=\\w+)")),
      QRegularExpression(QStringLiteral("\\b(COLLATE=\\w+)")),
      QRegularExpression(QStringLiteral("\\b(AUTO_INCREMENT=\\d+)")),
  };
  for (const QRegularExpression& option : kept) {
    const QRegularExpressionMatch found = option.match(options);
    if (found.hasMatch()) portable += ' ' + found.captured(1).toUtf8();
  }
  return portable;
}
