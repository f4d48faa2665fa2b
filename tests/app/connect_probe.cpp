// Starts the embedded server in the folder given as argument, the way the program does,
// creates or checks its databases, and says on standard output whether it connected
// and which schema version it found. A message box that would have been shown is printed
// there too (standard error belongs to the server's log once the server runs).
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

#include "store/c_client.h"
#include "store/schema/schema.h"
#include "support/scripted_prompter.h"

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  if (argc < 2 || !QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) return 2;
  ScriptedPrompter prompter;
  prompter.EchoShown([](const QString& text) { std::printf("%s\n", text.toUtf8().constData()); });
  CClient client(&prompter);
  const int connected = client.Connect(QStringLiteral("127.0.0.1"), 700, {}, {}, 0);
  std::printf("connect=%d\n", connected);
  if (connected == 0) {
    UpgradeSchema(client);
    const int read = client.Execute(
        QStringLiteral("SELECT setare FROM asigurati.setari WHERE denumire='versiune'"), 1);
    // A failed read prints an empty version, which the test's comparison refuses.
    std::printf("versiune=%s\n",
                read == 0 ? client.GetField(0, QStringLiteral("SETARE")).toUtf8().constData() : "");
  }
  client.Disconnect();
  return 0;
}
