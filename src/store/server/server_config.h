#pragma once

#include <QString>

// The embedded server's configuration file of the start-up directory.
inline constexpr char kServerConfigFile[] = "srv_embedded.cfg";

// First line of every configuration the program writes: such a file is the program's to keep
// in step with the folder it stands in; a file without it is the user's and is left alone.
inline constexpr char kProgramConfigMark[] =
    "# Scris de programul Velka Asigurati: datadir si log-error sunt puse la fiecare pornire pe "
    "dosarul data de langa acest fisier.";

// Writes the default configuration into `directory` when none is there yet, with a data
// folder "data" beside it (created, owner-only). A configuration the program wrote gets its
// data folder set to the one beside it, so that a copied or moved folder works on its own
// data. Returns false when the file cannot be written.
[[nodiscard]] bool EnsureServerConfig(const QString& directory);

// The datadir the configuration names, or empty when it names none.
QString ConfiguredDataDir(const QString& configPath);

// The data folder a start in `directory` uses, found without writing anything: "data" beside
// a configuration the program keeps, else the folder the user's configuration names. Empty
// when the folder holds no readable configuration.
QString StartDataDir(const QString& directory);
