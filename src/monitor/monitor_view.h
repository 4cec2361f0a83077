// The screen as the monitor sees it: the status box, the article list, the popup rows, the
// tray and the sound.
//
// Contract: the plan workers, the rounds and the round-end reminder change what the user
// sees only through this port; the desktop's main window and the headless program each
// implement it. All texts are GBK.
// - Status box: `setStatus` replaces its text, `appendRawStatus` adds a text unchanged at
//   its end (no line break, no time stamp); `appendStatus` is the time-stamped line,
//   "\r\n" + text + " - " + long nowText (see `statusLineText`).
// - Article list: rows are inserted at the top, appended, cleared or trimmed to a count;
//   `markTopRowAtRoundEnd` sets the round-end image on the top row and cuts its time cell to
//   its last five characters (`roundEndTimeCell`).
// - `roundEnded` follows every round's end line, with or without news (the news page tells
//   when the last round ended); it does nothing unless an implementation wants it.
// - A call made from a worker whose cancel flag (base/cancel_flag.h) is set must change
//   nothing: an implementation checks the calling thread's flag where it makes the change.
// Thread safety: every member may be called from any thread; an implementation hands the
// change to the thread that owns the screen and returns once it is made (or at once, without
// acting, once the program is stopping).
#pragma once

#include <array>
#include <string>

#include "base/status_lines.h"

namespace zorvqi {

struct ArticleRow {
  std::array<std::string, 7> cells;  // ID, 站点, 信息标题, 链接, 时间, 状态, spare
  bool marked = false;               // the mark image in cell 1
};

class MonitorView : public StatusLines {
 public:
  virtual void setStatus(const std::string& text) = 0;
  virtual void roundEnded() {}
  virtual void appendRawStatus(const std::string& text) = 0;
  void appendStatus(const std::string& text) final { appendRawStatus(statusLineText(text)); }

  virtual void insertArticleAtTop(const ArticleRow& row) = 0;
  virtual void appendArticle(const ArticleRow& row) = 0;
  virtual void clearArticles() = 0;
  virtual void trimArticles(int keep) = 0;
  virtual void markTopRowAtRoundEnd() = 0;

  virtual void ensurePopupWindow() = 0;
  virtual void addPopupRow(const std::string& title, const std::string& address, bool key) = 0;
  virtual void startPopupAutoClear() = 0;

  virtual void showNewArticleTray() = 0;
  virtual void playReminderSound() = 0;

  // "\r\n" + text + " - " + the long time text.
  static std::string statusLineText(const std::string& text);
};

// The last five characters of a time cell: '12/25 10:07' -> '10:07', '5/3 9:07' -> ' 9:07'.
std::string roundEndTimeCell(const std::string& cell);

}  // namespace zorvqi
