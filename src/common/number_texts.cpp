#include "common/number_texts.h"

#include <algorithm>
#include <array>
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

namespace {

constexpr int kMaxDecimals = 20;

// The integer digits grouped by three from the right with a point between the groups.
QString GroupDigits(const QString& digits) {
  QString grouped;
  grouped.reserve(digits.size() + digits.size() / 3);
  const qsizetype first = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
  grouped.append(digits.left(first));
  for (qsizetype i = first; i < digits.size(); i += 3) {
    grouped.append(u'.');
    grouped.append(digits.mid(i, 3));
  }
  return grouped;
}

// "-0.00": a value that rounds to zero carries no sign.
bool OnlyZeros(const char* begin, const char* end) {
  return std::all_of(begin, end, [](char c) { return c == '0' || c == '.' || c == '-'; });
}

}  // namespace

QString FormatDecimal(double x, int decimals, bool grouped) {
  if (!std::isfinite(x)) x = 0;
  decimals = std::clamp(decimals, 0, kMaxDecimals);
  // A double's integer part has at most 309 digits.
  std::array<char, 320 + kMaxDecimals> buffer{};
  const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                          std::chars_format::fixed, decimals);
  if (error != std::errc()) return QStringLiteral("0");
  const char* begin = buffer.data();
  if (*begin == '-' && OnlyZeros(begin, end)) ++begin;
  const QString text = QString::fromLatin1(begin, end - begin);
  return grouped ? FormatThousands(text) : text;
}

QString FormatThousands(const QString& number) {
  if (number.isEmpty()) return QStringLiteral("0");
  const bool negative = number.startsWith(u'-');
  const QString unsignedPart = negative ? number.mid(1) : number;
  const qsizetype point = unsignedPart.indexOf(u'.');
  const QString integerDigits = point < 0 ? unsignedPart : unsignedPart.left(point);
  QString shown = negative ? QStringLiteral("-") : QString();
  shown.append(GroupDigits(integerDigits));
  if (point >= 0) shown.append(u',').append(unsignedPart.mid(point + 1));
  return shown;
}

QString IntegerText(long long value, bool grouped) {
  const QString digits = QString::number(value);
  return grouped ? FormatThousands(digits) : digits;
}
