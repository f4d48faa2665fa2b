#include "store/text_numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

QString FormatInteger(double value) {
  if (std::isnan(value)) return QStringLiteral("0");
  const double truncated = std::trunc(value);
  // Out-of-range values saturate instead of invoking undefined behaviour.
  if (truncated >= 9.2233720368547758e18)
    return QString::number(std::numeric_limits<qint64>::max());
  if (truncated <= -9.2233720368547758e18)
    return QString::number(std::numeric_limits<qint64>::min());
  return QString::number(static_cast<qint64>(truncated));
}

namespace {

// The sign and digits (with one optional point) at the start of the text, as Latin-1 bytes.
QByteArray LeadingNumberBytes(const QString& text, bool allowPoint) {
  QByteArray bytes;
  int i = 0;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
    if (text[i] == u'-') bytes.append('-');
    ++i;
  }
  bool seenPoint = false;
  for (; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c >= u'0' && c <= u'9') {
      bytes.append(static_cast<char>(c.unicode()));
    } else if (allowPoint && c == u'.' && !seenPoint) {
      seenPoint = true;
      bytes.append('.');
    } else {
      break;
    }
  }
  return bytes;
}

}  // namespace

long long LeadingInteger(const QString& text) {
  const QByteArray bytes = LeadingNumberBytes(text, false);
  long long value = 0;
  const auto [end, error] =
      std::from_chars(bytes.constData(), bytes.constData() + bytes.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    return bytes.startsWith('-') ? std::numeric_limits<long long>::min()
                                 : std::numeric_limits<long long>::max();
  }
  return error == std::errc() ? value : 0;
}

double LeadingDecimal(const QString& text) {
  const QByteArray bytes = LeadingNumberBytes(text, true);
  double value = 0;
  const auto [end, error] =
      std::from_chars(bytes.constData(), bytes.constData() + bytes.size(), value);
  (void)end;
  return error == std::errc() ? value : 0;
}
