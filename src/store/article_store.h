// The statements that carry texts from fetched pages and plan names into the store.
//
// Contract: these texts are bound as parameters, never spliced into the statement, so a
// single quote (or any other character) in a title, an address, an extra-info line or a plan
// name is stored exactly as given and never makes the statement fail. Each returns whether
// its statement succeeded (see Database for when statements fail).
// Thread safety: as Database.
#pragma once

#include <cstdint>
#include <string>

namespace zorvqi {

class Database;

// One row of table `info`; `mark` is `issoucang`: "0" normal, "1" favourite, "2" key article.
struct StoredArticle {
  std::string planName{};
  int planId = 0;
  std::string title{};
  std::string url{};
  std::string other{};
  std::string addTime{};  // short nowText
  std::string mark = "0";
};

bool storeArticle(Database& database, const StoredArticle& article);

// The plan's latest article after a run that stored something: `arttile`, `arturl`,
// `lasttime` and `lastid` of row `planId` of table `rule`. The title is stored as given.
struct PlanLatest {
  int planId = 0;
  std::string title{};
  std::string url{};
  std::string time{};  // short nowText
  std::int64_t lastId = 0;
};

bool recordPlanLatest(Database& database, const PlanLatest& latest);

// Marks every stored article with this address as a favourite.
bool markFavouriteByUrl(Database& database, const std::string& url);

}  // namespace zorvqi
