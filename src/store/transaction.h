#pragma once

class CClient;

// The statements of one write that must be whole: begun on construction, undone on leaving
// the scope unless committed. On a server that is a real transaction (nested ones belong to
// the outermost); on the embedded register, whose tables cannot roll back, it does nothing.
class Transaction {
 public:
  explicit Transaction(CClient& client);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  // Whether the transaction could start (a failure was shown); nothing may be written then.
  [[nodiscard]] bool Begun() const { return begun_; }
  // Ends the transaction keeping its writes; false when that failed (shown, undone).
  [[nodiscard]] bool Commit();

 private:
  CClient& client_;
  bool begun_ = false;
  bool ended_ = false;
};
