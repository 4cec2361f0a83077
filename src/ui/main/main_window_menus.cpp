#include "ui/main/main_window.h"

namespace zorvqi::ui {
namespace {

QAction* namedAction(QMenu* menu, const QString& name) {
  QAction* action = menu->addAction(name);
  action->setObjectName(name);
  return action;
}

}  // namespace

void MainWindow::createMenus() {
  托盘菜单 = new QMenu(this);
  托盘菜单->setObjectName(QStringLiteral("托盘菜单"));
  选项设置 = namedAction(托盘菜单, QStringLiteral("选项设置"));
  托盘菜单->addSeparator();
  记住当前界面大小 = namedAction(托盘菜单, QStringLiteral("记住当前 界面大小"));
  关于作者 = namedAction(托盘菜单, QStringLiteral("关于 || 作者"));
  网站规则共享平台 = namedAction(托盘菜单, QStringLiteral("网站规则共享平台"));
  网站规则共享平台->setCheckable(true);
  网站规则共享平台->setChecked(true);
  退出 = namedAction(托盘菜单, QStringLiteral("退出"));

  右击浏览器 = new QMenu(this);
  右击浏览器->setObjectName(QStringLiteral("右击浏览器"));
  复制 = namedAction(右击浏览器, QStringLiteral("复制"));
  刷新 = namedAction(右击浏览器, QStringLiteral("刷新"));
}

}  // namespace zorvqi::ui
