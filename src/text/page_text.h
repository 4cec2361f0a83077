// Turning a fetched body into the system's GBK text.
//
// Contract: with `gbk` set the body already is GBK and the text is its bytes up to the first
// zero byte. Otherwise the body is read as UTF-8 (leniently, see charset.h: an invalid
// sequence reads as U+FFFD), cut at the first U+0000 and written as GBK, with "?" for every
// character GBK lacks. An empty body gives the empty text. Never fails.
// Thread safety: pure function.
#pragma once

#include <string>
#include <string_view>

namespace zorvqi {

std::string bytesToPageText(std::string_view body, bool gbk);

}  // namespace zorvqi
