// decode MODE TEXT: a title decoding, as a plan would apply it.
#include <charconv>
#include <string_view>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "text/decode_text.h"

namespace zorvqi::cli {
namespace {

// The mode as a whole decimal number; nothing else is a mode.
bool parseMode(std::string_view text, int& mode) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, mode);
  return !text.empty() && error == std::errc() && stop == end;
}

}  // namespace

int runDecodeCommand(const Args& args) {
  if (wantsHelp(args)) return printUsage(commandNamed("decode"), true);
  int mode = 0;
  if (args.size() != 2 || !parseMode(args[0], mode)) return printUsage(commandNamed("decode"), false);
  printLine(decodeText(mode, argToGbk(args[1])));
  return kExitDone;
}

}  // namespace zorvqi::cli
