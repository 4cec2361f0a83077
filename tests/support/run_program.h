// Runs a program as a real child process and collects what it printed.
#pragma once

#include <string>
#include <vector>

namespace zorvqi::testing {

struct ProgramRun {
  int exitStatus = -1;  // -1 when it did not exit normally
  std::string out;
  std::string err;
};

// Runs `program` with `args`, feeding `input` on its standard input.
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::string& input = "");

// The headless program of this build (ZORVQI_BIN_DIR/zorvqi-cli).
std::string cliProgram();

}  // namespace zorvqi::testing
