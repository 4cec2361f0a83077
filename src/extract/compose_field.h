// Composing an article address or extra-info line from a template and one match.
//
// Contract: starting from the template, for each of its (up to three) references n in order,
// every "[n]" (n in decimal, as the number was read, so '[03]' looks for '[3]') in the text
// so far is replaced, case as written, by the text of field n of the match; a number that
// names no group gives the empty text. "[n]" forms past the first three references stay.
// Thread safety: pure function.
#pragma once

#include <string>
#include <string_view>

#include "extract/find_matches.h"
#include "text/template_refs.h"

namespace zorvqi {

std::string composeField(std::string_view templateText, const TemplateRefs& refs, const Match& match);

}  // namespace zorvqi
