#include "store/named_lock.h"

#include "store/c_client.h"
#include "store/prompter.h"

NamedLock::NamedLock(CClient& client, const QString& name, int waitSeconds)
    : client_(client), name_(name) {
  if (!client_.OnServer()) return;
  held_ = false;
  if (client_.Execute(
          Sql(u"SELECT GET_LOCK(%1, %2) AS luat", client_.Text(name_), Number(waitSeconds)), 1) !=
      0) {
    return;
  }
  taken_ = client_.GetField(0, QStringLiteral("LUAT")) == QLatin1String("1");
  held_ = taken_;
  if (!held_ && client_.GetPrompter() != nullptr) {
    client_.GetPrompter()->Inform(
        QStringLiteral("Alt calculator lucreaza de prea mult timp la aceleasi date. Incercati "
                       "din nou peste cateva momente."));
  }
}

NamedLock::~NamedLock() {
  if (taken_) (void)client_.ExecuteQuiet(Sql(u"DO RELEASE_LOCK(%1)", client_.Text(name_)));
}
