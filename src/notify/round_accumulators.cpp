#include "notify/round_accumulators.h"

#include "base/cancel_flag.h"

namespace zorvqi {

void RoundAccumulators::beginRound() {
  std::lock_guard lock(mutex_);
  hasNew_ = false;
}

void RoundAccumulators::markKeyArticleSeen() {
  std::lock_guard lock(mutex_);
  if (threadCancelled()) return;
  keyArticleSeen_ = true;
}

void RoundAccumulators::recordStored(const std::string& title, const std::string& address,
                                     PhoneTargets targets) {
  std::lock_guard lock(mutex_);
  if (threadCancelled()) return;
  ++collection_.storedCount;
  hasNew_ = true;
  if (targets.wechat) collection_.wechatText += "\r\n* %[" + title + "%]%(" + address + "%)";
  if (targets.post) {
    collection_.postText += "{|$t|$:|$" + title + "|$,|$u|$:|$" + address + "|$},";
    collection_.postArticles.push_back({title, address});
  }
  if (targets.mail) collection_.mailText += "\r\n" + title + "：" + address;
}

bool RoundAccumulators::hasNew() const {
  std::lock_guard lock(mutex_);
  return hasNew_;
}

bool RoundAccumulators::keyArticleSeen() const {
  std::lock_guard lock(mutex_);
  return keyArticleSeen_;
}

RoundCollection RoundAccumulators::peek() const {
  std::lock_guard lock(mutex_);
  return collection_;
}

RoundCollection RoundAccumulators::takeAndReset() {
  std::lock_guard lock(mutex_);
  RoundCollection taken = std::move(collection_);
  collection_ = {};
  return taken;
}

RoundAccumulators& roundAccumulators() {
  static RoundAccumulators instance;
  return instance;
}

}  // namespace zorvqi
