#include "store/load_plans.h"

#include <algorithm>
#include <chrono>

#include "base/dialogs.h"
#include "base/event_pump.h"
#include "base/gzip_module.h"
#include "store/category_list.h"
#include "store/database.h"
#include "store/plan_fields.h"
#include "text/number.h"

namespace zorvqi {

const char* const kNoPlansMessage = "出错！数据库不存在规则！请创建！";

namespace {

constexpr int kOlderRuleColumns = 20;

void letWindowEventsRun() {
  pauseFor(std::chrono::milliseconds(0));
}

TextTable readRulesMigrating(Database& database) {
  TextTable rules = database.queryTable("select * from rule");
  if (rules.columnCount != kOlderRuleColumns) return rules;
  database.runStatement("ALTER TABLE rule ADD postinfo text;");
  letWindowEventsRun();
  database.runStatement("ALTER TABLE rule ADD tcode text;");
  letWindowEventsRun();
  return database.queryTable("select * from rule");
}

// Look-up mode queries `info` by address and by plan; databases made before the indexes
// existed get them here, and the table of the ids cut runs stored (store/article_store.h).
void ensureOwnAdditions(Database& database) {
  database.runStatement("CREATE INDEX IF NOT EXISTS info_url ON info(url)");
  database.runStatement("CREATE INDEX IF NOT EXISTS info_plan ON info(planid, id)");
  database.runStatement("CREATE TABLE IF NOT EXISTS storedabove (planid INTEGER, articleid INTEGER)");
}

int largestId(const TextTable& rules) {
  int largest = 0;
  for (const auto& row : rules.rows) largest = std::max(largest, textToInt32(row[kRuleId]));
  return largest;
}

}  // namespace

PlanLoad loadPlans(Database& database, const SettingsFile& settings, Dialogs& dialogs) {
  PlanLoad load;
  load.tree = buildPlanTree(database, categoryList(settings));
  const TextTable rules = readRulesMigrating(database);
  ensureOwnAdditions(database);
  if (rules.rows.empty()) {
    dialogs.inform(kNoPlansMessage);
    return load;
  }
  auto table = std::make_shared<PlanTable>(largestId(rules));
  const bool gzipAvailable = gzipModulePresent();
  for (const auto& row : rules.rows) table->put(planFromRow(row, gzipAvailable));
  load.status = PlanLoadStatus::Loaded;
  load.table = std::move(table);
  return load;
}

}  // namespace zorvqi
