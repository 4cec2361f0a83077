// The page request of a plan: its address, POST data, cookie, header text, switches and markers.
//
// Contract: `planRequest` copies the plan's configured fields into a PageRequest; it reads no
// runtime field, so it may run while a round changes those.
// Thread safety: a pure function.
#pragma once

#include "fetch/page_request.h"
#include "store/plan.h"

namespace zorvqi {

PageRequest planRequest(const Plan& plan);

}  // namespace zorvqi
