#include "common/identifiers.h"

#include <array>

namespace {

bool AllDigits(const QString& text) {
  for (const QChar c : text) {
    if (c < u'0' || c > u'9') return false;
  }
  return !text.isEmpty();
}

int DigitAt(const QString& text, int position) { return text.at(position).unicode() - u'0'; }

template <std::size_t N>
int WeightedSum(const QString& digits, const std::array<int, N>& weights) {
  int sum = 0;
  for (std::size_t i = 0; i < N; ++i) sum += DigitAt(digits, static_cast<int>(i)) * weights[i];
  return sum;
}

constexpr std::array<int, 12> kCnpWeights = {2, 7, 9, 1, 4, 6, 3, 5, 8, 2, 7, 9};
constexpr std::array<int, 9> kCuiWeights = {7, 5, 3, 2, 1, 7, 5, 3, 2};
constexpr int kIbanLength = 24;

}  // namespace

bool CheckCnp(const QString& cnp) {
  // Only digits: counting a stray blank or letter as 0 would pass codes that are not CNPs.
  if (cnp.size() != 13 || !AllDigits(cnp)) return false;
  if (cnp == QLatin1String("0000000000000")) return false;
  int control = WeightedSum(cnp, kCnpWeights) % 11;
  if (control == 10) control = 1;
  return control == DigitAt(cnp, 12);
}

bool CheckCui(const QString& cui) {
  const QString code = StripLeadingZeros(cui.trimmed());
  if (!AllDigits(code) || code.size() < 2) return false;
  if (code.size() >= 13) return CheckCnp(code);
  if (code.size() >= 10) return false;
  const QString padded = PadLeft(code, 10);
  int control = WeightedSum(padded, kCuiWeights) * 10 % 11;
  if (control == 10) control = 0;
  return control == DigitAt(padded, 9);
}

bool CheckIban(const QString& iban) {
  if (iban.size() != kIbanLength) return false;
  // The characters are checked before the case changes: upper-casing a dotless "ı" or a long
  // "ſ" gives a Latin "I" or "S".
  for (const QChar c : iban) {
    const bool latin =
        (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
    if (!latin) return false;  // blanks, signs and other letters are not part of an account
  }
  const QString moved = (iban.mid(4) + iban.left(4)).toUpper();
  // The remainder modulo 97 of the number the letters expand to (A = 10 … Z = 35), taken
  // digit by digit so it never overflows.
  int remainder = 0;
  for (const QChar c : moved) {
    if (c >= u'0' && c <= u'9') {
      remainder = (remainder * 10 + (c.unicode() - u'0')) % 97;
    } else if (c >= u'A' && c <= u'Z') {
      remainder = (remainder * 100 + (c.unicode() - u'A' + 10)) % 97;
    } else {
      return false;
    }
  }
  return remainder == 1;
}

QString PadLeft(const QString& text, int width) {
  if (text.size() >= width) return text;
  return QString(width - text.size(), u'0') + text;
}

QString StripLeadingZeros(const QString& text) {
  if (text == QLatin1String(" ")) return {};
  qsizetype start = 0;
  while (start < text.size() - 1 && text.at(start) == u'0') ++start;
  return text.mid(start);
}
