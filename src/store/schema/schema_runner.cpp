#include "store/schema/schema_runner.h"

#include "store/c_client.h"
#include "store/prompter.h"

bool SchemaRunner::Run(const QString& sql, int store) {
  const int result = client_.Execute(sql, store);
  Report(sql);
  return result == 0;
}

bool SchemaRunner::RunBuffered(const QString& sql) {
  client_.ClearPieces();
  client_.AddPiece(sql);
  const int result = client_.ExecuteBuffered();
  Report(sql);
  return result == 0;
}

bool SchemaRunner::RunQuiet(const QString& sql, int store) {
  const int result = client_.ExecuteQuiet(sql, store);
  Report(sql);
  return result == 0;
}

bool SchemaRunner::RunTolerating(const QString& sql, unsigned acceptedError,
                                 unsigned otherAcceptedError) {
  const int result = client_.ExecuteQuiet(sql);
  Report(sql);
  if (result == 0) return true;
  const unsigned error = LastError();
  if (error == acceptedError || (otherAcceptedError != 0 && error == otherAcceptedError)) {
    return true;
  }
  client_.ShowDbError();
  return false;
}

unsigned SchemaRunner::LastError() const { return client_.LastErrorNumber(); }

void SchemaRunner::ShowServerMessage(const QString& message) {
  if (Prompter* prompter = client_.GetPrompter()) {
    prompter->Inform(QStringLiteral("EROARE Mysql:\n\n") + message, Prompter::DefaultCaption(),
                     Prompter::Icon::Error);
  }
}
