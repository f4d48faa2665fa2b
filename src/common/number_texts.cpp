#include "common/number_texts.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

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
