// A program directory with one checked compare-id plan whose loopback list page holds 60 new
// articles in no particular order, for tests that run the headless monitor as real processes.
//
// Contract: the page lists ids 101..160 shuffled (top to bottom `pageIds()`), each with the
// address "/t/ID", a Chinese title and the id as its extra info; the plan's stored last id is 100, so every
// article is new at first. `stored()` reads table `info` straight from the file (read-only, so it never holds
// a write lock the monitor needs); `lastIdRow()` and `latestTitleRow()` read the plan's row.
// `waitUntilStored(n)` polls until at least n articles are stored. Literals here are GBK like the rest of the
// suite. Thread safety: the test's thread only.
#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "store/settings_file.h"
#include "support/cli_process.h"
#include "support/page_server.h"
#include "support/store_files.h"
#include "support/temp_dir.h"
#include "text/charset.h"

namespace zorvqi::testing {

class CompareIdDirectory : public ::testing::Test {
 protected:
  static constexpr long long kStartLastId = 100;
  static constexpr int kArticles = 60;

  void SetUp() override {
    std::string page = "<html><body><div>nav</div><ul id=\"list\">";
    for (long long id : pageIds())
      page += "<li><a href=\"/t/" + std::to_string(id) + "\">帖子" + std::to_string(id) + "</a><span>" +
              std::to_string(id) + "</span></li>\r\n";
    server.serve("/list", page + "</ul></body></html>", "text/html; charset=gbk");
    createSqliteFile(
        dir.file("zorv.db"),
        shippedSchema() +
            gbkToUtf8("INSERT INTO rule (id, class, code, name, url, ua, buquan, regular, before, "
                      "after, tindex, uindex, oindex, isdo, lastid, type) VALUES (1, 1, '1', "
                      "'论坛', '" +
                      server.url("/list") + "', 'User-Agent: t', '" + server.url("") +
                      "[1]', '<li><a href=\"(.*?)\">(.*?)</a><span>(\\d*)</span></li>', "
                      "'<ul id=\"list\">', '</ul>', 2, 3, '[3]', 1, '100', 8);"));
    ASSERT_TRUE(settings.write(kConfigSection, "类别", "<演示>"));
  }

  // 101..160 in a fixed shuffled order (37 is prime to 60).
  static std::vector<long long> pageIds() {
    std::vector<long long> ids;
    for (int i = 0; i < kArticles; ++i) ids.push_back(kStartLastId + 1 + (i * 37) % kArticles);
    return ids;
  }

  std::vector<std::string> args(const std::vector<std::string>& command) const {
    std::vector<std::string> all = {"--dir", dir.path().string()};
    all.insert(all.end(), command.begin(), command.end());
    return all;
  }

  // The ids of the stored articles, in the order they were stored.
  std::vector<long long> stored() const {
    std::vector<long long> ids;
    for (const auto& row : query("select other from info order by id")) ids.push_back(std::stoll(row));
    return ids;
  }
  long long lastIdRow() const {
    return std::stoll(query("select ifnull(lastid, 0) from rule where id=1").at(0));
  }
  std::string latestTitleRow() const {
    return utf8ToGbk(query("select ifnull(arttile, '') from rule").at(0));
  }

  bool waitUntilStored(std::size_t count) const {
    for (int i = 0; i < 1000; ++i) {
      if (std::stoul(query("select count(*) from info").at(0)) >= count) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
  }

  // The last id a run cut after storing `storedIds` may record: the highest stored id below
  // which every new id has been stored (the start value when there is none).
  static long long safeLastId(const std::vector<long long>& storedIds) {
    std::vector<long long> all = pageIds();
    std::sort(all.begin(), all.end());
    const std::set<long long> done(storedIds.begin(), storedIds.end());
    long long safe = kStartLastId;
    for (long long id : all) {
      if (!done.count(id)) break;
      safe = id;
    }
    return safe;
  }

  // Every page id stored exactly once.
  void expectEachStoredOnce() const {
    std::map<long long, int> times;
    for (long long id : stored()) ++times[id];
    std::string twice;
    std::string never;
    for (const auto& [id, count] : times)
      if (count > 1) twice += " " + std::to_string(id);
    for (long long id : pageIds())
      if (!times.count(id)) never += " " + std::to_string(id);
    EXPECT_EQ(twice, "") << "stored more than once";
    EXPECT_EQ(never, "") << "never stored";
  }

  PageServer server;
  TempDir dir;
  SettingsFile settings{dir.file("zorvqi.ini")};

 private:
  std::vector<std::string> query(const std::string& sql) const {
    std::vector<std::string> values;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(dir.file("zorv.db").c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
      sqlite3_busy_timeout(db, 5000);
      sqlite3_stmt* statement = nullptr;
      if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK) {
        while (sqlite3_step(statement) == SQLITE_ROW) {
          const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
          values.emplace_back(text ? text : "");
        }
      }
      sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return values;
  }
};

}  // namespace zorvqi::testing
