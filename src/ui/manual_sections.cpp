#include "ui/manual_sections.h"

#include <QFile>
#include <QMetaObject>
#include <QObject>

namespace {

QString ResourceText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

}  // namespace

ManualSectionMap ParseManualSections(const QString& text) {
  ManualSectionMap map;
  for (const QString& line : text.split(u'\n')) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0) continue;
    const QString className = line.left(equals).trimmed();
    const QString heading = line.mid(equals + 1).trimmed();
    if (!className.isEmpty() && !heading.isEmpty()) map.insert(className, heading);
  }
  return map;
}

QString SectionOfClasses(const QStringList& classNames, const ManualSectionMap& map) {
  for (const QString& name : classNames) {
    if (const auto found = map.constFind(name); found != map.constEnd()) return *found;
  }
  return {};
}

QStringList ClassNamesOf(const QObject& object) {
  QStringList names;
  for (const QMetaObject* meta = object.metaObject(); meta != nullptr; meta = meta->superClass()) {
    names.append(QLatin1String(meta->className()));
  }
  return names;
}

QString ManualMarkdown() { return ResourceText(QStringLiteral(":/manual/manual.md")); }

const ManualSectionMap& ManualSections() {
  static const ManualSectionMap map =
      ParseManualSections(ResourceText(QStringLiteral(":/manual/manual_sections.txt")));
  return map;
}
