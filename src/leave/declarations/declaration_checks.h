#pragma once

#include <QString>
#include <optional>

#include "leave/replay/declaration_figures.h"

class CClient;

// The checks of the declaration form that need no database, in the order the form runs
// them. Returns the message of the first one that fails, or an empty text when all pass.
QString DeclarationFieldsProblem(const DeclarationFormValues& values);

// Whether the company's month holds a rectification numbered above `number`; nothing when
// the query fails (the client has shown why).
[[nodiscard]] std::optional<bool> HasLaterRectification(CClient& client, const QString& cf,
                                                        int luna, int number);

// Every check of the form on confirming, the later-rectification one in modify mode only:
// the message to show, empty when the declaration may be written, nothing when a query
// failed and the form stays open without a further message.
[[nodiscard]] std::optional<QString> DeclarationConfirmProblem(CClient& client, const QString& cf,
                                                               const DeclarationFormValues& values,
                                                               bool modifying);
