#pragma once

#include <QString>

// The help of the scripted mode: overall (empty topic) or of one command.
[[nodiscard]] QString HelpText(const QString& topic);
