#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

class QObject;

// Which section of the user manual explains a window: the map written beside the manual
// (docs/manual_sections.txt, one "ClassName = heading" per line), read from the program's
// resources together with the manual's text.

using ManualSectionMap = QHash<QString, QString>;

// The map's lines; empty lines and lines without "=" are skipped.
[[nodiscard]] ManualSectionMap ParseManualSections(const QString& text);

// The heading of the first of these class names the map knows; empty when it knows none.
[[nodiscard]] QString SectionOfClasses(const QStringList& classNames, const ManualSectionMap& map);

// The class names of an object, its own first, then each base class.
[[nodiscard]] QStringList ClassNamesOf(const QObject& object);

// The manual's Markdown text and the parsed map, as embedded in the program.
[[nodiscard]] QString ManualMarkdown();
[[nodiscard]] const ManualSectionMap& ManualSections();
