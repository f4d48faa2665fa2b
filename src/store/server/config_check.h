#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// A line of the server's configuration that the server would refuse, found before the
// server starts so that the user can be told which line it is.
struct ConfigFault {
  int line = 0;  // 1-based; 0 when the fault is no single line
  QString text;  // the line as written
  QString reason;
};

// Reads an option file as the server does: groups in brackets, options inside a group,
// comments after # or ;, !include directives.
[[nodiscard]] std::optional<ConfigFault> FindConfigFault(const QByteArray& contents);
