#include "notify/push_json.h"

#include <cstdio>

#include "text/charset.h"

namespace zorvqi {

std::string jsonString(std::string_view utf8) {
  std::string out = "\"";
  for (char c : utf8) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

std::string postDataJson(const std::vector<CollectedArticle>& articles) {
  std::string out = "[";
  for (const CollectedArticle& article : articles) {
    if (out.size() > 1) out += ",";
    out += "{\"t\":" + jsonString(gbkToUtf8(article.title)) +
           ",\"u\":" + jsonString(gbkToUtf8(article.address)) + "}";
  }
  return out + "]";
}

}  // namespace zorvqi
