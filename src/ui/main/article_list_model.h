// The rows of 文章列表框: seven GBK text cells each, shown through Qt's model/view.
//
// Contract: rows only ever arrive at the top (`insertAtTop`) or at the bottom (`append`),
// and leave all at once (`clear`) or from the bottom (`trimTo`). The title cell shows the mark
// image before its text when the row is marked (the mark stays the row's own data); after
// `markTopRowAtRoundEnd` the top row's time cell shows the round-end image and only its last five characters.
// The header captions are the list's seven column captions. Thread safety: UI thread only.
#pragma once

#include <QAbstractTableModel>
#include <deque>
#include <vector>

#include "monitor/monitor_view.h"

namespace zorvqi::ui {

enum ArticleColumn {
  kIdColumn = 0,
  kSiteColumn,
  kTitleColumn,
  kLinkColumn,
  kTimeColumn,
  kStateColumn,
  kSpareColumn
};
constexpr int kArticleColumnCount = 7;

class ArticleListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit ArticleListModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  void insertAtTop(const ArticleRow& row);
  void append(const ArticleRow& row);
  void appendRows(const std::vector<ArticleRow>& rows);
  void clear();
  void trimTo(int keep);
  void markTopRowAtRoundEnd();

  // The row at `row`, which must exist.
  const ArticleRow& article(int row) const { return rows_[static_cast<std::size_t>(row)].article; }
  bool hasRoundEndImage(int row) const { return rows_[static_cast<std::size_t>(row)].roundEnd; }

 private:
  struct ShownRow {
    ArticleRow article;
    bool roundEnd = false;
  };

  std::deque<ShownRow> rows_;
};

}  // namespace zorvqi::ui
