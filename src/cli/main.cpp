// zorvqi-cli: the monitor and its tools without a desktop.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/program_dir.h"
#include "cli/command.h"

namespace zorvqi::cli {
namespace {

void printProgramUsage(std::FILE* out) {
  std::fprintf(out, "usage: zorvqi-cli [--dir DIR] COMMAND [ARGS...]\n\ncommands:\n");
  for (const Command& command : commands()) std::fprintf(out, "  %s\n", command.usage);
}

}  // namespace

const Command& commandNamed(std::string_view name) {
  for (const Command& command : commands()) {
    if (name == command.name) return command;
  }
  std::abort();
}

int printUsage(const Command& command, bool asHelp) {
  std::fprintf(asHelp ? stdout : stderr, "usage: zorvqi-cli %s\n", command.usage);
  return asHelp ? kExitDone : kExitUsage;
}

bool wantsHelp(const Args& args) {
  for (const std::string& arg : args) {
    if (arg == "--help" || arg == "-h") return true;
  }
  return false;
}

int runMain(int argc, char** argv) {
  int next = 1;
  if (next < argc && (std::strcmp(argv[next], "--help") == 0 || std::strcmp(argv[next], "-h") == 0)) {
    printProgramUsage(stdout);
    return kExitDone;
  }
  if (next < argc && std::strcmp(argv[next], "--dir") == 0) {
    if (next + 1 >= argc) {
      printProgramUsage(stderr);
      return kExitUsage;
    }
    setProgramDir(argv[next + 1]);
    next += 2;
  } else {
    const std::string failure = useInstalledDirsWhereNeeded();
    if (!failure.empty()) std::fprintf(stderr, "zorvqi-cli: %s\n", failure.c_str());
  }
  if (next >= argc) {
    printProgramUsage(stderr);
    return kExitUsage;
  }
  const std::string name = argv[next];
  for (const Command& command : commands()) {
    if (name == command.name) return command.run(Args(argv + next + 1, argv + argc));
  }
  std::fprintf(stderr, "zorvqi-cli: unknown command '%s'\n", name.c_str());
  printProgramUsage(stderr);
  return kExitUsage;
}

}  // namespace zorvqi::cli

int main(int argc, char** argv) {
  return zorvqi::cli::runMain(argc, argv);
}
