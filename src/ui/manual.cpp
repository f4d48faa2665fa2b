#include "ui/manual.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

#include "ui/c_manual_window.h"
#include "ui/manual_sections.h"

namespace {

QPointer<CManualWindow>& OpenWindow() {
  static QPointer<CManualWindow> window;
  return window;
}

// A drop-down list's popup belongs to the window of its list.
QWidget* OwnWindow(const QWidget& widget) {
  QWidget* window = widget.window();
  while (window->windowType() == Qt::Popup && window->parentWidget() != nullptr) {
    window = window->parentWidget()->window();
  }
  return window;
}

// The manual or a window opened from it (its print dialog).
bool IsManualsOwn(const QWidget& window) {
  for (const QWidget* owner = &window; owner != nullptr; owner = owner->parentWidget()) {
    if (qobject_cast<const CManualWindow*>(owner) != nullptr) return true;
  }
  return false;
}

class ManualKey : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
      return false;
    }
    const auto* widget = static_cast<QWidget*>(watched);
    QWidget* window = OwnWindow(*widget);
    if (!IsManualsOwn(*window)) ShowManual(ManualSectionFor(*widget), window);
    return true;
  }
};

}  // namespace

CManualWindow& ShowManual(const QString& heading, QWidget* window) {
  QWidget* host = QApplication::activeModalWidget();
  if (host == nullptr) host = window;
  QPointer<CManualWindow>& manual = OpenWindow();
  if (manual == nullptr) {
    manual = new CManualWindow(host);
  } else {
    manual->StayOver(host);
  }
  manual->show();
  manual->raise();
  manual->activateWindow();
  manual->GoToSection(heading);
  return *manual;
}

CManualWindow* ManualWindow() { return OpenWindow().data(); }

QString ManualSectionFor(const QWidget& widget) {
  const QWidget* window = OwnWindow(widget);
  QStringList classes = ClassNamesOf(*window);
  for (const QWidget* control = &widget; control != nullptr && control != window;
       control = control->parentWidget()) {
    classes += ClassNamesOf(*control);
  }
  return SectionOfClasses(classes, ManualSections());
}

void InstallManualKey() {
  static QPointer<ManualKey> key;
  if (key != nullptr) return;
  key = new ManualKey(qApp);
  qApp->installEventFilter(key);
}
