#include "support/cli_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include "support/temp_dir.h"

extern char** environ;

namespace zorvqi::testing {

CliResult runCli(const std::vector<std::string>& args, const std::string& input) {
  // Files instead of pipes: the child can write any amount without a reader keeping pace.
  TempDir dir;
  const std::string in = dir.file("stdin"), out = dir.file("stdout"), err = dir.file("stderr");
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
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);

  CliResult result;
  if (spawned != 0) {
    result.exitStatus = 127;
    return result;
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
  }
  result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  result.out = readFileBytes(out);
  result.err = readFileBytes(err);
  return result;
}

}  // namespace zorvqi::testing
