// Store speed: the look-up-mode address check and the article insert as `info` grows, and
// loading 1,000 plans. Fixture databases are filled in one transaction each and live in a
// temporary directory for the length of the run.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>

#include "base/dialogs.h"
#include "base/program_dir.h"
#include "store/article_store.h"
#include "store/database.h"
#include "store/load_plans.h"
#include "store/settings_file.h"

namespace zorvqi {
namespace {

class BenchDir {
 public:
  BenchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zorvqi-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~BenchDir() { std::filesystem::remove_all(path_); }
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  std::string path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

BenchDir& benchDir() {
  static BenchDir dir;
  return dir;
}

std::string shippedSchema() {
  std::ifstream in(std::string(ZORVQI_SOURCE_DIR) + "/data/zorv.sql");
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string articleUrl(int i) {
  return "http://bbs.example.com/thread-" + std::to_string(i) + "-1-1.html";
}

// A zorv.db holding `articles` stored articles of 50 plans, filled in one transaction.
std::string makeArticleStore(int articles) {
  const std::string path = benchDir().file("articles-" + std::to_string(articles) + ".db");
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  sqlite3_exec(db, shippedSchema().c_str(), nullptr, nullptr, nullptr);
  sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
  sqlite3_stmt* insert = nullptr;
  sqlite3_prepare_v2(db,
                     "insert into info(planname,planid,title,url,other,addtime,issoucang) "
                     "values('plan',?,?,?,'','5/3 9:07','0')",
                     -1, &insert, nullptr);
  for (int i = 0; i < articles; ++i) {
    const std::string title = "Article title number " + std::to_string(i);
    const std::string url = articleUrl(i);
    sqlite3_bind_int(insert, 1, i % 50 + 1);
    sqlite3_bind_text(insert, 2, title.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(insert, 3, url.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_step(insert);
    sqlite3_reset(insert);
  }
  sqlite3_finalize(insert);
  sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
  sqlite3_close(db);
  return path;
}

Database& articleStore(int articles) {
  static std::map<int, std::unique_ptr<Database>> stores;
  auto& store = stores[articles];
  if (!store) {
    store = std::make_unique<Database>();
    if (!store->openStore(makeArticleStore(articles))) throw std::runtime_error("cannot open fixture");
  }
  return *store;
}

void BM_CountArticlesWithUrl(benchmark::State& state) {
  const int articles = static_cast<int>(state.range(0));
  Database& db = articleStore(articles);
  int i = 0;
  for (auto _ : state) {
    // Every other look-up is of an address the store lacks, as for a new article.
    const int n = (i * 7919) % articles;
    benchmark::DoNotOptimize(db.countArticlesWithUrl(articleUrl(i % 2 ? n : articles + n)));
    ++i;
  }
}
BENCHMARK(BM_CountArticlesWithUrl)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void BM_StoreArticle(benchmark::State& state) {
  Database& db = articleStore(static_cast<int>(state.range(0)));
  int i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(storeArticle(db, {.planName = "plan",
                                               .planId = 1,
                                               .title = "A new article's title",
                                               .url = "http://bbs.example.com/new-" + std::to_string(i++),
                                               .other = "",
                                               .addTime = "5/3 9:07"}));
  }
}
BENCHMARK(BM_StoreArticle)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void BM_LoadPlans(benchmark::State& state) {
  const int plans = static_cast<int>(state.range(0));
  const std::string path = benchDir().file("plans.db");
  sqlite3* raw = nullptr;
  sqlite3_open(path.c_str(), &raw);
  sqlite3_exec(raw, shippedSchema().c_str(), nullptr, nullptr, nullptr);
  sqlite3_exec(raw, "BEGIN", nullptr, nullptr, nullptr);
  for (int i = 1; i <= plans; ++i) {
    const std::string insert = "insert into rule values(" + std::to_string(i) + "," +
                               std::to_string(i % 4 + 1) + ",'1','Plan " + std::to_string(i) +
                               "','http://bbs.example.com/forum-2-1.html','sid=abc','Accept: */*\r\nReferer: "
                               "http://bbs.example.com/',"
                               "'Last title','http://bbs.example.com/t-9.html','5/3 "
                               "9:07','http://bbs.example.com/thread-[1]-1-1.html',"
                               "'<a href=\"thread-(\\d*)-1-1.html\">(.*?)</a>','<div "
                               "id=\"threadlist\">','</table>',2,1,'[1] by [3]'," +
                               std::to_string(i % 3) + ",'5000000000',8,'1a=1&b=2','0')";
    sqlite3_exec(raw, insert.c_str(), nullptr, nullptr, nullptr);
  }
  sqlite3_exec(raw, "COMMIT", nullptr, nullptr, nullptr);
  sqlite3_close(raw);

  setProgramDir(benchDir().path());
  const SettingsFile settings(benchDir().file("zorvqi.ini"));
  settings.write(kConfigSection, "类别", "<新闻><论坛><博客><其它>");
  Database db;
  db.openStore(path);
  RecordingDialogs dialogs;
  for (auto _ : state) {
    const PlanLoad load = loadPlans(db, settings, dialogs);
    if (load.status != PlanLoadStatus::Loaded ||
        load.table->ids().size() != static_cast<std::size_t>(plans)) {
      state.SkipWithError("plans did not load");
      break;
    }
  }
}
BENCHMARK(BM_LoadPlans)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvqi

BENCHMARK_MAIN();
