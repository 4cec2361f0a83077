// What the user does with the rows of 文章列表框: click, double-click, and the commands of
// 文章菜单.
//
// Contract ("the selected row" is the current row when it is selected, else the first
// selected row in list order):
// - A left click on a row raw-appends its summary line to the status box when its title
//   cell is not empty: "\r\nNO." + id + " [" + site + "] " + title + "（" + link + "）----" +
//   time + "；状态：" + state.
// - A double-click opens the selected row's address: in the browser box when the mouse is
//   right of x 200 in the list, else in the default browser; nothing without a selected row.
// - A right-click pops 文章菜单 up at the mouse (ArticleMenu::prepare first).
// - 加入收藏 refuses a live row (id "-1"), favourites a monitor round's row (empty id) by its
//   address, favourites a stored row whose state is "0" by its id, and otherwise clears the
//   flag by id. The status line is set before the statement runs and does not depend on it;
//   the row itself is not redrawn. Texts go to the store as bound values.
// - 导出已选行 puts one line per selected row, in list order, on the clipboard: link TAB
//   title TAB site TAB time CRLF (no row empties the clipboard text), then reports the count.
// - 生成二维码 shows the QR-code page of the selected row's address, encoded by urlEncode
//   through UTF-8 with the unreserved bytes kept, in the browser box; without an address it
//   asks for a row to be selected.
// - 上一页 and 下一页 are ArticlePages' paging.
// Thread safety: UI thread only.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTableView>
#include <functional>
#include <optional>
#include <string>

#include "monitor/monitor_view.h"
#include "ui/main/article_list_model.h"
#include "ui/main/article_menu.h"
#include "ui/main/article_pages.h"

namespace zorvqi {
class Database;
}

namespace zorvqi::ui {

class BrowserView;

// Double-clicks right of this x position in the list open in the browser box.
inline constexpr int kBrowserBoxFromX = 201;

using ServiceBase = std::function<std::string()>;

class ArticleRowActions : public QObject {
  Q_OBJECT

 public:
  ArticleRowActions(QTableView& list, ArticleListModel& model, ArticlePages& pages, Database& database,
                    BrowserView& browser, MonitorView& status, ServiceBase serviceBase);

  ArticleMenu& menu() { return menu_; }

  void rowClicked(int row);
  void doubleClickedAt(int x);
  void popUpMenu(const QPoint& listPosition);
  void toggleFavourite();
  void exportSelectedRows();
  void showQrCode();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::optional<int> selectedRow() const;
  std::vector<int> selectedRowsInOrder() const;

  QPointer<QTableView> list_;
  ArticleListModel& model_;
  ArticlePages& pages_;
  Database& database_;
  BrowserView& browser_;
  MonitorView& status_;
  ServiceBase serviceBase_;
  ArticleMenu menu_;
};

}  // namespace zorvqi::ui
