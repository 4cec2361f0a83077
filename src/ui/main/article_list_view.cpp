#include "ui/main/article_list_view.h"

#include <QHeaderView>

namespace zorvqi::ui {
void setUpArticleList(QTableView& list, ArticleListModel& model) {
  list.setModel(&model);
  list.setSelectionMode(QAbstractItemView::ExtendedSelection);
  list.setSelectionBehavior(QAbstractItemView::SelectRows);
  list.setEditTriggers(QAbstractItemView::NoEditTriggers);
  list.setContextMenuPolicy(Qt::CustomContextMenu);
  list.setWordWrap(false);
  list.setShowGrid(false);
  list.verticalHeader()->hide();
  QHeaderView* header = list.horizontalHeader();
  header->setMinimumSectionSize(0);
  header->setStretchLastSection(false);
  header->setSectionsClickable(false);
  for (int column = 0; column < kArticleColumnCount; ++column)
    list.setColumnHidden(column, !kArticleColumnShown[column]);
  header->setSectionResizeMode(kIdColumn, QHeaderView::Fixed);
  header->resizeSection(kIdColumn, kIdColumnWidth);
  header->setSectionResizeMode(kTimeColumn, QHeaderView::ResizeToContents);
  header->setSectionResizeMode(kTitleColumn, QHeaderView::Stretch);
  list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

}  // namespace zorvqi::ui
