#include "app/dialog_translation.h"

#include <QCoreApplication>
#include <QTranslator>

bool InstallDialogTranslation() {
  // Lives as long as the application: the dialogs look their texts up whenever they open.
  static QTranslator* const translation = [] {
    auto* loaded = new QTranslator(QCoreApplication::instance());
    if (!loaded->load(QStringLiteral(":/translations/qt_ro.qm"))) {
      delete loaded;
      return static_cast<QTranslator*>(nullptr);
    }
    return loaded;
  }();
  return translation != nullptr && QCoreApplication::installTranslator(translation);
}
