#pragma once

#include <QString>
#include <QStringList>

class CClient;

// Databases as earlier releases left them on users' machines, filled with rows, for the
// upgrade tests. Everything here is written independently of the upgrade code.
namespace old_schema {

// The releases in order; "1.1 beta" had no versiune row.
const QStringList& Releases();

struct Options {
  QString release;           // one of Releases()
  QString recordedVersion;   // written to setari; empty: no versiune row
  bool certificates = true;  // concedii rows referring to the declarations
};

// Drops `asigurati` and `concedii` and creates them as `release` had them, with rows.
// Returns the first failed statement's text, or an empty text.
QString Build(CClient& client, const Options& options);

// Row counts the fixture starts with, per table ("asigurati.sume" ...).
int FixtureRows(const QString& table, bool certificates);

// The declaration keys the fixture uses (with gaps, as deletions leave them).
inline const QStringList kDeclarationKeys = {QStringLiteral("5"), QStringLiteral("9"),
                                             QStringLiteral("14")};

}  // namespace old_schema
