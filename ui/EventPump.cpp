#include "EventPump.h"

#include <QCoreApplication>

namespace glimmerset::ui {

EventPump::EventPump(std::function<void()> beforeEvents) : beforeEvents_(std::move(beforeEvents)) { clock_.start(); }

bool EventPump::Pump() {
  if (clock_.elapsed() < IntervalMs) return false;
  if (beforeEvents_) beforeEvents_();
  QCoreApplication::processEvents();
  clock_.restart();
  return true;
}

}  // namespace glimmerset::ui
