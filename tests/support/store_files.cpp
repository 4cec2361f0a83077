#include "support/store_files.h"

#include <sqlite3.h>

#include <stdexcept>

#include "support/temp_dir.h"

namespace zorvqi::testing {

void createSqliteFile(const std::string& path, const std::string& sql) {
  sqlite3* db = nullptr;
  if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) throw std::runtime_error("cannot create " + path);
  char* error = nullptr;
  const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
  const std::string message = error ? error : "";
  sqlite3_free(error);
  sqlite3_close(db);
  if (rc != SQLITE_OK) throw std::runtime_error("fixture SQL failed: " + message);
}

std::string shippedSchema() {
  return readFileBytes(std::string(ZORVQI_SOURCE_DIR) + "/data/zorv.sql");
}

std::string olderSchema() {
  return "CREATE TABLE rule (id INTEGER PRIMARY KEY AUTOINCREMENT, class INTEGER, code text, name text,"
         " url text, cookie text, ua text, arttile text, arturl text, lasttime text, buquan text,"
         " regular text, before text, after text, tindex INTEGER, uindex INTEGER, oindex text,"
         " isdo INTEGER, lastid INTEGER, type INTEGER);"
         "CREATE TABLE info (id INTEGER PRIMARY KEY AUTOINCREMENT, planname text, planid INTEGER,"
         " title text, url text, other text, addtime text, issoucang text);";
}

}  // namespace zorvqi::testing
