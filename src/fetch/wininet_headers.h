// How the second HTTP stack builds its request headers from a plan's header text.
//
// Contract: texts are GBK. `winInetAgentString` takes the User-Agent value of a
// (capitalised) header text, or the default agent when it has none or an empty one.
// `completeWinInetHeaders` gives an empty text "Accept: */*" and appends the Accept,
// Referer, Accept-Language and (for POST) Content-Type lines it lacks; it adds no User-Agent.
// `appendCookieLine` appends the cookie text as its own line. Thread safety: pure functions.
#pragma once

#include <string>
#include <string_view>

namespace zorvqi {

inline constexpr std::string_view kDefaultAgent = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";

std::string winInetAgentString(std::string_view headerText);
std::string completeWinInetHeaders(std::string_view headerText, std::string_view url, bool isPost);
std::string appendCookieLine(std::string_view headerText, std::string_view cookie);

}  // namespace zorvqi
