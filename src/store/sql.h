#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <concepts>

// A value ready to stand in a statement: a quoted and escaped text (CClient::Text), a LIKE
// pattern (CClient::Like) or a bare number (Number). Only those make one, so a statement
// built with Sql cannot take a value that was not quoted.
class SqlValue {
 public:
  const QString& Literal() const { return literal_; }

 private:
  explicit SqlValue(QString literal) : literal_(std::move(literal)) {}
  friend class CClient;
  friend SqlValue NumberValue(const QString& checked);

  QString literal_;
};

// A numeric value appended bare; text that is not a plain number becomes NULL, which
// matches no row and cannot change the statement.
[[nodiscard]] SqlValue Number(const QString& value);
[[nodiscard]] SqlValue Number(double value);
template <std::integral Integer>
[[nodiscard]] SqlValue Number(Integer value) {
  return Number(QString::number(static_cast<qlonglong>(value)));
}

// The statement with %1, %2 ... replaced by the values, in one pass: a value that itself
// holds "%2" stays inside its own quotes. A marker without a value is left as it is.
// Values are read from the caller's statement text only, never from a value already put in.
[[nodiscard]] QString FillStatement(QStringView statement, const SqlValue* const* values,
                                    qsizetype count);

// Sql("SELECT * FROM asigurati.sume AS s WHERE s.cf=%1 AND s.luna=%2", client.Text(cf),
//     Number(luna))
template <typename... Values>
requires(std::same_as<Values, SqlValue>&&...) [[nodiscard]] QString
    Sql(QStringView statement, const Values&... values) {
  const std::array<const SqlValue*, sizeof...(Values)> list = {&values...};
  return FillStatement(statement, list.data(), static_cast<qsizetype>(list.size()));
}
