// A MonitorView that records every change as a line of text, for the monitor's tests.
//
// Contract: each call adds one event line ("set:", "raw:", "top:" + title, ...) and applies
// the change to the recorded status and rows. Like the real views it drops the calls of a
// cancelled worker. Thread safety: every member may be called from any thread.
#pragma once

#include <algorithm>
#include <mutex>
#include <string>
#include <vector>

#include "base/cancel_flag.h"
#include "monitor/monitor_view.h"

namespace zorvqi::testing {

class RecordingView : public MonitorView {
 public:
  void setStatus(const std::string& text) override {
    record("set:" + text, [&] { status_ = text; });
  }
  void appendRawStatus(const std::string& text) override {
    record("raw:" + text, [&] { status_ += text; });
  }
  void insertArticleAtTop(const ArticleRow& row) override {
    record("top:" + row.cells[2], [&] { rows_.insert(rows_.begin(), row); });
  }
  void appendArticle(const ArticleRow& row) override {
    record("append:" + row.cells[2], [&] { rows_.push_back(row); });
  }
  void clearArticles() override {
    record("clear", [&] { rows_.clear(); });
  }
  void trimArticles(int keep) override {
    record("trim:" + std::to_string(keep), [&] {
      if (static_cast<int>(rows_.size()) > keep) rows_.resize(keep);
    });
  }
  void markTopRowAtRoundEnd() override {
    record("mark-top", [&] {
      if (!rows_.empty()) rows_.front().cells[4] = roundEndTimeCell(rows_.front().cells[4]);
    });
  }
  void ensurePopupWindow() override {
    record("popup-window", [] {});
  }
  void addPopupRow(const std::string& title, const std::string& address, bool key) override {
    record("popup:" + title + "|" + address + (key ? "|key" : ""), [] {});
  }
  void startPopupAutoClear() override {
    record("popup-autoclear", [] {});
  }
  void showNewArticleTray() override {
    record("tray-new", [] {});
  }
  void playReminderSound() override {
    record("sound", [] {});
  }

  std::vector<std::string> events() const {
    std::lock_guard lock(mutex_);
    return events_;
  }
  std::string status() const {
    std::lock_guard lock(mutex_);
    return status_;
  }
  std::vector<ArticleRow> rows() const {
    std::lock_guard lock(mutex_);
    return rows_;
  }
  void setRows(std::vector<ArticleRow> rows) {
    std::lock_guard lock(mutex_);
    rows_ = std::move(rows);
  }
  int count(const std::string& event) const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(std::count(events_.begin(), events_.end(), event));
  }
  int countStartingWith(const std::string& prefix) const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(std::count_if(events_.begin(), events_.end(),
                                          [&](const std::string& e) { return e.rfind(prefix, 0) == 0; }));
  }

 private:
  template <class Change>
  void record(std::string event, Change change) {
    std::lock_guard lock(mutex_);
    if (threadCancelled()) return;
    events_.push_back(std::move(event));
    change();
  }

  mutable std::mutex mutex_;
  std::vector<std::string> events_;
  std::string status_;
  std::vector<ArticleRow> rows_;
};

}  // namespace zorvqi::testing
