// The article list's page query: the filters it pages through and the query of one page.
//
// Contract: a filter is the condition put after "where": `allArticlesFilter` "1",
// `favouritesFilter` "issoucang=1", `planArticlesFilter` "planid=" + the id in double
// quotes, `titleSearchFilter` "title like '%" + keyword + "%'" with the keyword as typed.
// A page holds 100 rows; page 0 is read as page 1; a page past the end is simply empty.
// The rows come in the column order of table `info`: id, planname, planid, title, url,
// other, addtime, issoucang. Thread safety: pure functions.
#pragma once

#include <string>
#include <string_view>

namespace zorvqi {

constexpr int kArticlePageSize = 100;

std::string allArticlesFilter();
std::string favouritesFilter();
std::string planArticlesFilter(int planId);
std::string titleSearchFilter(std::string_view keyword);

// The page a load shows: `page`, or 1 for page 0.
int effectivePage(int page);
// "select * from info where " + filter + " order by id desc LIMIT " + offset + ",100".
std::string articlePageQuery(std::string_view filter, int page);

}  // namespace zorvqi
