// The monitor's view on a terminal: the status box becomes lines on standard output.
//
// Contract: the status box's text is printed line by line as it grows: a line is printed
// once the "\r\n" after it arrives (or at `flush`), so worker progress appended in pieces
// reads as the desktop shows it. Emptying the status box ends the current line. The
// article list, popup, tray and sound have no terminal form and do nothing. Calls from a
// cancelled worker, or once the program is stopping, are dropped.
// Thread safety: every member may be called from any thread.
#pragma once

#include <mutex>
#include <string>

#include "monitor/monitor_view.h"

namespace zorvqi::cli {

class TerminalView : public MonitorView {
 public:
  ~TerminalView() override;

  void setStatus(const std::string& text) override;
  void appendRawStatus(const std::string& text) override;
  void insertArticleAtTop(const ArticleRow&) override {}
  void appendArticle(const ArticleRow&) override {}
  void clearArticles() override {}
  void trimArticles(int) override {}
  void markTopRowAtRoundEnd() override {}
  void ensurePopupWindow() override {}
  void addPopupRow(const std::string&, const std::string&, bool) override {}
  void startPopupAutoClear() override {}
  void showNewArticleTray() override {}
  void playReminderSound() override {}

  void flush();

 private:
  void printCompleteLines();

  std::mutex mutex_;
  std::string pending_;
  bool atStart_ = true;
};

}  // namespace zorvqi::cli
