// 文章菜单, the right-click menu of 文章列表框: 加入收藏, 导出已选行, 生成二维码, a separator,
// 上一页, 下一页.
//
// Contract: `prepare` readies 加入收藏 for the selected row before the menu pops up: disabled
// without a selected row; captioned "加入到收藏夹" when the row's state cell reads as the
// number 0 (an empty cell does), else "移出收藏夹". The actions carry their names as object
// names; their triggers are connected by the menu's owner. Thread safety: UI thread only.
#pragma once

#include <QAction>
#include <QMenu>
#include <memory>

#include "monitor/monitor_view.h"

namespace zorvqi::ui {

class ArticleMenu {
 public:
  ArticleMenu();

  void prepare(const ArticleRow* selected);
  void popUp(const QPoint& globalPosition) { menu_->popup(globalPosition); }

  QMenu& menu() { return *menu_; }
  QAction* favourite() const { return favourite_; }
  QAction* exportRows() const { return exportRows_; }
  QAction* qrCode() const { return qrCode_; }
  QAction* previousPage() const { return previousPage_; }
  QAction* nextPage() const { return nextPage_; }

 private:
  std::unique_ptr<QMenu> menu_;
  QAction* favourite_;
  QAction* exportRows_;
  QAction* qrCode_;
  QAction* previousPage_;
  QAction* nextPage_;
};

}  // namespace zorvqi::ui
