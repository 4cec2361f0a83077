#include "support/cli_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <thread>

#include "support/temp_dir.h"

extern char** environ;

namespace zorvqi::testing {

struct CliProcess::State {
  // Files instead of pipes: the child can write any amount without a reader keeping pace.
  TempDir dir;
  std::string out = dir.file("stdout");
  std::string err = dir.file("stderr");
  pid_t pid = -1;
  bool ended = false;
  CliResult result;

  void recordEnd(int status) {
    ended = true;
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.out = readFileBytes(out);
    result.err = readFileBytes(err);
  }
};

CliProcess::CliProcess(const std::vector<std::string>& args, const std::string& input)
    : state_(std::make_unique<State>()) {
  const std::string in = state_->dir.file("stdin");
  writeFileBytes(in, input);
  const std::string program = std::string(ZORVQI_BIN_DIR) + "/zorvqi-cli";
  std::vector<std::string> words = {program};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, state_->out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, state_->err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (posix_spawn(&state_->pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
    state_->pid = -1;
    state_->ended = true;
    state_->result.exitStatus = 127;
  }
  posix_spawn_file_actions_destroy(&actions);
}

CliProcess::~CliProcess() {
  if (!state_->ended) stop(SIGKILL);
}

bool CliProcess::started() const {
  return state_->pid > 0;
}

std::string CliProcess::outputSoFar() const {
  return readFileBytes(state_->out);
}

CliResult CliProcess::stop(int signal) {
  if (!state_->ended) kill(state_->pid, signal);
  return wait();
}

CliResult CliProcess::wait() {
  if (!state_->ended) {
    int status = 0;
    while (waitpid(state_->pid, &status, 0) < 0) {
    }
    state_->recordEnd(status);
  }
  return state_->result;
}

std::optional<CliResult> CliProcess::waitFor(std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!state_->ended) {
    int status = 0;
    const pid_t ended = waitpid(state_->pid, &status, WNOHANG);
    if (ended == state_->pid) {
      state_->recordEnd(status);
    } else if (std::chrono::steady_clock::now() >= deadline) {
      return std::nullopt;
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }
  return state_->result;
}

CliResult runCli(const std::vector<std::string>& args, const std::string& input) {
  return CliProcess(args, input).wait();
}

}  // namespace zorvqi::testing
