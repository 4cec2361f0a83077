// The pages of the steady round: 50 GBK forum list pages of 1,000 articles each, all of them
// already stored, as a monitor meets them round after round once it has caught up.
//
// Contract: `steadyListPage(plan)` is the GBK page served at `steadyListPath(plan)` (plans
// 1..kSteadyPlans): page furniture, then a table (`<table id="list">` ... `</table>`) whose
// rows list the articles newest first, one row per article spread over lines as sites write
// them. `writeSteadyDirectory` makes a program directory for a site at `base`: zorv.db (the
// shipped schema from `schemaPath` and one checked plan per page, in look-up or compare-id
// mode, with every listed article stored and the last id at the newest) and zorvqi.ini.
// It throws when a file cannot be made. Thread safety: pure functions, one directory each.
#pragma once

#include <string>

namespace zorvqi::bench {

constexpr int kSteadyPlans = 50;
constexpr int kSteadyArticles = 1000;

enum class SteadyMode { LookUp, CompareId };

std::string steadyListPath(int plan);
std::string steadyListPage(int plan);
void writeSteadyDirectory(const std::string& dir, const std::string& base, SteadyMode mode,
                          const std::string& schemaPath);

}  // namespace zorvqi::bench
