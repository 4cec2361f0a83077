// How the second HTTP stack builds its request headers from a plan's header text.
//
// Contract: texts are GBK. `completeWinInetHeaders` gives an empty text "Accept: */*" and
// appends the Accept, Referer, Accept-Language and (for POST) Content-Type lines it lacks;
// it adds no User-Agent. `winInetAgentString` is the value of the User-Agent line among the
// settled headers (sent_headers.h), or the default agent when there is none.
// `winInetBoxCookie` is the cookie of the cookie text: what follows a leading "Cookie:"
// (written in exactly that case), else the whole text, trimmed of spaces.
// Thread safety: pure functions.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "fetch/sent_headers.h"

namespace zorvqi {

std::string completeWinInetHeaders(std::string_view headerText, std::string_view url, bool isPost);
std::string winInetAgentString(const std::vector<SentHeader>& settledHeaders);
std::string winInetBoxCookie(std::string_view cookie);

}  // namespace zorvqi
