#include "monitor/safe_last_id.h"

#include <gtest/gtest.h>

namespace zorvqi {
namespace {

// Each case: the page's ids in walk order (bottom first), and the value after each is handled.
struct SafeCase {
  const char* name;
  std::vector<std::int64_t> walked;
  std::vector<std::int64_t> after;
};

TEST(SafeLastId, IsTheHighestIdBelowWhichEveryNewIdIsHandled) {
  const SafeCase cases[] = {
      {"sorted, newest first on the page", {101, 102, 103}, {101, 102, 103}},
      {"unsorted", {101, 105, 103, 104}, {101, 101, 103, 105}},
      {"the lowest new id comes last", {104, 102, 101}, {100, 100, 104}},
      {"ids not above the start are not new", {90, 102, 100, 101}, {100, 100, 100, 102}},
      {"an id twice waits for both", {101, 103, 102, 103}, {101, 101, 102, 103}},
      {"beyond 32 bits", {3000000002, 3000000001}, {100, 3000000002}},
  };
  for (const SafeCase& c : cases) {
    SafeLastId safe(100, c.walked);
    EXPECT_EQ(safe.value(), 100) << c.name;
    for (std::size_t i = 0; i < c.walked.size(); ++i)
      EXPECT_EQ(safe.handle(c.walked[i]), c.after[i]) << c.name << ", after " << c.walked[i];
  }
}

}  // namespace
}  // namespace zorvqi
