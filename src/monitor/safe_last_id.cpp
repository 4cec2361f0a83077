#include "monitor/safe_last_id.h"

#include <iterator>

namespace zorvqi {

SafeLastId::SafeLastId(std::int64_t start, const std::vector<std::int64_t>& newIds) : start_(start) {
  for (std::int64_t id : newIds) {
    if (id > start) ++pending_[id];
  }
}

std::int64_t SafeLastId::handle(std::int64_t id) {
  const auto found = pending_.find(id);
  if (found == pending_.end()) return value();  // not a new id of this page
  if (--found->second > 0) return value();      // another match of this id is still to come
  pending_.erase(found);
  handled_.insert(id);
  return value();
}

std::int64_t SafeLastId::value() const {
  const auto above = pending_.empty() ? handled_.end() : handled_.lower_bound(pending_.begin()->first);
  return above == handled_.begin() ? start_ : *std::prev(above);
}

}  // namespace zorvqi
