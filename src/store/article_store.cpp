#include "store/article_store.h"

#include "store/database.h"

namespace zorvqi {

bool storeArticle(Database& database, const StoredArticle& a) {
  return database.runStatement(
      "insert into info(planname,planid,title,url,other,addtime,issoucang) values(?,?,?,?,?,?,?)",
      {a.planName, std::int64_t{a.planId}, a.title, a.url, a.other, a.addTime, a.mark});
}

bool recordPlanLatest(Database& database, const PlanLatest& latest) {
  return database.runStatement(
      "update rule set arttile=?,arturl=?,lasttime=?,lastid=? where id=?",
      {latest.title, latest.url, latest.time, latest.lastId, std::int64_t{latest.planId}});
}

bool markFavouriteByUrl(Database& database, const std::string& url) {
  return database.runStatement("update info set issoucang=1 where url=?", {url});
}

}  // namespace zorvqi
