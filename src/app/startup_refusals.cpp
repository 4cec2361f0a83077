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

}  // namespace zorvqi::app
