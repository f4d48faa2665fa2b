#include "store/copies/daily_copies.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <algorithm>
#include <set>

#include "store/c_client.h"
#include "store/schema/safety_copy.h"
#include "store/server/server_config.h"
#include "store/server/server_settings.h"

namespace {

int MonthNumber(const QDate& date) { return date.year() * 12 + date.month() - 1; }

}  // namespace

DailyCopiesPlace DailyCopiesFolder(const QString& startDirectory, const QString& dataDir) {
  const QDir start(startDirectory);
  const QString settingsPath = start.absoluteFilePath(QString::fromLatin1(kSettingsFile));
  QString named;
  if (QFileInfo::exists(settingsPath)) {
    QSettings settings(settingsPath, QSettings::IniFormat);
    named = settings.value(QStringLiteral("copii/dosar")).toString().trimmed();
  }
  if (!named.isEmpty()) {
    const QString folder = QDir::cleanPath(start.absoluteFilePath(named));
    const QFileInfo info(folder);
    if (!info.isDir()) {
      return {folder, QStringLiteral("Dosarul copiilor %1, scris in %2, nu exista (discul sau "
                                     "reteaua nu este la indemana?).")
                          .arg(QDir::toNativeSeparators(folder), QLatin1String(kSettingsFile))};
    }
    return {folder, {}};
  }
  const QString folder = SafetyCopiesFolder(dataDir) + QStringLiteral("/zilnice");
  if (!QDir().mkpath(folder)) {
    return {folder, QStringLiteral("Dosarul copiilor %1 nu poate fi facut.")
                        .arg(QDir::toNativeSeparators(folder))};
  }
  return {folder, {}};
}

bool DailyCopyDue(const QString& folder, const QDate& today) {
  const QStringList names = QDir(folder).entryList(QDir::Files);
  return std::none_of(names.begin(), names.end(), [&](const QString& name) {
    const std::optional<QDateTime> time = CopyFileTime(name);
    return time && time->date() == today;
  });
}

QStringList CopiesToRemove(const QStringList& names, const QDate& today) {
  std::vector<std::pair<QDateTime, QString>> copies;
  for (const QString& name : names) {
    if (const std::optional<QDateTime> time = CopyFileTime(name)) copies.emplace_back(*time, name);
  }
  std::sort(copies.begin(), copies.end(), [](const auto& a, const auto& b) {
    return a.first != b.first ? a.first > b.first : a.second > b.second;
  });
  std::set<int> monthsKept;
  QStringList removed;
  for (size_t i = 0; i < copies.size(); ++i) {
    const int month = MonthNumber(copies[i].first.date());
    const bool recentMonth = MonthNumber(today) - month < kMonthlyCopiesKept;
    const bool lastOfMonth = recentMonth && monthsKept.insert(month).second;
    if (i < static_cast<size_t>(kDailyCopiesKept) || lastOfMonth) continue;
    removed.append(copies[i].second);
  }
  return removed;
}

DailyCopyOutcome TakeDailyCopy(CClient& client, const QString& startDirectory,
                               const QString& program, const CopyProgress& progress) {
  QString dataDir = client.EmbeddedDataDir();
  if (dataDir.isEmpty()) dataDir = StartDataDir(startDirectory);
  if (dataDir.isEmpty()) dataDir = QDir(startDirectory).absoluteFilePath(QStringLiteral("data"));
  const DailyCopiesPlace place = DailyCopiesFolder(startDirectory, dataDir);
  if (!place.problem.isEmpty()) return {DailyCopyOutcome::Kind::kFailed, place.problem};
  const QDate today = QDate::currentDate();
  if (!DailyCopyDue(place.folder, today)) return {};
  const auto taken = TakeCopy(client, place.folder, program, progress);
  if (const auto* failed = std::get_if<QString>(&taken)) {
    return {DailyCopyOutcome::Kind::kFailed, *failed};
  }
  const QDir folder(place.folder);
  for (const QString& name : CopiesToRemove(folder.entryList(QDir::Files), today)) {
    QFile::remove(folder.filePath(name));
  }
  return {DailyCopyOutcome::Kind::kTaken, std::get<TakenCopy>(taken).file};
}

QString DailyCopyFailedText(const QString& reason) {
  return QStringLiteral(
             "Copia zilnica a registrului nu a putut fi facuta: %1\n\nProgramul se inchide "
             "totusi. Copia se incearca din nou la urmatoarea iesire din program; puteti face "
             "oricand o copie din panoul Registru.")
      .arg(reason);
}
