#include "steady_pages.h"

#include <sqlite3.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "text/charset.h"

namespace zorvqi::bench {
namespace {

const char* const kSubjects[] = {
    "本周版务公告与新人须知", "求助：路由器频繁掉线怎么办", "分享一款好用的笔记软件", "周末骑行路线推荐",
    "二手显示器转让，九成新", "关于论坛积分规则的调整",     "新手如何入门摄影",       "家常红烧肉的做法",
};

// The newest article of a plan; its page lists this one and the 999 before it.
long long newestId(int plan) {
  return static_cast<long long>(plan) * 100000 + kSteadyArticles;
}

std::string articleTitle(int plan, long long id) {
  return "第" + std::to_string(plan) + "版 " + kSubjects[id % 8] + " " + std::to_string(id);
}

std::string articleRow(int plan, long long id) {
  const std::string number = std::to_string(id);
  return "\r\n    <tr class=\"row\">\r\n      <td class=\"title\"><a href=\"/board/" + std::to_string(plan) +
         "/t" + number + ".html\" target=\"_blank\">" + articleTitle(plan, id) +
         "</a></td>\r\n      <td class=\"author\">用户" + std::to_string(id % 977) +
         "</td>\r\n      <td class=\"num\">" + std::to_string(id % 53) +
         "</td>\r\n      <td class=\"date\">2024-05-03 09:07</td>\r\n    </tr>";
}

std::string furniture(int plan) {
  std::string nav = "\r\n  <div id=\"nav\">";
  for (int board = 1; board <= 60; ++board)
    nav += "\r\n    <a href=\"/board/" + std::to_string(board) + "/\">版块" + std::to_string(board) + "</a>";
  return "<html>\r\n<head>\r\n  <meta http-equiv=\"Content-Type\" content=\"text/html; charset=gbk\">\r\n"
         "  <title>第" +
         std::to_string(plan) + "版 - 演示论坛</title>\r\n</head>\r\n<body>" + nav + "\r\n  </div>";
}

std::string quoted(const std::string& gbk) {
  std::string out = "'";
  for (char c : gbk) out += c == '\'' ? std::string("''") : std::string(1, c);
  return out + "'";
}

std::string planRow(int plan, const std::string& base, SteadyMode mode) {
  const bool compareId = mode == SteadyMode::CompareId;
  const std::string id = std::to_string(plan);
  return "INSERT INTO rule (id, class, code, name, url, ua, buquan, regular, before, after, tindex, uindex, "
         "oindex, isdo, lastid, type) VALUES (" +
         id + ", 1, '1', " + quoted("演示论坛" + id) + ", " + quoted(base + steadyListPath(plan)) + ", " +
         quoted("User-Agent: Mozilla/5.0 (X11; Linux x86_64) zorvqi-bench") + ", " +
         quoted(base + "[1]t[2].html") + ", " +
         quoted(
             "<tr class=\"row\"> <td class=\"title\"><a href=\"(.*?)t(\\d*).html\" target=\"_blank\">(.*?)"
             "</a></td> <td class=\"author\">(.*?)</td> <td class=\"num\">\\d*</td> <td "
             "class=\"date\">(.*?)</td> </tr>") +
         ", '<table id=\"list\">', '</table>', 3, 2, '[4] [5]', 1, '" + std::to_string(newestId(plan)) +
         "', " + (compareId ? "8" : "5") + ");";
}

std::string storedArticles(int plan, const std::string& base) {
  std::string sql;
  const std::string id = std::to_string(plan);
  for (long long article = newestId(plan) - kSteadyArticles + 1; article <= newestId(plan); ++article) {
    const std::string number = std::to_string(article);
    sql += "INSERT INTO info (planname, planid, title, url, other, addtime, issoucang) VALUES (" +
           quoted("演示论坛" + id) + ", " + id + ", " + quoted(articleTitle(plan, article)) + ", " +
           quoted(base + "/board/" + id + "/t" + number + ".html") + ", '', '5/3 9:07', '0');";
  }
  return sql;
}

std::string fileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void runSql(const std::string& path, const std::string& utf8) {
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  char* error = nullptr;
  const int result = sqlite3_exec(db, utf8.c_str(), nullptr, nullptr, &error);
  const std::string message = error ? error : "";
  sqlite3_free(error);
  sqlite3_close(db);
  if (result != SQLITE_OK) throw std::runtime_error("steady store: " + message);
}

}  // namespace

std::string steadyListPath(int plan) {
  return "/board/" + std::to_string(plan) + "/list.html";
}

std::string steadyListPage(int plan) {
  std::string page = furniture(plan) + "\r\n  <table id=\"list\">";
  for (long long id = newestId(plan); id > newestId(plan) - kSteadyArticles; --id)
    page += articleRow(plan, id);
  return page + "\r\n  </table>\r\n  <div id=\"foot\">演示论坛 版权所有</div>\r\n</body>\r\n</html>\r\n";
}

void writeSteadyDirectory(const std::string& dir, const std::string& base, SteadyMode mode,
                          const std::string& schemaPath) {
  std::string sql = "BEGIN;";
  for (int plan = 1; plan <= kSteadyPlans; ++plan)
    sql += planRow(plan, base, mode) + storedArticles(plan, base);
  runSql(dir + "/zorv.db", fileText(schemaPath) + gbkToUtf8(sql + "COMMIT;"));
  std::ofstream ini(dir + "/zorvqi.ini", std::ios::binary);
  ini << "[配置]\r\n类别=<演示>\r\n";  // GBK, as the literals of this library
  if (!ini) throw std::runtime_error("cannot write " + dir + "/zorvqi.ini");
}

}  // namespace zorvqi::bench
