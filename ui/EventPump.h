#pragma once
// EventPump: lets pending window events run from inside a long operation, at most once every few
// milliseconds; between those moments a call costs one clock read.

#include <QElapsedTimer>
#include <functional>

namespace glimmerset::ui {

class EventPump {
 public:
  static constexpr qint64 IntervalMs = 5;

  // beforeEvents runs right before the pending events (the window refreshes its mirror there).
  explicit EventPump(std::function<void()> beforeEvents = {});

  // Runs pending events when the interval has passed since the last time; true when it did.
  bool Pump();

 private:
  std::function<void()> beforeEvents_;
  QElapsedTimer clock_;
};

}  // namespace glimmerset::ui
