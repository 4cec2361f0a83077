// Loading the plans: schema migration, the new plan table and the plan tree.
//
// Contract: `loadPlans` rebuilds the plan tree from the category list of `settings`, brings
// table `rule` from its older 20-column form up to 22 columns (adding `postinfo` and
// `tcode`; a 22-column table is left alone), creates the two indexes of table `info` and our
// own table `storedabove` (store/article_store.h) when missing, and reads every row of `rule` into a new plan
// table whose size is the largest id. With no row (or a store that cannot be read) it shows
// "出错！数据库不存在规则！请创建！" through `dialogs` and returns `NoPlans` without a table: the caller
// keeps its previous one. The gzip flag of the plans depends on whether the module gzip.dll loads
// (base/gzip_module.h).
// Window events run between the two schema changes (a zero-length wait on the calling
// thread's pump), never while the store lock is held.
// Thread safety: may be called from any thread; the dialog is shown on the calling thread.
#pragma once

#include "store/plan_table.h"
#include "store/plan_tree.h"

namespace zorvqi {

class Database;
class Dialogs;
class SettingsFile;

enum class PlanLoadStatus { Loaded, NoPlans };

struct PlanLoad {
  PlanLoadStatus status = PlanLoadStatus::NoPlans;
  PlanTablePtr table;  // null unless Loaded
  PlanTree tree;       // rebuilt in both cases
};

extern const char* const kNoPlansMessage;

PlanLoad loadPlans(Database& database, const SettingsFile& settings, Dialogs& dialogs);

}  // namespace zorvqi
