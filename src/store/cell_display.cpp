#include "store/list_model.h"

namespace {

bool StartsWithDigit(const QString& text) { return !text.isEmpty() && text[0].isDigit(); }

// Kinds 3 and 5: thousands grouped with ".", decimals after ",".
QString GroupedNumber(const QString& text, bool twoDecimals) {
  if (text.isEmpty()) return twoDecimals ? QStringLiteral("0,00") : QStringLiteral("0");
  QString number = text;
  number.replace(u'.', u',');
  const int comma = number.indexOf(u',');
  QString kept = comma >= 0 ? number.mid(comma) : QString();
  QString whole = comma >= 0 ? number.left(comma) : number;
  QString sign;
  if (whole.startsWith(u'-')) {
    sign = QStringLiteral("-");
    whole.remove(0, 1);
  }
  QString grouped;
  for (int i = 0; i < whole.size(); ++i) {
    if (i > 0 && (whole.size() - i) % 3 == 0) grouped.append(u'.');
    grouped.append(whole[i]);
  }
  if (twoDecimals) {
    if (kept.isEmpty()) {
      kept = QStringLiteral(",00");
    } else if (kept.size() == 1) {
      kept.append(QStringLiteral("00"));
    } else if (kept.size() == 2) {
      kept.append(u'0');
    }
  }
  return sign + grouped + kept;
}

}  // namespace

QString DisplayTextForKind(const QString& kind, const QString& text) {
  if (kind.isEmpty()) return text;
  switch (kind.toInt()) {
    case 1:
      if (text.size() == 8 && StartsWithDigit(text)) {
        return text.mid(6, 2) + u'.' + text.mid(4, 2) + u'.' + text.left(4);
      }
      return text;
    case 2:
      if (text.size() == 6 && StartsWithDigit(text)) return text.mid(4, 2) + u'.' + text.left(4);
      return text;
    case 4:
      if (text.size() == 14 && StartsWithDigit(text)) {
        return text.mid(6, 2) + u'.' + text.mid(4, 2) + u'.' + text.left(4) + u' ' +
               text.mid(8, 2) + u':' + text.mid(10, 2) + u':' + text.mid(12, 2);
      }
      return text;
    case 3:
    case 5:
      if (text.isEmpty() || StartsWithDigit(text) || text[0] == u'-' || text[0] == u'+') {
        return GroupedNumber(text, kind.toInt() == 5);
      }
      return text;
    default:
      return text;
  }
}
