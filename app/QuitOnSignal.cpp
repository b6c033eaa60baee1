#include "QuitOnSignal.h"

#include <QSocketNotifier>
#include <array>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace glimmerset::app {

namespace {

constexpr std::array<int, 3> kStopSignals = {SIGTERM, SIGINT, SIGHUP};

// The handler may only touch these: a flag and the writing end of a socket pair.
int wakeUp[2] = {-1, -1};
volatile std::sig_atomic_t requested = 0;
std::array<struct sigaction, kStopSignals.size()> formerActions{};

extern "C" void OnStopSignal(int number) {
  if (requested) {
    // Asked twice: no more waiting for the window.
    std::signal(number, SIG_DFL);
    std::raise(number);
    return;
  }
  requested = 1;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(wakeUp[0], &byte, 1);
}

}  // namespace

QuitOnSignal::QuitOnSignal(std::function<void()> onRequest, QObject* parent)
    : QObject(parent), onRequest_(std::move(onRequest)) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, wakeUp) != 0) return;
  for (int end : wakeUp) ::fcntl(end, F_SETFL, O_NONBLOCK);
  requested = 0;
  notifier_ = new QSocketNotifier(wakeUp[1], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &QuitOnSignal::Received);
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (std::size_t i = 0; i < kStopSignals.size(); ++i) ::sigaction(kStopSignals[i], &action, &formerActions[i]);
}

QuitOnSignal::~QuitOnSignal() {
  if (!notifier_) return;
  for (std::size_t i = 0; i < kStopSignals.size(); ++i) ::sigaction(kStopSignals[i], &formerActions[i], nullptr);
  delete notifier_;
  ::close(wakeUp[0]);
  ::close(wakeUp[1]);
  wakeUp[0] = wakeUp[1] = -1;
}

void QuitOnSignal::Received() {
  char byte;
  while (::read(wakeUp[1], &byte, 1) > 0) {
  }
  if (onRequest_) onRequest_();
}

}  // namespace glimmerset::app
