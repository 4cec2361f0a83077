#include "text/page_text.h"

#include "text/charset.h"

namespace zorvqi {

std::string bytesToPageText(std::string_view body, bool gbk) {
  // A zero byte is never part of a longer UTF-8 sequence and only U+0000 decodes from it, so
  // cutting the bytes before decoding gives the same text as cutting the decoded characters.
  const std::string_view text = body.substr(0, body.find('\0'));
  return gbk ? std::string(text) : utf8ToGbk(text);
}

}  // namespace zorvqi
