#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// Writes an external-source file at `path`: its fields in their order (the amounts numeric),
// one record per row of cells in field order. Whether it was written.
bool WriteExternalFile(const QString& path, const std::vector<QStringList>& records);
