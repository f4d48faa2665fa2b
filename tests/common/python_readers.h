#pragma once

// Runs the independent dBase readers of the Python world (Debian's python3-dbfread and
// python3-dbf) on files of the tests.

#include <QJsonDocument>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace python_readers {

// The first Python that can import the module; empty when none can. Debian's own Python is
// tried first: that is where the Debian packages install the modules.
inline QString PythonWith(const QString& module) {
  for (const QString& python : {QStringLiteral("/usr/bin/python3"), QStringLiteral("python3")}) {
    QProcess process;
    process.start(python, {QStringLiteral("-c"), QStringLiteral("import ") + module});
    if (process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
        process.exitCode() == 0) {
      return python;
    }
  }
  return {};
}

struct Result {
  bool ok = false;
  QJsonDocument json;
  QString errors;
};

// Runs a script with arguments; its standard output must be one JSON document.
inline Result RunScript(const QString& python, const char* script, const QStringList& args) {
  QProcess process;
  process.start(python, QStringList{QStringLiteral("-c"), QString::fromUtf8(script)} + args);
  Result result;
  if (!process.waitForFinished(60000)) {
    result.errors = QStringLiteral("timed out");
    return result;
  }
  result.errors = QString::fromUtf8(process.readAllStandardError());
  result.json = QJsonDocument::fromJson(process.readAllStandardOutput());
  result.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 &&
              !result.json.isNull();
  return result;
}

// Prints {"fields": [[name, type, length]…], "records": [[text…]…]} as dbfread reads the
// file: character fields without trailing blanks, numbers as Python writes them, dates as
// yyyymmdd, empty values as "".
constexpr const char* kDbfreadDump = R"(
import datetime, json, sys
from dbfread import DBF
table = DBF(sys.argv[1], encoding='cp1250', char_decode_errors='strict', load=True)
def text(value):
    if value is None: return ''
    if isinstance(value, datetime.date): return value.strftime('%Y%m%d')
    return str(value)
print(json.dumps({
    'fields': [[f.name, f.type, f.length] for f in table.fields],
    'records': [[text(v) for v in record.values()] for record in table.records],
}, ensure_ascii=False))
)";

// The same as python3-dbf reads it, opened read-only with its own checks of the header; a
// value it refuses to convert (such as the date 0) is null.
constexpr const char* kDbfDump = R"(
import datetime, json, sys
import dbf
table = dbf.Table(sys.argv[1], codepage='cp1250')
table.open(dbf.READ_ONLY)
def text(value):
    if value is None: return ''
    if isinstance(value, datetime.date): return value.strftime('%Y%m%d')
    if isinstance(value, str): return value.rstrip(' ')
    return str(value)
def value(record, name):
    try:
        return text(record[name])
    except ValueError:
        return None
fields = []
for name in table.field_names:
    info = table.field_info(name)
    fields.append([name.upper(), info.field_type.decode() if isinstance(info.field_type, bytes)
                   else chr(info.field_type), info.length])
print(json.dumps({
    'fields': fields,
    'records': [[value(record, name) for name in table.field_names] for record in table],
}, ensure_ascii=False))
table.close()
)";

}  // namespace python_readers
