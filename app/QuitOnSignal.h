#pragma once
// QuitOnSignal: turns the system's requests to stop (SIGTERM at log-out or from kill, SIGINT from
// Ctrl+C in a terminal, SIGHUP when the terminal goes) into a call on the event loop, so the
// program can close its window and save its settings as on any other close. A second request
// before the program has ended stops it at once, the way the signal would have without this.
// One instance at a time; it puts the former signal handlers back when it goes.

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace glimmerset::app {

class QuitOnSignal : public QObject {
 public:
  explicit QuitOnSignal(std::function<void()> onRequest, QObject* parent = nullptr);
  ~QuitOnSignal() override;

  QuitOnSignal(const QuitOnSignal&) = delete;
  QuitOnSignal& operator=(const QuitOnSignal&) = delete;

 private:
  void Received();

  std::function<void()> onRequest_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace glimmerset::app
