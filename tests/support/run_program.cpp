#include "support/run_program.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

namespace zorvqi::testing {
namespace {

struct Pipe {
  int fds[2] = {-1, -1};
  Pipe() {
    if (pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  }
  ~Pipe() {
    closeRead();
    closeWrite();
  }
  void closeRead() {
    if (fds[0] >= 0) close(fds[0]);
    fds[0] = -1;
  }
  void closeWrite() {
    if (fds[1] >= 0) close(fds[1]);
    fds[1] = -1;
  }
};

// Feeds the input and drains both outputs together, so no pipe fills up and blocks the child.
void exchange(Pipe& in, Pipe& out, Pipe& err, const std::string& input, ProgramRun& run) {
  std::size_t fed = 0;
  if (input.empty()) in.closeWrite();
  while (out.fds[0] >= 0 || err.fds[0] >= 0) {
    pollfd polls[3] = {{out.fds[0], POLLIN, 0}, {err.fds[0], POLLIN, 0}, {in.fds[1], POLLOUT, 0}};
    if (poll(polls, 3, 10000) <= 0) break;
    char buffer[4096];
    Pipe* readers[2] = {&out, &err};
    std::string* sinks[2] = {&run.out, &run.err};
    for (int i = 0; i < 2; ++i) {
      if (!(polls[i].revents & (POLLIN | POLLHUP))) continue;
      const ssize_t got = read(readers[i]->fds[0], buffer, sizeof buffer);
      if (got > 0)
        sinks[i]->append(buffer, static_cast<std::size_t>(got));
      else
        readers[i]->closeRead();
    }
    if (in.fds[1] >= 0 && (polls[2].revents & (POLLOUT | POLLERR))) {
      const ssize_t put = write(in.fds[1], input.data() + fed, input.size() - fed);
      if (put > 0) fed += static_cast<std::size_t>(put);
      if (put <= 0 || fed == input.size()) in.closeWrite();
    }
  }
}

}  // namespace

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::string& input) {
  signal(SIGPIPE, SIG_IGN);
  Pipe in, out, err;
  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) {
    dup2(in.fds[0], 0);
    dup2(out.fds[1], 1);
    dup2(err.fds[1], 2);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  in.closeRead();
  out.closeWrite();
  err.closeWrite();
  ProgramRun run;
  exchange(in, out, err, input, run);
  int status = 0;
  waitpid(child, &status, 0);
  run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::string cliProgram() {
  return std::string(ZORVQI_BIN_DIR) + "/zorvqi-cli";
}

}  // namespace zorvqi::testing
