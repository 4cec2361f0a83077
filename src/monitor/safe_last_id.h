// The last id a compare-id run can vouch for while it is under way.
//
// Contract: given the last id a run started from and the ids of the page's matches (those above
// it are the new ones; duplicates allowed, any order), `value()` is the highest id H such that every
// new match with an id up to H has been handled (stored or dropped), or the start value while
// no such id is handled. The worker walks the page from the bottom and a page need not be
// sorted, so this is not simply the highest id handled so far; once every new match is
// handled it is the highest new id. `handle` marks one match of that id and returns the new
// value. Thread safety: one run's own object.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <vector>

namespace zorvqi {

class SafeLastId {
 public:
  SafeLastId(std::int64_t start, const std::vector<std::int64_t>& newIds);

  std::int64_t handle(std::int64_t id);
  std::int64_t value() const;

 private:
  std::int64_t start_;
  std::map<std::int64_t, int> pending_;  // id -> matches of it not handled yet
  std::set<std::int64_t> handled_;
};

}  // namespace zorvqi
