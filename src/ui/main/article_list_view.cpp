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
  for (int column = 0; column < kArticleColumnCount; ++column) {
    const int width = kArticleColumnWidths[column];
    list.setColumnHidden(column, width == 0);
    if (width > 0) header->resizeSection(column, width);
  }
}

}  // namespace zorvqi::ui
