// The statements that carry texts from fetched pages and plan names into the store.
//
// Contract: these texts are bound as parameters, never spliced into the statement, so a
// single quote (or any other character) in a title, an address, an extra-info line or a plan
// name is stored exactly as given and never makes the statement fail. Each returns whether
// its statement succeeded (see Database for when statements fail).
// Thread safety: as Database.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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

// How far the runs of a compare-id plan have got: the `lastid` of its row, and the ids of the
// articles a run cut short stored above it (table `storedabove`, our own: a page need not be
// sorted, so a cut run may have stored some articles above the last id it can vouch for).
struct PlanProgress {
  std::int64_t lastId = 0;
  std::vector<std::int64_t> storedAbove;
};

// The article of a compare-id plan (its id `articleId`) with the plan's progress, in one
// transaction: `lastid` (nothing else of the plan's row) becomes `lastId`, the article's id is
// kept in `storedabove` when it is above that, and the ids there up to `lastId` go. A run cut
// right after it neither skips an article nor stores one twice.
bool storeArticleWithLastId(Database& database, const StoredArticle& article, std::int64_t articleId,
                            std::int64_t lastId);

// The plan's progress now stored (an empty `lastid` reads as 0); nothing when there is no such
// row or the query fails.
std::optional<PlanProgress> storedProgress(Database& database, int planId);

// The plan's latest article after a run that stored something: `arttile`, `arturl`,
// `lasttime` and `lastid` of row `planId` of table `rule`, and the end of the plan's ids in
// `storedabove` up to that last id, in one transaction. The title is stored as given.
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
