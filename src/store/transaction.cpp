#include "store/transaction.h"

#include "store/c_client.h"

Transaction::Transaction(CClient& client) : client_(client), begun_(client.Begin() == 0) {}

Transaction::~Transaction() {
  if (!begun_ || ended_) return;
  // Deliberately ignored: a failed rollback leaves nothing to do but the server's own undo
  // when the connection ends, and the write already reported its failure.
  static_cast<void>(client_.Rollback());
}

bool Transaction::Commit() {
  if (!begun_ || ended_) return false;
  ended_ = true;
  return client_.Commit() == 0;
}
