#pragma once

#include <QString>

// The help of the scripted mode: overall (empty topic) or of one command.
[[nodiscard]] QString HelpText(const QString& topic);

// What --version prints: the program's name and the version of the package it comes in.
[[nodiscard]] QString VersionLine();
