// The filter commands around 文章列表框: 收藏按钮 (favourites), 全部文章按钮 (all articles)
// and the double-click on 挡表头的透明标签, which lies over the list's header so the header
// itself is never clicked.
//
// Contract: the buttons call ArticlePages::showFavourites and showAllArticles; a left
// double-click on the label calls headerLabelDoubleClicked with its x position within the
// label. The label is raised above the list and placed over its header once here; later
// sizes are the window's resize rules. Thread safety: UI thread only.
#pragma once

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QTableView>
#include <QToolButton>

#include "ui/main/article_pages.h"

namespace zorvqi::ui {

class ArticleListButtons : public QObject {
  Q_OBJECT

 public:
  ArticleListButtons(QToolButton& favourites, QToolButton& allArticles, QLabel& headerLabel, QTableView& list,
                     ArticlePages& pages);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QLabel> headerLabel_;
  ArticlePages& pages_;
};

}  // namespace zorvqi::ui
