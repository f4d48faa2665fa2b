#include "dbf/codepage.h"

#include <array>
#include <cstdint>

namespace {

constexpr char16_t kUndefined = 0xFFFD;

// Unicode of the bytes 0x80..0xFF; below 0x80 the code page is ASCII.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0xFFFD, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  //
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0xFFFD, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  //
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  //
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  //
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  //
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  //
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  //
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  //
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  //
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  //
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  //
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  //
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  //
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  //
};

// Every character the code page has lies below U+2123 (the trade-mark sign).
constexpr std::size_t kReverseSize = 0x2123;

constexpr std::array<std::uint8_t, kReverseSize> BuildReverse() {
  std::array<std::uint8_t, kReverseSize> reverse{};  // 0 = not in the code page
  for (std::size_t i = 0; i < kHighHalf.size(); ++i) {
    if (kHighHalf[i] != kUndefined) reverse[kHighHalf[i]] = static_cast<std::uint8_t>(0x80 + i);
  }
  // Romanian letters with comma below, which the code page only has with a cedilla.
  reverse[0x0218] = 0xAA;  // Ș -> Ş
  reverse[0x0219] = 0xBA;  // ș -> ş
  reverse[0x021A] = 0xDE;  // Ț -> Ţ
  reverse[0x021B] = 0xFE;  // ț -> ţ
  return reverse;
}

constexpr std::array<std::uint8_t, kReverseSize> kReverse = BuildReverse();

char ByteOf(char32_t code) {
  if (code < 0x80) return static_cast<char>(code);
  if (code < kReverseSize && kReverse[code] != 0) return static_cast<char>(kReverse[code]);
  return '?';
}

bool IsCombiningMark(char32_t code) { return code >= 0x0300 && code <= 0x036F; }

constexpr qsizetype kStoppedAtMark = -1;

// One byte per character into at most room bytes; the count written, or kStoppedAtMark
// when stopAtMark is set and the text holds a combining mark.
qsizetype WriteBytes(QStringView text, char* dest, qsizetype room, bool stopAtMark) {
  const char* const begin = dest;
  const char* const full = dest + room;
  const char16_t* p = text.utf16();
  const char16_t* const end = p + text.size();
  while (p != end && dest != full) {
    char32_t code = *p++;
    if (code < 0x80) {
      *dest++ = static_cast<char>(code);
      continue;
    }
    if (stopAtMark && IsCombiningMark(code)) return kStoppedAtMark;
    // A character outside the basic plane is one character: one "?", not two.
    if (QChar::isHighSurrogate(code) && p != end && QChar::isLowSurrogate(*p)) {
      code = QChar::surrogateToUcs4(static_cast<char16_t>(code), *p++);
    }
    *dest++ = ByteOf(code);
  }
  return dest - begin;
}

}  // namespace

qsizetype WriteCp1250(QStringView text, char* dest, qsizetype room) {
  const qsizetype written = WriteBytes(text, dest, room, true);
  if (written != kStoppedAtMark) return written;
  // Letters typed as a base letter plus a combining comma or cedilla are joined first, so
  // that "s" + U+0326 is written as one ş and not as "s?"; a mark left over is a character
  // the code page lacks.
  return WriteBytes(text.toString().normalized(QString::NormalizationForm_C), dest, room, false);
}

void AppendCp1250(QByteArray& out, QStringView text) {
  const qsizetype start = out.size();
  out.resize(start + text.size());  // never more bytes than UTF-16 units
  out.truncate(start + WriteCp1250(text, out.data() + start, text.size()));
}

QByteArray ToCp1250(const QString& text) {
  QByteArray out;
  out.reserve(text.size());
  AppendCp1250(out, text);
  return out;
}

QString FromCp1250(QByteArrayView bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  char16_t* out = reinterpret_cast<char16_t*>(text.data());
  for (const char byte : bytes) {
    const auto b = static_cast<unsigned char>(byte);
    *out++ = b < 0x80 ? char16_t{b} : kHighHalf[b - 0x80];
  }
  return text;
}
