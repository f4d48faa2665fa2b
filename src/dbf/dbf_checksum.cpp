#include "dbf/dbf_checksum.h"

#include <QCryptographicHash>
#include <QFile>

namespace {

constexpr qsizetype kDateStart = 1;
constexpr qsizetype kDateEnd = 4;

}  // namespace

QString DbfChecksum(QByteArrayView bytes) {
  QCryptographicHash hash(QCryptographicHash::Sha256);
  if (bytes.size() < kDateEnd) {
    hash.addData(bytes);
  } else {
    hash.addData(bytes.first(kDateStart));
    hash.addData(QByteArrayView("\0\0\0", kDateEnd - kDateStart));
    hash.addData(bytes.sliced(kDateEnd));
  }
  return QString::fromLatin1(hash.result().toHex());
}

std::optional<QString> DbfFileChecksum(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  return DbfChecksum(bytes);
}
