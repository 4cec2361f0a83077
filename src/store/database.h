// The one database connection and statement object of the process, behind the store lock.
//
// Contract: `openStore` opens an existing SQLite file (it never creates one) and runs one
// probe query, so a file that is not a database fails there. Every statement text and bound
// text is GBK and goes to SQLite as UTF-8; every column text comes back as GBK. Each use takes
// the store lock, prepares the statement object, runs it, reads its rows, closes it and
// releases the lock; nothing else happens in between. A statement fails (false, or a
// `TextTable` with `ok` false and no rows) when the store is not open, the statement is
// wrong, the file is locked beyond the busy timeout, or the calling worker has been cancelled
// (checked under the lock, so nothing of an abandoned worker lands after it was abandoned).
// `runTogether` runs several statements in one hold of the lock and one transaction, so no
// other use of the file, in this process or another, sees some of them without the rest.
// `waitForCurrentUse` returns once a statement running on another thread has ended, so a
// caller that has just cancelled a worker knows nothing of it lands afterwards.
// Failures are not reported to the user here; callers word their own messages.
// Thread safety: every member may be called from any thread; the lock serialises them.
// `programDatabase()` is the instance both programs use; tests make their own.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "store/store_lock.h"

struct sqlite3;
struct sqlite3_stmt;

namespace zorvqi {

// A value bound to a "?" of a statement: a number, or a GBK text.
using SqlValue = std::variant<std::int64_t, std::string>;

// One statement and the values bound to its "?"s.
struct BoundStatement {
  std::string_view sql;
  std::vector<SqlValue> values;
};

// The rows of a query, every value as GBK text (NULL reads as the empty text).
struct TextTable {
  bool ok = false;
  int columnCount = 0;
  std::vector<std::vector<std::string>> rows;

  int rowCount() const { return static_cast<int>(rows.size()); }
};

class Database {
 public:
  Database() = default;
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // `path` is a file-system path, as the OS spells it. An open store is closed first.
  bool openStore(const std::string& path);
  void closeStore();
  bool isOpen() const;

  // Prepares and steps one statement once (only the first of several runs).
  bool runStatement(std::string_view sql, const std::vector<SqlValue>& values = {});
  // Executes the text directly on the connection.
  bool execStatement(std::string_view sql);
  // Steps a statement to its end and returns its rows; `columnCount` is known even without rows.
  TextTable queryTable(std::string_view sql, const std::vector<SqlValue>& values = {});
  // The number of stored articles whose address is `url` exactly; 0 when the query fails.
  int countArticlesWithUrl(std::string_view url);
  // Each statement in order; one that fails does not stop the others, and what succeeded is
  // committed. True when all succeeded; false, with nothing run, when the store is unusable,
  // the transaction cannot begin or the caller was cancelled meanwhile, and with nothing kept
  // when the commit fails.
  bool runTogether(const std::vector<BoundStatement>& statements);
  void waitForCurrentUse();

 private:
  bool prepare(std::string_view sql, const std::vector<SqlValue>& values);
  bool step(std::string_view sql, const std::vector<SqlValue>& values);
  void finalize();
  bool usable() const;

  mutable StoreLock lock_;
  sqlite3* connection_ = nullptr;
  sqlite3_stmt* statement_ = nullptr;
};

Database& programDatabase();

}  // namespace zorvqi
