// A store on a fresh zorv.db in a temporary directory, for the store tests.
//
// Contract: `openWith` creates zorv.db from the schema and opens the store on it, failing the
// test when it cannot; `scalar` is the first cell of a query, "<none>" for no rows.
// Thread safety: one test's thread.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "store/database.h"
#include "support/store_files.h"
#include "support/temp_dir.h"

namespace zorvqi::testing {

class StoreTest : public ::testing::Test {
 protected:
  void openWith(const std::string& schema) {
    createSqliteFile(dbPath(), schema);
    ASSERT_TRUE(db.openStore(dbPath()));
  }
  std::string dbPath() const { return dir.file("zorv.db"); }
  std::string scalar(const std::string& sql) {
    const TextTable table = db.queryTable(sql);
    return table.rows.empty() || table.rows[0].empty() ? "<none>" : table.rows[0][0];
  }

  TempDir dir;
  Database db;
};

}  // namespace zorvqi::testing
