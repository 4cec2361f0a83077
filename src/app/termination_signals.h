// SIGTERM, SIGHUP and SIGINT turned into a call on the UI thread.
//
// Contract: while a TerminationSignals exists, those three signals no longer end the process
// at once: their handler only writes one byte into a pipe of its own (async-signal-safe),
// and a QSocketNotifier on the pipe's other end calls `onSignal` from the event loop, once
// for each batch of signals that arrived. Signals that come before the event loop runs wait
// in the pipe. Only one instance may exist at a time; the destructor restores the previous
// handlers. Without a pipe (a process out of descriptors) the handlers stay as they were.
// Thread safety: construct and destroy on the UI thread.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace zorvqi::app {

class TerminationSignals : public QObject {
  Q_OBJECT

 public:
  explicit TerminationSignals(std::function<void()> onSignal);
  ~TerminationSignals() override;
  TerminationSignals(const TerminationSignals&) = delete;
  TerminationSignals& operator=(const TerminationSignals&) = delete;

  bool installed() const { return notifier_ != nullptr; }

 private:
  void drainPipe();

  std::function<void()> onSignal_;
  int pipe_[2] = {-1, -1};
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace zorvqi::app
