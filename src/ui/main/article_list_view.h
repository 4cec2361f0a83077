// How 文章列表框 shows its model: the columns and their widths.
//
// Contract: `setUpArticleList` gives the table its model and the list's design: of the seven
// columns, ID (2 pixels), 信息标题 and 时间 are shown, the others stay in the model hidden.
// 时间 is as wide as its widest text (the round-end image included) in the list's font, and
// 信息标题 takes the rest of the list's width, whatever the window's size, so the list never
// scrolls sideways. No row numbers, whole rows selected with Ctrl and Shift, no editing, and
// the context menu left to the list's owner (customContextMenuRequested). The row height and
// the alternating row colours are the window's (MainWindow::setArticleRowAppearance).
// Thread safety: UI thread only.
#pragma once

#include <QTableView>

#include "ui/main/article_list_model.h"

namespace zorvqi::ui {

inline constexpr int kIdColumnWidth = 2;
inline constexpr bool kArticleColumnShown[kArticleColumnCount] = {true, false, true, false,
                                                                  true, false, false};

void setUpArticleList(QTableView& list, ArticleListModel& model);

}  // namespace zorvqi::ui
