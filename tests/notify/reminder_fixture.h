// What the reminder tests share: a settings file in a fresh directory, the settings slot
// loaded from it, the round's accumulators filled by the worker's rules, and a status port
// that records its lines.
//
// Contract: `store` writes a key of section "配置"; `load` reads the file into `slot` as the
// load at start-up does. `collect` takes each title through the worker's per-article rules
// with the settings in force (exclusion, key test, store condition, phone targets) and records
// what is stored; `roundMailRuleHolds` is the round end's mail rule on what was collected.
// Thread safety: `RecordedStatus` may be written from any thread; the rest is the test's.
#pragma once

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include "base/status_lines.h"
#include "notify/keyword_rules.h"
#include "notify/reminder_settings.h"
#include "notify/round_accumulators.h"
#include "store/settings_file.h"
#include "support/temp_dir.h"

namespace zorvqi::testing {

class RecordedStatus : public StatusLines {
 public:
  void appendStatus(const std::string& text) override {
    std::lock_guard lock(mutex_);
    lines_.push_back(text);
  }
  std::vector<std::string> lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
  }

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> lines_;
};

class ReminderFixture : public ::testing::Test {
 protected:
  void store(const std::string& key, const std::string& value) {
    ASSERT_TRUE(file.write(kConfigSection, key, value)) << key;
  }
  void load() { slot.publish(readReminderSettings(file, *slot.current())); }

  // Each article's address is "http://a/" + its position from 1.
  void collect(const std::vector<std::string>& titles) {
    const auto settings = slot.current();
    for (std::size_t i = 0; i < titles.size(); ++i) {
      const ArticleJudgement judgement = judgeArticle(*settings, titles[i]);
      if (judgement.key) round.markKeyArticleSeen();
      if (judgement.dropped) continue;
      round.recordStored(titles[i], "http://a/" + std::to_string(i + 1),
                         phoneTargetsFor(*settings, judgement.key));
    }
  }
  bool roundMailRuleHolds(const RoundCollection& taken) const {
    return roundSendsMail(*slot.current(), round.keyArticleSeen(), taken.mailText);
  }

  TempDir dir;
  SettingsFile file{dir.file("zorvqi.ini")};
  ReminderSettingsSlot slot;
  RoundAccumulators round;
  RecordedStatus status;
};

}  // namespace zorvqi::testing
