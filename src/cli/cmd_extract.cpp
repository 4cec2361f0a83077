// extract --rule PATTERN [--start M] [--end M] [--gbk] [FILE]: a rule tried on a saved page
// the way a plan's worker runs it on a fetched one.
#include <optional>
#include <string_view>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "extract/caller_steps.h"
#include "extract/find_matches.h"
#include "extract/rule_syntax.h"
#include "fetch/fetch_page.h"

namespace zorvqi::cli {
namespace {

constexpr std::string_view kNoMatchMessage = "匹配结果为0,请检查匹配规则!";

struct ExtractArgs {
  std::optional<std::string> rule;  // GBK, in placeholder form
  std::string startMarker;          // GBK
  std::string endMarker;            // GBK
  bool gbk = false;
  std::string file;
};

bool takeValue(const Args& args, std::size_t& i, std::string& value) {
  if (i + 1 >= args.size()) return false;
  value = argToGbk(args[++i]);
  return true;
}

std::optional<ExtractArgs> parseExtractArgs(const Args& args) {
  ExtractArgs parsed;
  bool haveFile = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::string value;
    if (arg == "--rule") {
      if (!takeValue(args, i, value)) return std::nullopt;
      parsed.rule = value;
    } else if (arg == "--start") {
      if (!takeValue(args, i, parsed.startMarker)) return std::nullopt;
    } else if (arg == "--end") {
      if (!takeValue(args, i, parsed.endMarker)) return std::nullopt;
    } else if (arg == "--gbk") {
      parsed.gbk = true;
    } else if ((arg.size() > 1 && arg[0] == '-' && arg != "-") || haveFile) {
      return std::nullopt;
    } else {
      parsed.file = arg;
      haveFile = true;
    }
  }
  if (!parsed.rule) return std::nullopt;
  return parsed;
}

// The page as the fetch hands it over: GBK text, normalised, empty when a lone start marker
// is missing.
std::string fetchedSource(const std::string& bytes, const ExtractArgs& args) {
  PageRequest page;
  page.gbkSwitch = args.gbk ? 1 : 0;
  page.startMarker = args.startMarker;
  page.endMarker = args.endMarker;
  return usablePageText(bytes, page);
}

}  // namespace

int runExtractCommand(const Args& args) {
  if (wantsHelp(args)) return printUsage(commandNamed("extract"), true);
  const std::optional<ExtractArgs> parsed = parseExtractArgs(args);
  if (!parsed) return printUsage(commandNamed("extract"), false);
  const std::optional<std::string> input = readInput(parsed->file);
  if (!input) {
    printError(argToGbk("zorvqi-cli: cannot read " + parsed->file));
    return kExitFailed;
  }
  const Region region = regionToMatch(ExtractCaller::PlanWorker, fetchedSource(*input, *parsed),
                                      parsed->startMarker, parsed->endMarker);
  if (region.status != RegionStatus::Ready) {
    printError(failureMessage(ExtractCaller::PlanWorker, region.status));
    return kExitFailed;
  }
  const MatchList found = searchMatches(toExpression(*parsed->rule), region.text);
  if (found.matches.empty()) {
    printError(kNoMatchMessage);
    return kExitFailed;
  }
  for (const Match& match : found.matches) printRow(match.fields);
  if (found.capped) printError(kTooManyMatchesMessage);
  return kExitDone;
}

}  // namespace zorvqi::cli
