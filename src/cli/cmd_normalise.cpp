// normalise [--utf8] [FILE]: a page source normalised as every fetched page is.
#include <optional>
#include <string>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "extract/normalise_source.h"
#include "text/page_text.h"

namespace zorvqi::cli {
namespace {

struct NormaliseArgs {
  bool utf8 = false;
  std::string file;
};

std::optional<NormaliseArgs> parseNormaliseArgs(const Args& args) {
  NormaliseArgs parsed;
  bool haveFile = false;
  for (const std::string& arg : args) {
    if (arg == "--utf8") {
      parsed.utf8 = true;
    } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
      return std::nullopt;
    } else if (haveFile) {
      return std::nullopt;
    } else {
      parsed.file = arg;
      haveFile = true;
    }
  }
  return parsed;
}

}  // namespace

int runNormaliseCommand(const Args& args) {
  if (wantsHelp(args)) return printUsage(commandNamed("normalise"), true);
  const std::optional<NormaliseArgs> parsed = parseNormaliseArgs(args);
  if (!parsed) return printUsage(commandNamed("normalise"), false);
  const std::optional<std::string> input = readInput(parsed->file);
  if (!input) {
    printError(argToGbk("zorvqi-cli: cannot read " + parsed->file));
    return kExitFailed;
  }
  printLine(normaliseSource(bytesToPageText(*input, !parsed->utf8)));
  return kExitDone;
}

}  // namespace zorvqi::cli
