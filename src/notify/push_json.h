// The POST reminder's data: the round's new articles as a JSON array.
//
// Contract: `postDataJson` gives [{"t":title,"u":address},...] in the order given, as UTF-8
// (the GBK texts converted); `jsonString` quotes one UTF-8 text, escaping '"', '\' and every
// control character below U+0020 ("\n", "\r", "\t", "\b", "\f" or "\u00XX").
// Thread safety: pure functions.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "notify/round_accumulators.h"

namespace zorvqi {

std::string postDataJson(const std::vector<CollectedArticle>& articles);
std::string jsonString(std::string_view utf8);

}  // namespace zorvqi
