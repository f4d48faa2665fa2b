#pragma once

#include <QString>

// The embedded server's configuration file of the start-up directory.
inline constexpr char kServerConfigFile[] = "srv_embedded.cfg";

// Writes the default configuration into `directory` when none is there yet, with a data
// folder "data" beside it (created, owner-only). Returns false when it cannot be written.
bool EnsureServerConfig(const QString& directory);

// The datadir the configuration names, or empty when it names none.
QString ConfiguredDataDir(const QString& configPath);
