#pragma once

#include <QString>

class CClient;
class Prompter;

// How far the company delete cascade went.
enum class CompanyDeletion {
  kDeleted,    // the company and everything hanging on it are gone
  kCancelled,  // the user answered "Nu" to one of the questions; nothing was deleted
  kFailed,     // a statement failed (shown); on the embedded register the tables before it stay
               // deleted
};

// The medical-leave screen asks once more before deleting, the health screen does not.
enum class FinalQuestion { kNone, kSureSure };

// Deletes the company with this fiscal code with its insured persons, co-insured, monthly
// amounts and medical-leave declarations and certificates, each row's audit copy ("D", all
// with one copy time) before its delete, after the questions: one about
// insured persons when it has any, one about declarations when it has any, the deletion
// question itself, and the leave screen's "Sigur, sigur?...".
[[nodiscard]] CompanyDeletion DeleteCompanyCascade(CClient& client, Prompter& prompter,
                                                   const QString& cf, FinalQuestion finalQuestion);
