#pragma once

#include <QString>
#include <optional>

#include "common/check_result.h"
#include "leave/replay/declaration_figures.h"

class CClient;

// The checks of the declaration form that need no database, in the order the form runs
// them. Returns the refusal of the first one that fails, or nothing when all pass.
[[nodiscard]] Refusal DeclarationFieldsProblem(const DeclarationFormValues& values);

// Whether the company's month holds a rectification numbered above `number`; nothing when
// the query fails (the client has shown why).
[[nodiscard]] std::optional<bool> HasLaterRectification(CClient& client, const QString& cf,
                                                        int luna, int number);

// Every check of the form on confirming, the later-rectification one in modify mode only:
// ok when the declaration may be written, refused with the message to show, failed when a
// query failed and the form stays open without a further message.
CheckResult DeclarationConfirmProblem(CClient& client, const QString& cf,
                                      const DeclarationFormValues& values, bool modifying);
