#include "support/helper_facts.h"

#include <QStringList>
#include <cstdio>

#include "store/c_client.h"
#include "support/scripted_prompter.h"

void PrintFact(const QString& line) {
  std::fputs((line + u'\n').toUtf8().constData(), stdout);
  std::fflush(stdout);
}

void PrintShownMessages(ScriptedPrompter& prompter) {
  prompter.EchoShown([](const QString& text) {
    PrintFact(QStringLiteral("MSG\t") + QString(text).replace(u'\n', QStringLiteral("\\n")));
  });
}

bool PrintQueryRows(CClient& client, int number, const QString& sql) {
  if (client.ExecuteQuiet(sql, 1) != 0) return false;
  const QStringList& cells = client.Result().Cells();
  const qsizetype columns = client.Result().ColumnNames().size();
  for (qsizetype start = 0; columns > 0 && start + columns <= cells.size(); start += columns) {
    PrintFact(QStringLiteral("ROW\t") + QString::number(number) + u'\t' +
              cells.mid(start, columns).join(u'\t'));
  }
  return true;
}
