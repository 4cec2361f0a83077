#include "ui/main/article_list_view.h"

#include <QHeaderView>

namespace zorvqi::ui {
namespace {
constexpr int kSmallestRowHeight = 18;
constexpr int kDefaultRowHeight = 30;
}  // namespace

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
  applyRowLook(list, model, {});
}

void applyRowLook(QTableView& list, ArticleListModel& model, const ArticleRowLook& look) {
  QHeaderView* rows = list.verticalHeader();
  const int height = effectiveRowHeight(look.rowHeight);
  rows->setMinimumSectionSize(height);
  rows->setDefaultSectionSize(height);
  rows->setSectionResizeMode(QHeaderView::Fixed);
  model.setRowColours(look.firstColour, look.secondColour);
}

int effectiveRowHeight(int configured) {
  return configured < kSmallestRowHeight ? kDefaultRowHeight : configured;
}

QColor colourFromSetting(std::int64_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                static_cast<int>((bits >> 16) & 0xFF));
}

}  // namespace zorvqi::ui
