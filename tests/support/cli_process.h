// Runs the headless program as a real process, the way a user's script would.
//
// `runCli` starts ZORVQI_BIN_DIR/zorvqi-cli with the given arguments (UTF-8), feeds `input`
// on its standard input and waits for it to end; standard output and standard error come
// back whole, as the bytes written. A program that cannot be started gives exit status 127.
// `CliProcess` starts it the same way and leaves it running: its output can be read while it
// runs, and `stop` sends a signal and waits for the end (the destructor kills a process still
// running); `waitFor` waits at most a given time for the end (nothing if it runs on).
// Thread safety: may be called from any thread; each run uses its own files.
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zorvqi::testing {

struct CliResult {
  int exitStatus = -1;
  std::string out;
  std::string err;
};

CliResult runCli(const std::vector<std::string>& args, const std::string& input = {});

class CliProcess {
 public:
  explicit CliProcess(const std::vector<std::string>& args, const std::string& input = {});
  ~CliProcess();
  CliProcess(const CliProcess&) = delete;
  CliProcess& operator=(const CliProcess&) = delete;

  bool started() const;
  std::string outputSoFar() const;
  CliResult stop(int signal);
  CliResult wait();
  std::optional<CliResult> waitFor(std::chrono::milliseconds limit);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace zorvqi::testing
