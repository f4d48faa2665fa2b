#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP (a desktop logout, a shutdown, Ctrl+C in a terminal) turned
// into a Qt signal on the user-interface thread: the handler only writes a byte into a
// pipe, and the notifier on its other end emits StopRequested once the event loop runs
// again, that is, once the operation under way has ended.
class StopSignals : public QObject {
  Q_OBJECT

 public:
  explicit StopSignals(QObject* parent = nullptr);
  ~StopSignals() override;

  // False when the pipe or the handlers could not be set up (the signals then end the
  // process as before).
  [[nodiscard]] bool Installed() const { return notifier_ != nullptr; }

  // Runs work that may set its own handlers (the embedded server's start puts the default
  // ones back) with the stop signals held; ours are set again before a held one arrives.
  static void HoldWhile(const std::function<void()>& work);

 signals:
  void StopRequested(int signalNumber);

 private:
  void OnReadable();

  QSocketNotifier* notifier_ = nullptr;
};
