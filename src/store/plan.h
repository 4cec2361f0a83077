// One monitoring plan: a row of table `rule` as the system holds it in memory, plus the
// runtime state the plan worker keeps between rounds.
//
// Contract: every field of a freshly made record is empty or 0, which is also what a position
// of the plan table without a row holds. `loadPlans` fills the stored fields; afterwards only
// the worker changes a record (last title, last id, URL cache, cache counter), and only while
// it holds the plan's run lock (plan_table.h), which keeps two runs of one plan apart.
// Thread safety: the fields set at load are read-only afterwards and may be read from any
// thread; the worker fields belong to whoever holds the plan's run lock.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_set>

#include "text/template_refs.h"

namespace zorvqi {

struct Plan {
  int id = 0;                // `id`; 0 for a position without a row
  int category = 0;          // `class`: 1-based position in the category list
  bool gbk = false;          // `code` is "1": the list page is GBK, else UTF-8
  bool gzip = false;         // gzip.dll present and the headers ask for "postaccept-encoding"
  std::string name;          // `name`
  std::string url;           // `url`
  std::string cookie;        // `cookie`
  std::string headers;       // `ua`, with "User-Agent:" put in front when it names none
  std::string lastTitle;     // `arttile`
  std::string urlTemplate;   // `buquan`
  std::string infoTemplate;  // `oindex`
  TemplateRefs urlRefs;
  TemplateRefs infoRefs;
  std::string rule;         // `regular`, a RuleExpression
  std::string startMarker;  // `before`
  std::string endMarker;    // `after`
  int titleField = 0;       // `tindex`
  int idField = 0;          // `uindex`
  int state = 0;            // `isdo`: 0 normal, 1 checked at start, 3 disabled
  std::int64_t lastId = 0;  // `lastid`
  int detectMode = 0;       // `type`: 8 compares ids, anything else looks addresses up
  bool post = false;        // from `postinfo`
  std::string postData;     // from `postinfo`
  int decodeMode = 0;       // `tcode`

  // Runtime state of the look-up mode, empty after every load: the recent addresses of the
  // plan, each whole (an address is seen only when it is in the set exactly).
  std::unordered_set<std::string> urlCache;
  int cacheCounter = 0;
};

}  // namespace zorvqi
