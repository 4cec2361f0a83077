#include "ui/main/main_window_layout.h"

#include "ui/main/main_window.h"

namespace zorvqi::ui {

void applyResizeRules(MainWindow& w, QSize size) {
  const int width = size.width();
  const int height = size.height();
  w.软件框->setGeometry(0, 0, width, height);
  w.标题栏->resize(width, w.标题栏->height());
  w.关闭按钮->move(width - 40, w.关闭按钮->y());
  w.最小化->move(width - 76, w.最小化->y());
  w.设置->move(width - 112, w.设置->y());
  w.拖动图->move(width - 8, height - 8);

  w.栏目框->resize(w.栏目框->width(), height - 110);
  w.左一框->move(w.左一框->x(), height - 43);
  QFrame& listFrame = *w.外形框_中间_文章列表;
  listFrame.resize(listFrame.width(), height - 69);
  w.文章列表框->setGeometry(0, 0, listFrame.width(), listFrame.height());
  w.挡表头的透明标签->resize(listFrame.width(), w.挡表头的透明标签->height());

  const int browserLeft = w.栏目框->width() + listFrame.width();
  w.浏览器框->setGeometry(browserLeft, w.浏览器框->y(), width - browserLeft - 2, height - 42);
  w.分隔条1->setGeometry(browserLeft - 2, w.分隔条1->y(), w.分隔条1->width(), height - 42);
  w.便签框->resize(w.文章列表框->width() - 6, w.文章列表框->height() - 6);
  w.状态框->setGeometry(w.状态框->x(), height - 30, listFrame.width() - 7, w.状态框->height());
}

}  // namespace zorvqi::ui
