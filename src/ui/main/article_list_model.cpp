#include "ui/main/article_list_model.h"

#include "monitor/monitor_view.h"
#include "ui/main/article_list_images.h"
#include "ui/qtsupport/qt_text.h"

namespace zorvqi::ui {
namespace {

QString columnCaption(int column) {
  switch (column) {
    case kIdColumn:
      return QStringLiteral("ID");
    case kSiteColumn:
      return QStringLiteral("站点");
    case kTitleColumn:
      return QStringLiteral("　信息标题");
    case kLinkColumn:
      return QStringLiteral("链接");
    case kTimeColumn:
      return QStringLiteral("时间");
    case kStateColumn:
      return QStringLiteral("状态");
    default:
      return QStringLiteral("备用94");
  }
}

}  // namespace

ArticleListModel::ArticleListModel(QObject* parent) : QAbstractTableModel(parent) {}

int ArticleListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ArticleListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kArticleColumnCount;
}

QVariant ArticleListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const ShownRow& shown = rows_[static_cast<std::size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
      return toQString(shown.article.cells[static_cast<std::size_t>(index.column())]);
    case Qt::ToolTipRole:
      // Long titles are cut by the column; the tip shows them whole.
      return index.column() == kTitleColumn ? toQString(shown.article.cells[kTitleColumn]) : QVariant();
    case Qt::DecorationRole:
      if (index.column() == kTitleColumn && shown.article.marked) return markImage();
      if (index.column() == kTimeColumn && shown.roundEnd) return roundEndImage();
      return {};
    default:
      return {};
  }
}

QVariant ArticleListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return columnCaption(section);
}

void ArticleListModel::insertAtTop(const ArticleRow& row) {
  beginInsertRows({}, 0, 0);
  rows_.push_front({row});
  endInsertRows();
}

void ArticleListModel::append(const ArticleRow& row) {
  appendRows({row});
}

void ArticleListModel::appendRows(const std::vector<ArticleRow>& rows) {
  if (rows.empty()) return;
  const int first = rowCount();
  beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
  for (const ArticleRow& row : rows) rows_.push_back({row});
  endInsertRows();
}

void ArticleListModel::clear() {
  if (rows_.empty()) return;
  beginResetModel();
  rows_.clear();
  endResetModel();
}

void ArticleListModel::trimTo(int keep) {
  if (keep < 0) keep = 0;
  if (rowCount() <= keep) return;
  beginRemoveRows({}, keep, rowCount() - 1);
  rows_.resize(static_cast<std::size_t>(keep));
  endRemoveRows();
}

void ArticleListModel::markTopRowAtRoundEnd() {
  if (rows_.empty()) return;
  ShownRow& top = rows_.front();
  top.roundEnd = true;
  std::string& time = top.article.cells[kTimeColumn];
  time = roundEndTimeCell(time);
  emit dataChanged(index(0, kTimeColumn), index(0, kTimeColumn));
}

}  // namespace zorvqi::ui
