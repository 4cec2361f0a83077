// Runs the headless program as a real process, the way a user's script would.
//
// `runCli` starts ZORVQI_BIN_DIR/zorvqi-cli with the given arguments (UTF-8), feeds `input`
// on its standard input and waits for it to end; standard output and standard error come
// back whole, as the bytes written. A program that cannot be started gives exit status 127.
// Thread safety: may be called from any thread; each call uses its own temporary files.
#pragma once

#include <string>
#include <vector>

namespace zorvqi::testing {

struct CliResult {
  int exitStatus = -1;
  std::string out;
  std::string err;
};

CliResult runCli(const std::vector<std::string>& args, const std::string& input = {});

}  // namespace zorvqi::testing
