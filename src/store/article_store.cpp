#include "store/article_store.h"

#include "store/database.h"
#include "text/number.h"

namespace zorvqi {

namespace {

constexpr std::string_view kInsertArticle =
    "insert into info(planname,planid,title,url,other,addtime,issoucang) values(?,?,?,?,?,?,?)";

constexpr std::string_view kSetLastId = "update rule set lastid=? where id=?";
constexpr std::string_view kKeepStoredAbove = "insert into storedabove(planid,articleid) values(?,?)";
constexpr std::string_view kForgetStoredAbove = "delete from storedabove where planid=? and articleid<=?";

std::vector<SqlValue> articleValues(const StoredArticle& a) {
  return {a.planName, std::int64_t{a.planId}, a.title, a.url, a.other, a.addTime, a.mark};
}

}  // namespace

bool storeArticle(Database& database, const StoredArticle& article) {
  return database.runStatement(kInsertArticle, articleValues(article));
}

bool storeArticleWithLastId(Database& database, const StoredArticle& article, std::int64_t articleId,
                            std::int64_t lastId) {
  const std::int64_t plan = article.planId;
  std::vector<BoundStatement> statements = {{kInsertArticle, articleValues(article)},
                                            {kSetLastId, {lastId, plan}},
                                            {kForgetStoredAbove, {plan, lastId}}};
  if (articleId > lastId) statements.push_back({kKeepStoredAbove, {plan, articleId}});
  return database.runTogether(statements);
}

std::optional<PlanProgress> storedProgress(Database& database, int planId) {
  const TextTable row = database.queryTable("select lastid from rule where id=?", {std::int64_t{planId}});
  if (!row.ok || row.rows.empty() || row.rows[0].empty()) return std::nullopt;
  PlanProgress progress;
  progress.lastId = textToInt64(row.rows[0][0]);
  const TextTable above =
      database.queryTable("select articleid from storedabove where planid=? and articleid>?",
                          {std::int64_t{planId}, progress.lastId});
  for (const auto& id : above.rows) progress.storedAbove.push_back(textToInt64(id.at(0)));
  return progress;
}

bool recordPlanLatest(Database& database, const PlanLatest& latest) {
  const std::int64_t plan = latest.planId;
  return database.runTogether({{"update rule set arttile=?,arturl=?,lasttime=?,lastid=? where id=?",
                                {latest.title, latest.url, latest.time, latest.lastId, plan}},
                               {kForgetStoredAbove, {plan, latest.lastId}}});
}

bool markFavouriteByUrl(Database& database, const std::string& url) {
  return database.runStatement("update info set issoucang=1 where url=?", {url});
}

}  // namespace zorvqi
