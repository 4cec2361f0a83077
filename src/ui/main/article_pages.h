// Which stored articles 文章列表框 shows: the filter, the page, and the commands that change
// them.
//
// Contract: `articleFilter` is the condition after "where" (article_page.h); empty (at start
// and after a live fetch) means the list holds rows that are not in the store, and a load
// then only reports "当前状态不可翻页". `loadArticlePage` hides the list, empties it, releases
// 迷你首页 (without touching the browser box), sets `currentPage` (page 0 reads as 1),
// queries the store, appends one row per stored article (cell 0 id, cell 1 empty with the mark
// image unless issoucang is "0", cell 2 planname + "  " + title + "  " + other, cell 3 url,
// cell 4 addtime, cell 5 issoucang) and shows the list again. A query that fails leaves the
// list empty and reports nothing. A load begun while an earlier one waits for the store lock
// supersedes it: the earlier one then adds nothing.
// The paging, filter and header-label commands write their status lines through the view.
// Thread safety: UI thread only.
#pragma once

#include <QPointer>
#include <QTableView>
#include <QToolButton>
#include <string>

#include "monitor/monitor_view.h"
#include "ui/main/article_list_model.h"

namespace zorvqi {
class Database;
}

namespace zorvqi::ui {

// The header label's x position beyond which a double-click clears the list.
inline constexpr int kHeaderClearFromX = 351;

class ArticlePages {
 public:
  ArticlePages(Database& database, MonitorView& status, ArticleListModel& model, QTableView& list,
               QToolButton& miniHomeButton);

  const std::string& articleFilter() const { return filter_; }
  int currentPage() const { return page_; }

  void loadArticlePage(int page);
  void previousPage();
  void nextPage();

  void showFavourites();
  void showAllArticles();
  void showPlanArticles(int planId);
  // A keyword search of the titles; an empty keyword does nothing.
  void searchTitles(const std::string& keyword);
  // Double-click on 挡表头的透明标签 at `x` within the label.
  void headerLabelDoubleClicked(int x);
  // A live fetch is about to append rows that are not in the store.
  void beginLiveRows();

 private:
  void showFilter(std::string filter);

  Database& database_;
  MonitorView& status_;
  ArticleListModel& model_;
  QPointer<QTableView> list_;
  QPointer<QToolButton> miniHome_;
  std::string filter_;
  int page_ = 0;
  unsigned loadGeneration_ = 0;
};

}  // namespace zorvqi::ui
