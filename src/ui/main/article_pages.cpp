#include "ui/main/article_pages.h"

#include <vector>

#include "store/article_page.h"
#include "store/database.h"
#include "text/charset.h"
#include "text/gbk_string.h"
#include "text/number.h"

namespace zorvqi::ui {
namespace {

// Columns of table `info`, in table order.
enum InfoColumn {
  kInfoId = 0,
  kInfoPlanName,
  kInfoPlanId,
  kInfoTitle,
  kInfoUrl,
  kInfoOther,
  kInfoAddTime,
  kInfoMark
};
constexpr std::size_t kInfoColumnCount = 8;

ArticleRow storedArticleRow(const std::vector<std::string>& columns) {
  ArticleRow row;
  row.cells[kIdColumn] = columns[kInfoId];
  row.cells[kTitleColumn] = columns[kInfoPlanName] + "  " + columns[kInfoTitle] + "  " + columns[kInfoOther];
  row.cells[kLinkColumn] = columns[kInfoUrl];
  row.cells[kTimeColumn] = columns[kInfoAddTime];
  row.cells[kStateColumn] = columns[kInfoMark];
  row.marked = columns[kInfoMark] != "0";
  return row;
}

}  // namespace

ArticlePages::ArticlePages(Database& database, MonitorView& status, ArticleListModel& model, QTableView& list,
                           QToolButton& miniHomeButton)
    : database_(database), status_(status), model_(model), list_(&list), miniHome_(&miniHomeButton) {}

void ArticlePages::loadArticlePage(int page) {
  const unsigned generation = ++loadGeneration_;
  if (list_) list_->hide();
  model_.clear();
  if (filter_.empty()) {
    status_.appendStatus(utf8ToGbk("当前状态不可翻页"));
    if (list_) list_->show();
    return;
  }
  if (miniHome_) miniHome_->setChecked(false);
  page_ = effectivePage(page);
  // Waiting for the store lock runs window events, which may start another load.
  const TextTable table = database_.queryTable(articlePageQuery(filter_, page_));
  if (generation != loadGeneration_) return;
  std::vector<ArticleRow> rows;
  rows.reserve(table.rows.size());
  for (const auto& columns : table.rows) {
    if (columns.size() >= kInfoColumnCount) rows.push_back(storedArticleRow(columns));
  }
  model_.appendRows(rows);
  if (list_) list_->show();
}

void ArticlePages::previousPage() {
  if (page_ == 1) {
    status_.setStatus(utf8ToGbk("已经是第 1 页！"));
    return;
  }
  --page_;
  status_.setStatus(utf8ToGbk("已经上翻1页！当前页码：") + decimalText(page_));
  loadArticlePage(page_);
}

void ArticlePages::nextPage() {
  ++page_;
  loadArticlePage(page_);
  status_.setStatus(utf8ToGbk("已经下翻1页！当前页码：") + decimalText(page_) +
                    utf8ToGbk("，若列表为空，表示当前页码超出可用页数！"));
}

void ArticlePages::showFavourites() {
  showFilter(favouritesFilter());
}

void ArticlePages::showAllArticles() {
  showFilter(allArticlesFilter());
  status_.setStatus(utf8ToGbk("已刷新列表"));
}

void ArticlePages::showPlanArticles(int planId) {
  showFilter(planArticlesFilter(planId));
}

void ArticlePages::searchTitles(const std::string& keyword) {
  if (keyword.empty()) return;
  // Quotes are doubled so that a keyword holding one is searched for, not spliced into the
  // statement.
  showFilter(titleSearchFilter(gbkReplaceAll(keyword, "'", "''")));
}

void ArticlePages::headerLabelDoubleClicked(int x) {
  if (x >= kHeaderClearFromX) {
    model_.clear();
  } else {
    showAllArticles();
  }
  status_.appendStatus(utf8ToGbk("双击左边可重新载入全部文章 ---- 双击右边清空列表      "));
}

void ArticlePages::beginLiveRows() {
  filter_.clear();
  model_.clear();
}

void ArticlePages::showFilter(std::string filter) {
  filter_ = std::move(filter);
  loadArticlePage(0);
}

}  // namespace zorvqi::ui
