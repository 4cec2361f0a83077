#include "text/decode_text.h"

#include "text/charset.h"
#include "text/gbk_string.h"
#include "text/jscript_string.h"
#include "text/page_text.h"

namespace zorvqi {
namespace {

// Markers that keep a text's own quotes and line breaks out of the literal's way.
constexpr std::string_view kLineBreakMark = "{$}";
constexpr std::string_view kQuoteStandIn = "’";

int hexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string percentDecodedBytes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    if (text[pos] == '%' && text.size() - pos > 2) {
      const int high = hexDigitValue(text[pos + 1]);
      const int low = hexDigitValue(text[pos + 2]);
      if (high >= 0 && low >= 0) {
        out.push_back(static_cast<char>(high * 16 + low));
        pos += 2;
        continue;
      }
    }
    out.push_back(text[pos]);
  }
  return out;
}

// The text as it goes between the quotes: CR LF marked, a leading CR dropped, "\u" written
// as "%u" so that `unescape` reads it, quotes replaced so that none ends the literal.
std::string preparedLiteralBody(std::string_view title) {
  std::string text = gbkReplaceAll(title, "\r\n", kLineBreakMark);
  if (!text.empty() && text.front() == '\r') text.erase(0, 1);
  text = gbkReplaceAll(text, "\\u", "%u");
  return gbkReplaceAll(text, "'", kQuoteStandIn);
}

std::string decodeUnicodeEscapes(std::string_view title) {
  const std::string body = preparedLiteralBody(title);
  const auto evaluated = evaluateStringLiteralBody(gbkToUtf16(body));
  if (!evaluated) return std::string(title);
  const std::u16string unescaped = jsUnescape(*evaluated);
  std::string text = utf16ToGbk(std::u16string_view(unescaped).substr(0, unescaped.find(u'\0')));
  if (text.empty()) return body.empty() ? std::string() : std::string(title);
  text = gbkReplaceAll(text, kQuoteStandIn, "'");
  return gbkReplaceAll(text, kLineBreakMark, "\r\n");
}

}  // namespace

std::string decodeText(int mode, std::string_view text) {
  switch (mode) {
    case kDecodeNone:
      return std::string(text);
    case kDecodeUnicodeEscapes:
      return decodeUnicodeEscapes(text);
    case kDecodePercentUtf8:
      return bytesToPageText(percentDecodedBytes(text), false);
    case kDecodePercentGbk:
      return bytesToPageText(percentDecodedBytes(text), true);
    default:
      return {};
  }
}

}  // namespace zorvqi
