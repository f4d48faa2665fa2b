#pragma once

#include <QString>
#include <optional>
#include <utility>

// What the checks of the forms, the imports and the report files answer.

// A check that needs no database: the refusal shown to the user, or nothing when the values
// may go on. Functions returning it are [[nodiscard]].
using Refusal = std::optional<QString>;

// A check that queries the register: the values may go on, they are refused with a text to
// show, or a query failed (the client has already shown why, so nothing more is said).
class [[nodiscard]] CheckResult {
 public:
  [[nodiscard]] static CheckResult Ok() { return CheckResult(Kind::kOk, {}); }
  [[nodiscard]] static CheckResult Refused(QString text) {
    return CheckResult(Kind::kRefused, std::move(text));
  }
  [[nodiscard]] static CheckResult Failed() { return CheckResult(Kind::kFailed, {}); }
  // A check without queries, run first by one that has them.
  [[nodiscard]] static CheckResult Of(const Refusal& refusal) {
    return refusal ? Refused(*refusal) : Ok();
  }

  [[nodiscard]] bool IsOk() const { return kind_ == Kind::kOk; }
  [[nodiscard]] bool IsRefused() const { return kind_ == Kind::kRefused; }
  [[nodiscard]] bool IsFailed() const { return kind_ == Kind::kFailed; }
  // The refusal's text; empty when the result is not a refusal.
  [[nodiscard]] const QString& Text() const { return text_; }

  friend bool operator==(const CheckResult&, const CheckResult&) = default;

 private:
  enum class Kind { kOk, kRefused, kFailed };
  CheckResult(Kind kind, QString text) : kind_(kind), text_(std::move(text)) {}

  Kind kind_;
  QString text_;
};
