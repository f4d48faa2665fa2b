#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <variant>

#include "store/copies/copy_format.h"

class GzipReader;

// Why a copy is not used: told before anything of the register changes.
struct CopyRefusal {
  enum class Reason { kUnreadable, kNotCopy, kDamaged, kTruncated, kNewer };
  Reason reason;
  QString text;
};

// One statement of a copy, as the file has it (without its closing ';').
struct CopyStatement {
  enum class Kind { kSession, kCreateDatabase, kCreateTable, kInsert };
  Kind kind = Kind::kSession;
  QByteArray text;
  QString database;
  QString table;  // of a definition or an insert
  // Where "`database`.`table`" stands in the text, so a restore may give it another name.
  qsizetype nameStart = 0;
  qsizetype nameEnd = 0;
  qint64 rows = 0;  // of an insert
};

// Reads a copy back statement by statement, each checked against the few forms a copy
// writes (values are only quoted texts, numbers and NULL), and at its end the tables and
// their rows against the header. Nothing is sent anywhere: the reader only reads.
class CopyReader {
 public:
  explicit CopyReader(const QString& path);
  ~CopyReader();
  CopyReader(const CopyReader&) = delete;
  CopyReader& operator=(const CopyReader&) = delete;

  // Reads the header: nothing when the file is a copy this program can restore.
  [[nodiscard]] std::optional<CopyRefusal> Open();
  const CopyHeader& Header() const { return header_; }

  // The next statement; false at the end of the copy, whole (Refusal() empty) or not.
  [[nodiscard]] bool Next(CopyStatement& statement);
  const std::optional<CopyRefusal>& Refusal() const { return refusal_; }

  // How far the reading has come, 0 to 1, by the compressed bytes read.
  double Fraction() const;
  // The text read so far, in bytes: at the end, the copy's whole size uncompressed.
  qint64 TextBytes() const { return textBytes_; }

 private:
  enum class Parsed { kStatement, kIncomplete, kEnd, kInvalid };
  Parsed ParseNext(CopyStatement& statement);
  // Reads more text into the buffer; false when there is none (the state says why).
  bool Fill();
  void Refuse(CopyRefusal::Reason reason, const QString& detail = {});
  void RefuseRead();
  bool Finish();
  bool Accept(CopyStatement& statement, QString& fault);

  QString shown_;
  std::unique_ptr<GzipReader> gzip_;
  CopyHeader header_;
  QByteArray buffer_;
  qsizetype position_ = 0;
  qint64 textBytes_ = 0;
  std::optional<CopyRefusal> refusal_;
  bool ended_ = false;
  qsizetype sessionDone_ = 0;
  QStringList databases_;
  QHash<QString, qint64> rows_;  // per table defined so far, the rows its inserts carried
};

struct CheckedCopy {
  CopyHeader header;
  qint64 textBytes = 0;  // the copy's text uncompressed
};

// Reads the whole copy: what a restore checks before anything changes. The header of a
// whole copy, or why it is refused. `progress` is told the fraction read now and then.
[[nodiscard]] std::variant<CheckedCopy, CopyRefusal> CheckCopy(
    const QString& path, const std::function<void(double)>& progress = {});
