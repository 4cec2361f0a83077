// How 文章列表框 shows its model: the columns with their widths.
//
// Contract: `setUpArticleList` gives the table its model and the list's design: the seven
// columns at their design widths (a width of 0 keeps the column in the model but hides it),
// no row numbers, whole rows selected with Ctrl and Shift, no editing, and the context menu
// left to the list's owner (customContextMenuRequested). The row height and the alternating
// row colours are the window's (MainWindow::setArticleRowAppearance). Thread safety: UI
// thread only.
#pragma once

#include <QTableView>

#include "ui/main/article_list_model.h"

namespace zorvqi::ui {

inline constexpr int kArticleColumnWidths[kArticleColumnCount] = {2, 0, 405, 0, 66, 0, 0};

void setUpArticleList(QTableView& list, ArticleListModel& model);

}  // namespace zorvqi::ui
