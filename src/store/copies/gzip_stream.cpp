#include "store/copies/gzip_stream.h"

#include <zlib.h>

#include <QIODevice>

namespace {

constexpr int kGzipWindow = 15 + 16;  // the largest window, with gzip's header and trailer
constexpr qsizetype kOutPiece = 256 * 1024;
constexpr qsizetype kInPiece = 256 * 1024;

}  // namespace

GzipWriter::GzipWriter(QIODevice& device, int level)
    : device_(device), stream_(std::make_unique<z_stream_s>()), out_(kOutPiece, Qt::Uninitialized) {
  *stream_ = {};
  ok_ = deflateInit2(stream_.get(), level, Z_DEFLATED, kGzipWindow, 8, Z_DEFAULT_STRATEGY) == Z_OK;
}

GzipWriter::~GzipWriter() { deflateEnd(stream_.get()); }

bool GzipWriter::Deflate(int flush) {
  int result = Z_OK;
  do {
    stream_->next_out = reinterpret_cast<Bytef*>(out_.data());
    stream_->avail_out = static_cast<uInt>(out_.size());
    result = deflate(stream_.get(), flush);
    if (result == Z_STREAM_ERROR) return false;
    const qint64 produced = out_.size() - static_cast<qsizetype>(stream_->avail_out);
    if (produced > 0 && device_.write(out_.constData(), produced) != produced) return false;
    written_ += produced;
  } while (stream_->avail_out == 0 || (flush == Z_FINISH && result != Z_STREAM_END));
  return true;
}

bool GzipWriter::Write(const QByteArray& text) {
  if (!ok_) return false;
  stream_->next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.constData()));
  stream_->avail_in = static_cast<uInt>(text.size());
  ok_ = Deflate(Z_NO_FLUSH) && stream_->avail_in == 0;
  return ok_;
}

bool GzipWriter::Finish() {
  if (!ok_) return false;
  stream_->next_in = nullptr;
  stream_->avail_in = 0;
  ok_ = Deflate(Z_FINISH);
  return ok_;
}

GzipReader::GzipReader(const QString& path) : file_(path), stream_(std::make_unique<z_stream_s>()) {
  *stream_ = {};
  if (!file_.open(QIODevice::ReadOnly) || inflateInit2(stream_.get(), kGzipWindow) != Z_OK) {
    state_ = State::kUnreadable;
    return;
  }
  size_ = file_.size();
}

GzipReader::~GzipReader() { inflateEnd(stream_.get()); }

bool GzipReader::Read(QByteArray& text) {
  if (state_ != State::kReading) return false;
  if (stream_->avail_in == 0) {
    in_.resize(kInPiece);
    const qint64 got = file_.read(in_.data(), in_.size());
    if (got < 0) {
      state_ = State::kUnreadable;
      return false;
    }
    in_.resize(got);
    if (!begun_) {
      // gzip's magic bytes: anything else is not a compressed copy at all.
      begun_ = true;
      if (got < 2 || static_cast<unsigned char>(in_[0]) != 0x1f ||
          static_cast<unsigned char>(in_[1]) != 0x8b) {
        state_ = State::kNotGzip;
        return false;
      }
    }
    if (got == 0) {
      state_ = State::kTruncated;
      return false;
    }
    stream_->next_in = reinterpret_cast<Bytef*>(in_.data());
    stream_->avail_in = static_cast<uInt>(got);
  }
  const qsizetype before = text.size();
  text.resize(before + kOutPiece * 4);
  stream_->next_out = reinterpret_cast<Bytef*>(text.data() + before);
  stream_->avail_out = static_cast<uInt>(kOutPiece * 4);
  const int result = inflate(stream_.get(), Z_NO_FLUSH);
  text.resize(text.size() - static_cast<qsizetype>(stream_->avail_out));
  switch (result) {
    case Z_OK:
    case Z_BUF_ERROR:  // no progress possible with this input: more is read next time
      return true;
    case Z_STREAM_END:
      // One member and nothing after it: bytes beyond it are not this program's copy.
      state_ = stream_->avail_in == 0 && file_.atEnd() ? State::kEnd : State::kDamaged;
      return state_ == State::kEnd || text.size() > before;
    default:
      state_ = State::kDamaged;
      return false;
  }
}
