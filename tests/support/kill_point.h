#pragma once

#include <QString>

// A kill point of a helper program: SIGKILL right after the n-th statement that contains a
// text, so that nothing of the process survives that the server had not written. Written
// "<text>#<n>"; without a text nothing is ever killed.
class KillPoint {
 public:
  KillPoint() = default;
  explicit KillPoint(const QString& written);

  // Called with every statement the start sends, in order.
  void Observe(const QString& statement);

 private:
  QString text_;
  int occurrence_ = 0;
  int seen_ = 0;
};
