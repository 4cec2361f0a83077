#include "app/termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <csignal>

namespace zorvqi::app {
namespace {

constexpr std::array kSignals{SIGTERM, SIGHUP, SIGINT};

// The write end for the handler; a handler may touch nothing but this and write().
volatile std::sig_atomic_t signalPipe = -1;
std::array<struct sigaction, kSignals.size()> previousActions;

void writeSignalByte(int) {
  const int savedErrno = errno;
  const char byte = 1;
  // A full pipe already holds a wake-up: the byte may be lost.
  [[maybe_unused]] const ssize_t written = write(signalPipe, &byte, 1);
  errno = savedErrno;
}

}  // namespace

TerminationSignals::TerminationSignals(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {
  if (pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;
  signalPipe = pipe_[1];
  notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, &TerminationSignals::drainPipe);
  struct sigaction action {};
  action.sa_handler = &writeSignalByte;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (std::size_t i = 0; i < kSignals.size(); ++i) sigaction(kSignals[i], &action, &previousActions[i]);
}

TerminationSignals::~TerminationSignals() {
  if (!notifier_) return;
  for (std::size_t i = 0; i < kSignals.size(); ++i) sigaction(kSignals[i], &previousActions[i], nullptr);
  notifier_.reset();
  signalPipe = -1;
  close(pipe_[0]);
  close(pipe_[1]);
}

void TerminationSignals::drainPipe() {
  char bytes[64];
  while (read(pipe_[0], bytes, sizeof bytes) > 0) {
  }
  if (onSignal_) onSignal_();
}

}  // namespace zorvqi::app
