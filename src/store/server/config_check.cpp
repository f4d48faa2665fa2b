#include "store/server/config_check.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace {

bool HasControlCharacters(const QString& line) {
  for (const QChar c : line) {
    if (c.unicode() < 0x20 && c != u'\t' && c != u'\r') return true;
  }
  return false;
}

std::optional<QString> LineFault(const QString& line, bool inGroup) {
  static const QRegularExpression optionName(QStringLiteral("^[A-Za-z0-9_.-]+$"));
  if (HasControlCharacters(line) || line.contains(QChar::ReplacementCharacter)) {
    return QStringLiteral("contine caractere care nu sunt text");
  }
  const QString trimmed = line.trimmed();
  if (trimmed.isEmpty() || trimmed.startsWith(u'#') || trimmed.startsWith(u';')) return {};
  if (trimmed.startsWith(u'[')) {
    const QString group = trimmed.section(u'#', 0, 0).trimmed();
    if (!group.endsWith(u']') || group.size() < 3) return QStringLiteral("grup neinchis");
    return {};
  }
  if (trimmed.startsWith(u'!')) {
    if (trimmed.startsWith(QLatin1String("!include ")) ||
        trimmed.startsWith(QLatin1String("!includedir "))) {
      return {};
    }
    return QStringLiteral("directiva necunoscuta");
  }
  if (!inGroup) return QStringLiteral("optiune inaintea oricarui grup");
  if (!optionName.match(trimmed.section(u'=', 0, 0).trimmed()).hasMatch()) {
    return QStringLiteral("nume de optiune gresit");
  }
  return {};
}

}  // namespace

std::optional<ConfigFault> FindConfigFault(const QByteArray& contents) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString text = utf8.decode(contents);
  if (utf8.hasError()) {
    // Name the first line that is not text.
    int number = 1;
    for (const QByteArray& line : contents.split('\n')) {
      QStringDecoder lineDecoder(QStringDecoder::Utf8);
      const QString decoded = lineDecoder.decode(line);
      if (lineDecoder.hasError()) {
        return ConfigFault{number, decoded, QStringLiteral("contine caractere care nu sunt text")};
      }
      ++number;
    }
  }
  const QStringList lines = text.split(u'\n');
  bool inGroup = false;
  bool serverGroup = false;
  bool dataDir = false;
  bool includes = false;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (const std::optional<QString> reason = LineFault(lines[i], inGroup)) {
      return ConfigFault{static_cast<int>(i + 1), lines[i], *reason};
    }
    const QString trimmed = lines[i].trimmed();
    includes = includes || trimmed.startsWith(u'!');
    if (trimmed.startsWith(u'[')) {
      inGroup = true;
      serverGroup = trimmed.startsWith(QLatin1String("[libmysqld_server]"));
    } else if (serverGroup && trimmed.section(u'=', 0, 0).trimmed() == QLatin1String("datadir")) {
      dataDir = true;
    }
  }
  if (!dataDir && !includes) {
    return ConfigFault{0, {}, QStringLiteral("nu are linia datadir in grupul [libmysqld_server]")};
  }
  return {};
}
