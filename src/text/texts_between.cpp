#include "text/texts_between.h"

#include "text/gbk_string.h"

namespace zorvqi {

std::vector<std::string> textsBetween(std::string_view text, std::string_view start, std::string_view end) {
  std::vector<std::string> pieces;
  std::size_t pos = 0;
  for (;;) {
    const std::size_t open = gbkFind(text, start, pos);
    if (open == std::string_view::npos) break;
    pos = open + start.size();
    const std::size_t close = gbkFind(text, end, pos);
    if (close == std::string_view::npos) break;
    pieces.emplace_back(text.substr(pos, close - pos));
  }
  return pieces;
}

}  // namespace zorvqi
