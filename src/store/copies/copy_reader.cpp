#include "store/copies/copy_reader.h"

#include <QDir>
#include <QRegularExpression>
#include <algorithm>
#include <cstring>
#include <string_view>

#include "store/copies/gzip_stream.h"
#include "store/schema/schema.h"

namespace {

// Far above the statements a copy writes (half a megabyte of rows each): a longer one is not
// read into memory.
constexpr qsizetype kLongestStatement = 32 * 1024 * 1024;
constexpr qsizetype kLongestHeader = 1024 * 1024;
const QByteArray kTitle = "-- Velka Asigurati: copie a registrului";
const QByteArray kHeaderEnd = "-- Sfarsitul antetului";

bool Blank(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }
bool Digit(char c) { return c >= '0' && c <= '9'; }
bool HexDigit(char c) { return Digit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// A place in the text read so far. `cut` is set when a form runs past that text: the
// statement may be whole once more is read.
struct Cursor {
  const char* p;
  const char* end;
  bool cut = false;

  bool AtEnd() {
    if (p < end) return false;
    cut = true;
    return true;
  }
  void SkipBlanks() {
    while (p < end && Blank(*p)) ++p;
  }
  // The exact words next: taken, or nothing moved.
  bool Take(std::string_view words) {
    const auto left = static_cast<size_t>(end - p);
    if (left < words.size()) {
      if (std::memcmp(p, words.data(), left) == 0) cut = true;
      return false;
    }
    if (std::memcmp(p, words.data(), words.size()) != 0) return false;
    p += words.size();
    return true;
  }
  // `name`, a backquote inside doubled.
  std::optional<QByteArray> Identifier() {
    if (AtEnd() || *p != '`') return std::nullopt;
    QByteArray name;
    for (const char* at = p + 1; at < end; ++at) {
      if (*at != '`') {
        name += *at;
        continue;
      }
      if (at + 1 >= end) break;
      if (at[1] == '`') {
        name += '`';
        ++at;
        continue;
      }
      p = at + 1;
      return name;
    }
    cut = true;
    return std::nullopt;
  }
  // 'text', with backslash escapes and doubled quotes, as the connection escapes values.
  bool QuotedText() {
    for (const char* at = p + 1; at < end; ++at) {
      if (*at == '\\') {
        ++at;
      } else if (*at == '\'') {
        if (at + 1 >= end) break;
        if (at[1] == '\'') {
          ++at;
          continue;
        }
        p = at + 1;
        return true;
      }
    }
    cut = true;
    return false;
  }
  bool HexText() {
    const char* at = p + 2;
    while (at < end && HexDigit(*at)) ++at;
    if (at >= end) {
      cut = true;
      return false;
    }
    if (*at != '\'') return false;
    p = at + 1;
    return true;
  }
  bool Digits(const char*& at) {
    const char* from = at;
    while (at < end && Digit(*at)) ++at;
    return at > from;
  }
  bool NumberValue() {
    const char* at = p;
    if (*at == '-' || *at == '+') ++at;
    bool digits = Digits(at);
    if (at < end && *at == '.') {
      ++at;
      digits = Digits(at) || digits;
    }
    if (digits && at < end && (*at == 'e' || *at == 'E')) {
      ++at;
      if (at < end && (*at == '-' || *at == '+')) ++at;
      digits = Digits(at);
    }
    if (at >= end) {
      cut = true;
      return false;
    }
    if (!digits) return false;
    p = at;
    return true;
  }
  // A value of a row: a quoted text, X'...', NULL or a number; nothing else.
  bool Value() {
    if (AtEnd()) return false;
    if (*p == '\'') return QuotedText();
    if (*p == 'X' || *p == 'x') {
      if (p + 1 >= end) {
        cut = true;
        return false;
      }
      return p[1] == '\'' && HexText();
    }
    if (*p == 'N') return Take("NULL");
    return NumberValue();
  }
  // "(v, v, ...), (...)" up to the closing ';' (left under the cursor); the rows counted.
  bool Rows(qint64& rows) {
    for (;;) {
      SkipBlanks();
      if (AtEnd() || *p != '(') return false;
      ++p;
      for (;;) {
        SkipBlanks();
        if (!Value()) return false;
        SkipBlanks();
        if (AtEnd()) return false;
        if (*p == ')') break;
        if (*p != ',') return false;
        ++p;
      }
      ++p;
      ++rows;
      SkipBlanks();
      if (AtEnd()) return false;
      if (*p == ';') return true;
      if (*p != ',') return false;
      ++p;
    }
  }
  // "`database`.`table`"
  bool TableName(CopyStatement& statement, const char* begin) {
    statement.nameStart = p - begin;
    const std::optional<QByteArray> database = Identifier();
    if (!database || !Take(".")) return false;
    const std::optional<QByteArray> table = Identifier();
    if (!table) return false;
    statement.nameEnd = p - begin;
    statement.database = QString::fromUtf8(*database);
    statement.table = QString::fromUtf8(*table);
    return true;
  }
  bool ColumnList() {
    if (!Take(" (")) return false;
    for (;;) {
      if (!Identifier()) return false;
      if (Take(")")) return true;
      if (!Take(",")) return false;
    }
  }
  // The rest of the statement up to its ';'.
  const char* Semicolon() {
    const auto* found = static_cast<const char*>(std::memchr(p, ';', static_cast<size_t>(end - p)));
    if (found == nullptr) cut = true;
    return found;
  }
};

QString Shown(const QString& path) { return QDir::toNativeSeparators(path); }

bool NewerRegister(const QString& version) {
  bool number = false;
  const double copy = version.toDouble(&number);
  return number && copy > QString::fromLatin1(kSchemaVersion).toDouble();
}

}  // namespace

CopyReader::CopyReader(const QString& path)
    : shown_(Shown(path)), gzip_(std::make_unique<GzipReader>(path)) {}

CopyReader::~CopyReader() = default;

double CopyReader::Fraction() const {
  return gzip_->Size() > 0 ? static_cast<double>(gzip_->Position()) / gzip_->Size() : 0.0;
}

void CopyReader::Refuse(CopyRefusal::Reason reason, const QString& detail) {
  if (refusal_) return;
  QString text;
  switch (reason) {
    case CopyRefusal::Reason::kUnreadable:
      text = QStringLiteral("Fisierul %1 nu exista sau nu poate fi citit.").arg(shown_);
      break;
    case CopyRefusal::Reason::kNotCopy:
      text =
          QStringLiteral("Fisierul %1 nu este o copie a registrului Velka Asigurati.").arg(shown_);
      break;
    case CopyRefusal::Reason::kDamaged:
      text = QStringLiteral("Copia %1 este deteriorata (%2) si nu poate fi folosita.")
                 .arg(shown_, detail);
      break;
    case CopyRefusal::Reason::kTruncated:
      text = QStringLiteral(
                 "Copia %1 este incompleta: fisierul se termina inainte de sfarsitul copiei "
                 "(a fost taiat la scriere sau la copiere) si nu poate fi folosit.")
                 .arg(shown_);
      break;
    case CopyRefusal::Reason::kNewer:
      text = QStringLiteral(
                 "Copia %1 a fost facuta de un program mai nou (%2), iar acest program nu o "
                 "poate citi fara sa piarda date. Restaurati-o cu programul mai nou.")
                 .arg(shown_, detail);
      break;
  }
  refusal_ = CopyRefusal{reason, text};
}

void CopyReader::RefuseRead() {
  switch (gzip_->GetState()) {
    case GzipReader::State::kNotGzip:
      Refuse(CopyRefusal::Reason::kNotCopy);
      break;
    case GzipReader::State::kDamaged:
      Refuse(CopyRefusal::Reason::kDamaged, QStringLiteral("datele comprimate nu se potrivesc"));
      break;
    case GzipReader::State::kUnreadable:
      Refuse(CopyRefusal::Reason::kUnreadable);
      break;
    case GzipReader::State::kEnd:
    case GzipReader::State::kTruncated:
    case GzipReader::State::kReading:
      Refuse(CopyRefusal::Reason::kTruncated);
      break;
  }
}

bool CopyReader::Fill() {
  if (position_ > 0) {
    buffer_.remove(0, position_);
    position_ = 0;
  }
  const qsizetype before = buffer_.size();
  while (buffer_.size() == before) {
    if (!gzip_->Read(buffer_) && buffer_.size() == before) return false;
  }
  textBytes_ += buffer_.size() - before;
  return true;
}

std::optional<CopyRefusal> CopyReader::Open() {
  if (gzip_->GetState() == GzipReader::State::kUnreadable) {
    Refuse(CopyRefusal::Reason::kUnreadable);
    return refusal_;
  }
  bool first = true;
  QString format;
  for (;;) {
    const qsizetype newline = buffer_.indexOf('\n', position_);
    if (newline < 0) {
      if (buffer_.size() > kLongestHeader) {
        Refuse(CopyRefusal::Reason::kNotCopy);
      } else if (!Fill()) {
        // A text that ends inside its header, uncompressed cleanly, is no copy of ours.
        if (gzip_->GetState() == GzipReader::State::kEnd) {
          Refuse(CopyRefusal::Reason::kNotCopy);
        } else {
          RefuseRead();
        }
      }
      if (refusal_) return refusal_;
      continue;
    }
    const QByteArray line = buffer_.mid(position_, newline - position_);
    position_ = newline + 1;
    if (first) {
      first = false;
      if (line != kTitle) Refuse(CopyRefusal::Reason::kNotCopy);
      if (refusal_) return refusal_;
      continue;
    }
    if (line == kHeaderEnd) break;
    if (!line.startsWith("-- ") || !line.contains(": ")) {
      Refuse(CopyRefusal::Reason::kNotCopy);
      return refusal_;
    }
    const QString text = QString::fromUtf8(line.mid(3));
    const QString key = text.section(QStringLiteral(": "), 0, 0);
    const QString value = text.section(QStringLiteral(": "), 1);
    if (key == QLatin1String("Formatul copiei")) {
      format = value;
    } else if (key == QLatin1String("Programul")) {
      header_.program = value;
    } else if (key == QLatin1String("Versiunea registrului")) {
      header_.registerVersion = value;
    } else if (key == QLatin1String("Facuta la")) {
      header_.taken = value;
    } else if (key == QLatin1String("Registrul")) {
      header_.origin = value;
    } else if (key == QLatin1String("Tabel")) {
      const QString name = value.section(u' ', 0, 0);
      bool number = false;
      const qint64 rows = value.section(u' ', 1).toLongLong(&number);
      if (!number || rows < 0 || !CopiedDatabases().contains(name.section(u'.', 0, 0)) ||
          name.count(u'.') != 1) {
        Refuse(CopyRefusal::Reason::kNotCopy);
        return refusal_;
      }
      header_.tables.push_back({name, rows});
    }
  }
  bool number = false;
  header_.format = format.toInt(&number);
  if (!number || header_.format < 1 || header_.registerVersion.isEmpty() ||
      header_.tables.empty()) {
    Refuse(CopyRefusal::Reason::kNotCopy);
  } else if (header_.format > kCopyFormat) {
    Refuse(CopyRefusal::Reason::kNewer,
           QStringLiteral("%1, copie in formatul %2; acest program citeste formatul %3")
               .arg(header_.program)
               .arg(header_.format)
               .arg(kCopyFormat));
  } else if (NewerRegister(header_.registerVersion)) {
    Refuse(CopyRefusal::Reason::kNewer,
           QStringLiteral("%1, registrul versiunea %2; acest program lucreaza cu versiunea %3")
               .arg(header_.program, header_.registerVersion, QLatin1String(kSchemaVersion)));
  }
  return refusal_;
}

CopyReader::Parsed CopyReader::ParseNext(CopyStatement& statement) {
  const char* begin = buffer_.constData() + position_;
  Cursor at{begin, buffer_.constData() + buffer_.size()};
  for (;;) {
    at.SkipBlanks();
    if (at.p >= at.end) return Parsed::kIncomplete;
    if (*at.p != '-') break;
    if (at.end - at.p < 2) return Parsed::kIncomplete;
    if (at.p[1] != '-') return Parsed::kInvalid;
    const auto* newline =
        static_cast<const char*>(std::memchr(at.p, '\n', static_cast<size_t>(at.end - at.p)));
    if (newline == nullptr) return Parsed::kIncomplete;
    const QByteArray line(at.p, newline - at.p);
    at.p = newline + 1;
    if (line == kCopyEnd) {
      position_ = at.p - buffer_.constData();
      return Parsed::kEnd;
    }
  }
  const char* start = at.p;
  const char* semicolon = nullptr;
  statement = CopyStatement{};
  if (at.Take("SET ")) {
    statement.kind = CopyStatement::Kind::kSession;
    semicolon = at.Semicolon();
  } else if (at.Take("CREATE DATABASE ")) {
    statement.kind = CopyStatement::Kind::kCreateDatabase;
    const std::optional<QByteArray> name = at.Identifier();
    semicolon = name ? at.Semicolon() : nullptr;
    static const QRegularExpression charset(QStringLiteral("^ CHARACTER SET \\w+ COLLATE \\w+$"));
    if (semicolon != nullptr &&
        !charset.match(QString::fromUtf8(at.p, semicolon - at.p)).hasMatch()) {
      return Parsed::kInvalid;
    }
    if (name) statement.database = QString::fromUtf8(*name);
  } else if (at.Take("CREATE TABLE ")) {
    statement.kind = CopyStatement::Kind::kCreateTable;
    if (at.TableName(statement, start) && at.Take(" (")) {
      const qsizetype open = (at.p - 1) - buffer_.constData();
      const qsizetype close = DefinitionEnd(buffer_, open);
      if (close < 0) return Parsed::kIncomplete;
      at.p = buffer_.constData() + close + 1;
      semicolon = at.Semicolon();
      static const QRegularExpression options(
          QStringLiteral("^(?: DEFAULT CHARSET=\\w+| COLLATE=\\w+| AUTO_INCREMENT=\\d+)*$"));
      if (semicolon != nullptr &&
          !options.match(QString::fromUtf8(at.p, semicolon - at.p)).hasMatch()) {
        return Parsed::kInvalid;
      }
    }
  } else if (at.Take("INSERT INTO ")) {
    statement.kind = CopyStatement::Kind::kInsert;
    if (at.TableName(statement, start) && at.ColumnList() && at.Take(" VALUES") &&
        at.Rows(statement.rows)) {
      semicolon = at.p;
    }
  }
  if (semicolon == nullptr) return at.cut ? Parsed::kIncomplete : Parsed::kInvalid;
  statement.text = QByteArray(start, semicolon - start);
  position_ = semicolon + 1 - buffer_.constData();
  return Parsed::kStatement;
}

bool CopyReader::Accept(CopyStatement& statement, QString& fault) {
  const auto& session = SessionStatements();
  const QString table = statement.database + u'.' + statement.table;
  switch (statement.kind) {
    case CopyStatement::Kind::kSession:
      if (static_cast<size_t>(sessionDone_) >= session.size() ||
          statement.text != session[static_cast<size_t>(sessionDone_)]) {
        fault = QStringLiteral("o setare necunoscuta");
        return false;
      }
      ++sessionDone_;
      return true;
    case CopyStatement::Kind::kCreateDatabase:
      if (static_cast<size_t>(sessionDone_) != session.size() ||
          !CopiedDatabases().contains(statement.database) ||
          databases_.contains(statement.database)) {
        fault = QStringLiteral("baza de date %1 nu este la locul ei").arg(statement.database);
        return false;
      }
      databases_.append(statement.database);
      return true;
    case CopyStatement::Kind::kCreateTable: {
      const bool inHeader =
          std::any_of(header_.tables.begin(), header_.tables.end(),
                      [&](const CopyTable& listed) { return listed.name == table; });
      if (!databases_.contains(statement.database) || rows_.contains(table) || !inHeader) {
        fault = QStringLiteral("tabelul %1 nu este in antet").arg(table);
        return false;
      }
      rows_.insert(table, 0);
      return true;
    }
    case CopyStatement::Kind::kInsert: {
      const auto found = rows_.find(table);
      if (found == rows_.end()) {
        fault = QStringLiteral("randuri pentru tabelul necunoscut %1").arg(table);
        return false;
      }
      *found += statement.rows;
      return true;
    }
  }
  return false;
}

bool CopyReader::Finish() {
  // After the closing line, nothing but blanks up to the end of the compressed file, whose
  // checksum is read there.
  for (;;) {
    for (qsizetype i = position_; i < buffer_.size(); ++i) {
      if (!Blank(buffer_[i])) {
        Refuse(CopyRefusal::Reason::kDamaged, QStringLiteral("text dupa sfarsitul copiei"));
        return false;
      }
    }
    position_ = buffer_.size();
    if (!Fill()) break;
  }
  if (gzip_->GetState() != GzipReader::State::kEnd) {
    RefuseRead();
    return false;
  }
  for (const CopyTable& table : header_.tables) {
    const auto found = rows_.constFind(table.name);
    if (found == rows_.constEnd()) {
      Refuse(CopyRefusal::Reason::kDamaged,
             QStringLiteral("tabelul %1 din antet lipseste").arg(table.name));
      return false;
    }
    if (*found != table.rows) {
      Refuse(CopyRefusal::Reason::kDamaged,
             QStringLiteral("tabelul %1 are %2 randuri, antetul spune %3")
                 .arg(table.name)
                 .arg(*found)
                 .arg(table.rows));
      return false;
    }
  }
  return false;
}

bool CopyReader::Next(CopyStatement& statement) {
  if (ended_ || refusal_) return false;
  for (;;) {
    switch (ParseNext(statement)) {
      case Parsed::kStatement: {
        QString fault;
        if (Accept(statement, fault)) return true;
        Refuse(CopyRefusal::Reason::kDamaged, fault);
        return false;
      }
      case Parsed::kEnd:
        ended_ = true;
        return Finish();
      case Parsed::kInvalid:
        Refuse(CopyRefusal::Reason::kDamaged, QStringLiteral("o instructiune necunoscuta"));
        return false;
      case Parsed::kIncomplete:
        if (buffer_.size() - position_ > kLongestStatement) {
          Refuse(CopyRefusal::Reason::kDamaged, QStringLiteral("o instructiune prea lunga"));
          return false;
        }
        if (!Fill()) {
          RefuseRead();
          return false;
        }
        break;
    }
  }
}

std::variant<CheckedCopy, CopyRefusal> CheckCopy(const QString& path,
                                                 const std::function<void(double)>& progress) {
  CopyReader reader(path);
  if (const std::optional<CopyRefusal> refused = reader.Open()) return *refused;
  CopyStatement statement;
  int read = 0;
  while (reader.Next(statement)) {
    if (progress && ++read % 16 == 0) progress(reader.Fraction());
  }
  if (reader.Refusal()) return *reader.Refusal();
  if (progress) progress(1.0);
  return CheckedCopy{reader.Header(), reader.TextBytes()};
}
