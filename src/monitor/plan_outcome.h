// How one run of the plan worker ended, as the round learns it.
//
// Contract: `Read` means the page was fetched, cut and matched (whether anything was new or
// not); the others are the ways a plan fails a round. `Abandoned` is a run given up on: past
// its time limit, or its monitor stopped while it ran. Thread safety: a value type.
#pragma once

namespace zorvqi {

enum class PlanOutcome { Read, NothingFetched, NoRegion, NoMatch, Abandoned };

}  // namespace zorvqi
