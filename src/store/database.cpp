#include "store/database.h"

#include <sqlite3.h>

#include "base/cancel_flag.h"
#include "text/charset.h"

namespace zorvqi {
namespace {

// Long enough for the other program's write to finish, short enough that a locked file does
// not freeze a window for long (the lock holder never pumps events).
constexpr int kBusyTimeoutMs = 3000;

std::string columnText(sqlite3_stmt* statement, int column) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
  if (!text) return {};
  return utf8ToGbk(std::string_view(text, static_cast<std::size_t>(sqlite3_column_bytes(statement, column))));
}

bool bindValue(sqlite3_stmt* statement, int index, const SqlValue& value) {
  if (const auto* number = std::get_if<std::int64_t>(&value)) {
    return sqlite3_bind_int64(statement, index, *number) == SQLITE_OK;
  }
  const std::string utf8 = gbkToUtf8(std::get<std::string>(value));
  return sqlite3_bind_text(statement, index, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT) ==
         SQLITE_OK;
}

}  // namespace

Database::~Database() {
  closeStore();
}

bool Database::openStore(const std::string& path) {
  StoreLockHold hold(lock_);
  if (!hold.held()) return false;
  if (connection_) {
    sqlite3_close_v2(connection_);
    connection_ = nullptr;
  }
  sqlite3* connection = nullptr;
  const int opened =
      sqlite3_open_v2(path.c_str(), &connection, SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX, nullptr);
  if (opened != SQLITE_OK) {
    sqlite3_close_v2(connection);
    return false;
  }
  sqlite3_busy_timeout(connection, kBusyTimeoutMs);
  if (sqlite3_exec(connection, "select count(*) from sqlite_master", nullptr, nullptr, nullptr) !=
      SQLITE_OK) {
    sqlite3_close_v2(connection);
    return false;
  }
  connection_ = connection;
  return true;
}

void Database::closeStore() {
  StoreLockHold hold(lock_);
  if (!hold.held()) return;
  finalize();
  sqlite3_close_v2(connection_);
  connection_ = nullptr;
}

bool Database::isOpen() const {
  StoreLockHold hold(lock_);
  return hold.held() && connection_ != nullptr;
}

bool Database::usable() const {
  return connection_ && !threadCancelled();
}

bool Database::prepare(std::string_view sql, const std::vector<SqlValue>& values) {
  const std::string utf8 = gbkToUtf8(sql);
  if (sqlite3_prepare_v2(connection_, utf8.c_str(), static_cast<int>(utf8.size()), &statement_, nullptr) !=
          SQLITE_OK ||
      !statement_) {
    finalize();
    return false;
  }
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (!bindValue(statement_, static_cast<int>(i) + 1, values[i])) {
      finalize();
      return false;
    }
  }
  return true;
}

void Database::finalize() {
  sqlite3_finalize(statement_);
  statement_ = nullptr;
}

bool Database::step(std::string_view sql, const std::vector<SqlValue>& values) {
  if (!prepare(sql, values)) return false;
  const int stepped = sqlite3_step(statement_);
  finalize();
  return stepped == SQLITE_DONE || stepped == SQLITE_ROW;
}

bool Database::runStatement(std::string_view sql, const std::vector<SqlValue>& values) {
  StoreLockHold hold(lock_);
  return hold.held() && usable() && step(sql, values);
}

bool Database::runTogether(const std::vector<BoundStatement>& statements) {
  StoreLockHold hold(lock_);
  if (!hold.held() || !usable()) return false;
  // IMMEDIATE takes the file's write lock up front, waiting out another program's write; the
  // cancel flag is read again after that wait.
  if (sqlite3_exec(connection_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) return false;
  if (!usable()) {
    sqlite3_exec(connection_, "ROLLBACK", nullptr, nullptr, nullptr);
    return false;
  }
  bool all = true;
  for (const BoundStatement& statement : statements) all = step(statement.sql, statement.values) && all;
  if (sqlite3_exec(connection_, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK) return all;
  // A failed commit leaves the transaction open; nothing of it may stay pending.
  sqlite3_exec(connection_, "ROLLBACK", nullptr, nullptr, nullptr);
  return false;
}

void Database::waitForCurrentUse() {
  StoreLockHold hold(lock_);
}

bool Database::execStatement(std::string_view sql) {
  StoreLockHold hold(lock_);
  if (!hold.held() || !usable()) return false;
  return sqlite3_exec(connection_, gbkToUtf8(sql).c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

TextTable Database::queryTable(std::string_view sql, const std::vector<SqlValue>& values) {
  TextTable table;
  StoreLockHold hold(lock_);
  if (!hold.held() || !usable() || !prepare(sql, values)) return table;
  // The column count is read after the first step: a schema changed by another connection
  // re-prepares the statement there.
  int stepped = sqlite3_step(statement_);
  table.columnCount = sqlite3_column_count(statement_);
  for (; stepped == SQLITE_ROW; stepped = sqlite3_step(statement_)) {
    std::vector<std::string>& row = table.rows.emplace_back();
    row.reserve(static_cast<std::size_t>(table.columnCount));
    for (int column = 0; column < table.columnCount; ++column) row.push_back(columnText(statement_, column));
  }
  finalize();
  table.ok = stepped == SQLITE_DONE;
  if (!table.ok) table.rows.clear();
  return table;
}

int Database::countArticlesWithUrl(std::string_view url) {
  StoreLockHold hold(lock_);
  if (!hold.held() || !usable() || !prepare("SELECT * FROM info where url=?", {std::string(url)})) return 0;
  int count = 0;
  int stepped;
  while ((stepped = sqlite3_step(statement_)) == SQLITE_ROW) ++count;
  finalize();
  return stepped == SQLITE_DONE ? count : 0;
}

Database& programDatabase() {
  static Database database;
  return database;
}

}  // namespace zorvqi
