// SQLite files for store tests, made with SQLite itself (the store never creates a file).
//
// Contract: `createSqliteFile` throws when the file cannot be made or the SQL fails, so a
// broken fixture stops its test. Thread safety: may be called from any thread, one file each.
#pragma once

#include <string>

namespace zorvqi::testing {

// Creates the file at `path` and runs `sql` (UTF-8, any number of statements) on it.
void createSqliteFile(const std::string& path, const std::string& sql);

// The schema the build ships zorv.db with (data/zorv.sql).
std::string shippedSchema();

// `rule` in its older 20-column form (no postinfo, no tcode), and `info` without indexes.
std::string olderSchema();

}  // namespace zorvqi::testing
