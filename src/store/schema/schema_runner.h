#pragma once

#include <QString>

#include "store/schema/schema.h"

class CClient;

// The ways the schema procedure sends a statement, each reporting it to the observer.
// All return 0 on success and 1 on a failure.
class SchemaRunner {
 public:
  SchemaRunner(CClient& client, const SchemaObserver& observer)
      : client_(client), observer_(observer) {}

  CClient& Client() { return client_; }

  // Through Execute: a failure is shown.
  [[nodiscard]] bool Run(const QString& sql, int store = 0);
  // Through ExecuteBuffered, as one piece: a failure is shown.
  [[nodiscard]] bool RunBuffered(const QString& sql);
  // Sent without showing a failure.
  [[nodiscard]] bool RunQuiet(const QString& sql, int store = 0);
  // Sent without showing a failure when the server answers with one of the two accepted
  // error numbers; any other failure is shown.
  [[nodiscard]] bool RunTolerating(const QString& sql, unsigned acceptedError,
                                   unsigned otherAcceptedError = 0);

  // The server's number for the last failure.
  unsigned LastError() const;
  // Shows a server message as the client shows its errors.
  void ShowServerMessage(const QString& message);
  // Tells the observer about a statement sent some other way (an audited write).
  void Report(const QString& sql) {
    if (observer_) observer_(sql);
  }

 private:
  CClient& client_;
  const SchemaObserver& observer_;
};

// Server error numbers the procedure tells apart.
inline constexpr unsigned kErrorDuplicateColumn = 1060;
inline constexpr unsigned kErrorCannotDropColumn = 1091;
