#include "cli/cli_store.h"

#include <filesystem>

#include "base/program_dir.h"
#include "cli/cli_io.h"
#include "store/database.h"

namespace zorvqi::cli {

bool openProgramStore() {
  const std::string path = programFile("zorv.db");
  std::error_code ignored;
  if (!std::filesystem::exists(path, ignored)) {
    printError("数据库文件 zorv.sdb 缺失，无法工作！ Error：Database file ‘zorv.db’ missing: " + path);
    return false;
  }
  if (!programDatabase().openStore(path)) {
    printError("数据库打开失败！ " + path);
    return false;
  }
  return true;
}

DialogAnswer StderrDialogs::message(const std::string& text, const std::string& /*title*/,
                                    DialogIcon /*icon*/, DialogButtons /*buttons*/) {
  printError(text);
  return DialogAnswer::Ok;
}

std::optional<std::string> StderrDialogs::input(const std::string& prompt, const std::string& /*title*/,
                                                const std::string& /*initial*/) {
  printError(prompt);
  return std::nullopt;
}

}  // namespace zorvqi::cli
