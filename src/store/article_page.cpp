#include "store/article_page.h"

#include <cstdint>

#include "text/number.h"

namespace zorvqi {

std::string allArticlesFilter() {
  return "1";
}

std::string favouritesFilter() {
  return "issoucang=1";
}

std::string planArticlesFilter(int planId) {
  return "planid=\"" + decimalText(planId) + "\"";
}

std::string titleSearchFilter(std::string_view keyword) {
  return "title like '%" + std::string(keyword) + "%'";
}

int effectivePage(int page) {
  return page == 0 ? 1 : page;
}

std::string articlePageQuery(std::string_view filter, int page) {
  const std::int64_t offset = std::int64_t{effectivePage(page)} * kArticlePageSize - kArticlePageSize;
  return "select * from info where " + std::string(filter) + " order by id desc LIMIT " +
         decimalText(offset) + "," + decimalText(kArticlePageSize);
}

}  // namespace zorvqi
