#include "ui/main/article_row_actions.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <algorithm>

#include "store/article_store.h"
#include "store/database.h"
#include "text/charset.h"
#include "text/number.h"
#include "text/url_encode.h"
#include "ui/browser/browser_pages.h"
#include "ui/browser/show_in_browser_box.h"
#include "ui/qtsupport/open_external.h"
#include "ui/qtsupport/qt_text.h"

namespace zorvqi::ui {
namespace {

const char* const kLiveRowId = "-1";

std::string cell(const ArticleRow& row, ArticleColumn column) {
  return row.cells[static_cast<std::size_t>(column)];
}

}  // namespace

ArticleRowActions::ArticleRowActions(QTableView& list, ArticleListModel& model, ArticlePages& pages,
                                     Database& database, BrowserView& browser, MonitorView& status,
                                     ServiceBase serviceBase)
    : list_(&list),
      model_(model),
      pages_(pages),
      database_(database),
      browser_(browser),
      status_(status),
      serviceBase_(std::move(serviceBase)) {
  connect(&list, &QAbstractItemView::clicked, this,
          [this](const QModelIndex& index) { rowClicked(index.row()); });
  connect(&list, &QWidget::customContextMenuRequested, this, &ArticleRowActions::popUpMenu);
  list.viewport()->installEventFilter(this);
  connect(menu_.favourite(), &QAction::triggered, this, &ArticleRowActions::toggleFavourite);
  connect(menu_.exportRows(), &QAction::triggered, this, &ArticleRowActions::exportSelectedRows);
  connect(menu_.qrCode(), &QAction::triggered, this, &ArticleRowActions::showQrCode);
  connect(menu_.previousPage(), &QAction::triggered, this, [this] { pages_.previousPage(); });
  connect(menu_.nextPage(), &QAction::triggered, this, [this] { pages_.nextPage(); });
}

bool ArticleRowActions::eventFilter(QObject* watched, QEvent* event) {
  if (list_ && watched == list_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton) doubleClickedAt(qRound(mouse->position().x()));
  }
  return false;
}

void ArticleRowActions::rowClicked(int row) {
  if (row < 0 || row >= model_.rowCount()) return;
  const ArticleRow& a = model_.article(row);
  if (cell(a, kTitleColumn).empty()) return;
  status_.appendRawStatus("\r\nNO." + cell(a, kIdColumn) + " [" + cell(a, kSiteColumn) + "] " +
                          cell(a, kTitleColumn) + utf8ToGbk("（") + cell(a, kLinkColumn) +
                          utf8ToGbk("）----") + cell(a, kTimeColumn) + utf8ToGbk("；状态：") +
                          cell(a, kStateColumn));
}

void ArticleRowActions::doubleClickedAt(int x) {
  const std::optional<int> row = selectedRow();
  if (!row) return;
  const std::string address = cell(model_.article(*row), kLinkColumn);
  if (x >= kBrowserBoxFromX) {
    showInBrowserBox(browser_, address, status_);
  } else {
    openExternal(address, status_);
  }
}

void ArticleRowActions::popUpMenu(const QPoint& listPosition) {
  const std::optional<int> row = selectedRow();
  menu_.prepare(row ? &model_.article(*row) : nullptr);
  menu_.popUp(list_ ? list_->viewport()->mapToGlobal(listPosition) : listPosition);
}

void ArticleRowActions::toggleFavourite() {
  const std::optional<int> row = selectedRow();
  if (!row) return;
  const ArticleRow& a = model_.article(*row);
  const std::string id = cell(a, kIdColumn);
  if (id == kLiveRowId) {
    status_.setStatus(utf8ToGbk("失败！仅可收藏监控到的文章（当前为实时抓取的文章未入库，不能被收藏）！"));
    return;
  }
  if (id.empty()) {
    status_.setStatus(utf8ToGbk("文章收藏成功！"));
    markFavouriteByUrl(database_, cell(a, kLinkColumn));
    return;
  }
  const bool makeFavourite = cell(a, kStateColumn) == "0";
  status_.setStatus(makeFavourite ? utf8ToGbk("文章收藏成功！")
                                  : utf8ToGbk("已移出收藏夹！ 刷新收藏夹可见效果"));
  database_.runStatement("update info set issoucang=? where id=?",
                         {std::int64_t{makeFavourite ? 1 : 0}, textToInt64(id)});
}

void ArticleRowActions::exportSelectedRows() {
  const std::vector<int> rows = selectedRowsInOrder();
  std::string text;
  for (int row : rows) {
    const ArticleRow& a = model_.article(row);
    text += cell(a, kLinkColumn) + "\t" + cell(a, kTitleColumn) + "\t" + cell(a, kSiteColumn) + "\t" +
            cell(a, kTimeColumn) + "\r\n";
  }
  QGuiApplication::clipboard()->setText(toQString(text));
  status_.appendStatus(utf8ToGbk("\r\n复制成功！共 ") + decimalText(static_cast<std::int64_t>(rows.size())) +
                       utf8ToGbk(" 行信息。粘贴到任意处可查看复制的信息内容（按住Ctrl或Shift可选择多行）"));
}

void ArticleRowActions::showQrCode() {
  const std::optional<int> row = selectedRow();
  const std::string address = row ? cell(model_.article(*row), kLinkColumn) : std::string();
  if (address.empty()) {
    status_.appendStatus(utf8ToGbk("请先选择行才可生成二维码"));
    return;
  }
  const std::string encoded = urlEncode(address, {.keepUnreserved = true, .throughUtf8 = true});
  showInBrowserBox(browser_, qrCodePage(serviceBase_ ? serviceBase_() : std::string(), encoded), status_);
}

std::optional<int> ArticleRowActions::selectedRow() const {
  const std::vector<int> rows = selectedRowsInOrder();
  if (rows.empty()) return std::nullopt;
  const int current = list_->currentIndex().row();
  if (std::binary_search(rows.begin(), rows.end(), current)) return current;
  return rows.front();
}

// Rows with any selected cell: hidden columns must not make a selected row look unselected.
std::vector<int> ArticleRowActions::selectedRowsInOrder() const {
  std::vector<int> rows;
  if (!list_ || !list_->selectionModel()) return rows;
  for (const QModelIndex& index : list_->selectionModel()->selectedIndexes()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

}  // namespace zorvqi::ui
