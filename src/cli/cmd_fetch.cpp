// fetch [--gbk] [--gzip] [--header LINE]... [--cookie C] [--post DATA] [--start M] [--end M]
// URL: one page through fetchPage, as a plan would fetch it.
#include <string>

#include "cli/cli_io.h"
#include "cli/commands.h"
#include "fetch/fetch_page.h"

namespace zorvqi::cli {
namespace {

void appendHeaderLine(std::string& headerText, const std::string& line) {
  if (!headerText.empty()) headerText += "\r\n";
  headerText += line;
}

// Fills `request` from the arguments; false on anything it does not know.
bool parseFetchArgs(const Args& args, PageRequest& request) {
  bool haveUrl = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--gbk") {
      request.gbkSwitch = 1;
    } else if (arg == "--gzip") {
      request.gzipSwitch = 1;
    } else if (arg == "--header" || arg == "--cookie" || arg == "--post" || arg == "--start" ||
               arg == "--end") {
      if (++i >= args.size()) return false;
      const std::string value = argToGbk(args[i]);
      if (arg == "--header") appendHeaderLine(request.headerText, value);
      if (arg == "--cookie") request.cookie = value;
      if (arg == "--post") {
        request.postSwitch = 1;
        request.postData = value;
      }
      if (arg == "--start") request.startMarker = value;
      if (arg == "--end") request.endMarker = value;
    } else if (arg.starts_with("--") || haveUrl) {
      return false;
    } else {
      request.url = argToGbk(arg);
      haveUrl = true;
    }
  }
  return haveUrl;
}

}  // namespace

int runFetchCommand(const Args& args) {
  if (wantsHelp(args)) return printUsage(commandNamed("fetch"), true);
  PageRequest request;
  if (!parseFetchArgs(args, request)) return printUsage(commandNamed("fetch"), false);
  const std::string page = fetchPage(request);
  if (page.empty()) {
    printError("源码为空或无效，请检查网络或有效标记！");
    return kExitFailed;
  }
  printLine(page);
  return kExitDone;
}

}  // namespace zorvqi::cli
