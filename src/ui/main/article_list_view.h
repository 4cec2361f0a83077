// How 文章列表框 looks: its columns with their widths, its row height and row colours.
//
// Contract: `setUpArticleList` gives the table its model and the list's design: the seven
// columns at their design widths (a width of 0 keeps the column in the model but hides it),
// no row numbers, fixed row height, whole rows selected with Ctrl and Shift, no editing, and
// the context menu left to the list's owner (customContextMenuRequested). `applyRowLook` sets
// the row height and the two alternating row colours read from the settings; a height below
// 18 becomes 30. `colourFromSetting` reads a colour value as the settings file stores it
// (0x00BBGGRR). Thread safety: UI thread only.
#pragma once

#include <QColor>
#include <QTableView>
#include <cstdint>

#include "ui/main/article_list_model.h"

namespace zorvqi::ui {

struct ArticleRowLook {
  int rowHeight = 30;
  QColor firstColour = Qt::white;
  QColor secondColour = Qt::white;
};

inline constexpr int kArticleColumnWidths[kArticleColumnCount] = {2, 0, 405, 0, 66, 0, 0};

void setUpArticleList(QTableView& list, ArticleListModel& model);
void applyRowLook(QTableView& list, ArticleListModel& model, const ArticleRowLook& look);
int effectiveRowHeight(int configured);
QColor colourFromSetting(std::int64_t value);

}  // namespace zorvqi::ui
