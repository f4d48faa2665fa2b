#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <memory>

class QIODevice;
struct z_stream_s;

// The compression level of the register's copies: gzip's own default, the balance a
// database administrator's tools use too.
inline constexpr int kCopyCompressionLevel = 6;

// Text compressed as one gzip member into a device, as `gzip` writes it: `zcat` reads it.
class GzipWriter {
 public:
  GzipWriter(QIODevice& device, int level = kCopyCompressionLevel);
  ~GzipWriter();
  GzipWriter(const GzipWriter&) = delete;
  GzipWriter& operator=(const GzipWriter&) = delete;

  // False once the device refused a write (a full disk); nothing more is written then.
  [[nodiscard]] bool Write(const QByteArray& text);
  // The end of the member with its checksum and length; false when it could not be written.
  [[nodiscard]] bool Finish();
  qint64 Written() const { return written_; }

 private:
  bool Deflate(int flush);

  QIODevice& device_;
  std::unique_ptr<z_stream_s> stream_;
  QByteArray out_;
  bool ok_ = true;
  qint64 written_ = 0;  // compressed bytes given to the device
};

// The text of a gzip file, read in pieces. A file that is not gzip, whose compressed data or
// checksum is wrong, that ends before its member does or carries bytes after it is told
// apart, so a copy is refused with its true reason.
class GzipReader {
 public:
  enum class State { kReading, kEnd, kNotGzip, kDamaged, kTruncated, kUnreadable };

  explicit GzipReader(const QString& path);
  ~GzipReader();
  GzipReader(const GzipReader&) = delete;
  GzipReader& operator=(const GzipReader&) = delete;

  // Appends the next piece of text to `text`; false at the end or on a fault (State says).
  bool Read(QByteArray& text);
  State GetState() const { return state_; }
  // Compressed bytes read so far and the file's size: how far the reading has come.
  qint64 Position() const { return file_.pos(); }
  qint64 Size() const { return size_; }

 private:
  QFile file_;
  std::unique_ptr<z_stream_s> stream_;
  QByteArray in_;
  State state_ = State::kReading;
  qint64 size_ = 0;
  bool begun_ = false;
};
