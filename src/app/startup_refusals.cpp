#include "app/startup_refusals.h"

#include "text/charset.h"

namespace zorvqi::app {

std::string startupFailedTitle() {
  return utf8ToGbk("启动失败");
}

std::string missingBrowserLibraryText() {
  return utf8ToGbk(
      "浏览器支持库 ewe.dll 缺失，无法工作！ \r\nError：File ‘wke.dll’ missing\r\n\r\n\r\n请到 汐昙云栈博客 "
      "下载完整版本！");
}

std::string missingDatabaseText() {
  return utf8ToGbk(
      "数据库文件 zorv.sdb 缺失，无法工作！ \r\nError：Database file ‘zorv.db’ missing\r\n\r\n\r\n请到 "
      "汐昙云栈博客 "
      "下载完整版本！");
}

std::string databaseOpenFailedText() {
  return utf8ToGbk("数据库打开失败！");
}

std::string alreadyRunningText(const std::string& directory) {
  return utf8ToGbk("本程序已经在这个目录上运行，不能再打开一个！\r\n目录：") + directory;
}

std::string monitorHeldLine(const std::string& holder) {
  return holder + utf8ToGbk(" 正在这个目录上监控：它结束之前，监控勾选 和 一键提取 不能运行");
}

std::string monitorHeldText(const std::string& holder) {
  return holder + utf8ToGbk(" 正在这个目录上监控，请等它结束后再试！");
}

std::string monitorLockFailedLine(const std::string& cause) {
  return utf8ToGbk("无法锁定这个目录（") + cause + utf8ToGbk("）：监控勾选 和 一键提取 不能运行");
}

std::string monitorLockFailedText(const std::string& cause) {
  return utf8ToGbk("无法锁定这个目录，监控不能运行：") + cause;
}

}  // namespace zorvqi::app
