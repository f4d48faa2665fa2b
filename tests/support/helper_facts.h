#pragma once

#include <QString>

class CClient;
class ScriptedPrompter;

// What a helper program (a program start a test runs as a child process) tells its test: one
// fact per line on standard output, flushed at once so that a killed process loses none.
void PrintFact(const QString& line);

// Every message and question the prompter is shown, as "MSG\t<text>" with its line breaks
// written \n; questions are answered as the prompter's queue says (no queue: "Nu").
void PrintShownMessages(ScriptedPrompter& prompter);

// The rows of the n-th query as "ROW\t<n>\t<cells separated by tabs>"; false when the query
// failed (nothing printed, nothing shown).
[[nodiscard]] bool PrintQueryRows(CClient& client, int number, const QString& sql);
