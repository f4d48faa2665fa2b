#pragma once

// Byte layout of a dBase III table, shared by the writer and the reader.

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

namespace dbf {

constexpr int kHeaderSize = 32;
constexpr int kDescriptorSize = 32;
constexpr int kNameSize = 11;
constexpr int kTypeOffset = 11;
constexpr int kLengthOffset = 16;
constexpr int kRecordCountOffset = 4;
constexpr int kHeaderLengthOffset = 8;
constexpr int kRecordLengthOffset = 10;

constexpr char kVersion = 3;  // dBase III without memo
constexpr char kDescriptorsEnd = 0x0D;
constexpr char kFileEnd = 0x1A;
constexpr char kLive = ' ';
constexpr char kDeleted = '*';

inline int HeaderLength(int fieldCount) { return kHeaderSize * (fieldCount + 1) + 1; }

inline void AppendLittleEndian(QByteArray& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

inline std::uint32_t ReadLittleEndian(QByteArrayView bytes, int offset, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) {
    value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
  }
  return value;
}

}  // namespace dbf
