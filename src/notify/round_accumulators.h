// What the rounds collect for their reminders: the stored count, the has-new flag, the
// key-article-seen flag, the WeChat, POST and mail texts, and the (title, address) pairs of
// the POST text, from which the POST is sent.
//
// Contract: one process-wide set (`roundAccumulators()`), filled by the plan workers of
// every round that runs and read at round end. Each reset happens exactly where the system
// resets it: the has-new flag when a round starts (`beginRound`), the count and the three
// texts at the round-end reminder (`takeAndReset`, which reads and resets in one step, so an
// article recorded meanwhile is never lost between the read and the reset), the
// key-article-seen flag never. Every update of one article is made under one lock, so a
// text is never read half-appended.
// A worker abandoned by its round (its thread's cancel flag is set, base/cancel_flag.h)
// records nothing: the flag is checked under the lock, so an article it was still handling
// when its round gave up on it is neither counted nor reminded.
// Thread safety: every member may be called from any thread.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "notify/keyword_rules.h"

namespace zorvqi {

struct CollectedArticle {
  std::string title;
  std::string address;
  bool operator==(const CollectedArticle&) const = default;
};

struct RoundCollection {
  int storedCount = 0;
  std::string wechatText;
  std::string postText;
  std::vector<CollectedArticle> postArticles;  // one per entry of the POST text, in its order
  std::string mailText;
};

class RoundAccumulators {
 public:
  void beginRound();
  void markKeyArticleSeen();
  // One stored article: count + 1, has-new set, and its entries in the phone texts it goes to.
  void recordStored(const std::string& title, const std::string& address, PhoneTargets targets);

  bool hasNew() const;
  bool keyArticleSeen() const;
  RoundCollection peek() const;
  RoundCollection takeAndReset();

 private:
  mutable std::mutex mutex_;
  RoundCollection collection_;
  bool hasNew_ = false;
  bool keyArticleSeen_ = false;
};

RoundAccumulators& roundAccumulators();

}  // namespace zorvqi
