// The main window of the desktop program: its controls, named as the system names them.
//
// Contract: the constructor creates every control of the window with its Qt object name
// and member name, captions and initial texts, at its design place in the design size
// 1000 x 618, and the two menus 托盘菜单 and 右击浏览器 with their items (their commands are
// connected by the program). The window draws its own frame: the title bar drags it and
// maximises it on a double-click, 拖动图 resizes it, 最小化 minimises it, 设置 pops up
// 托盘菜单, 关闭按钮 and a close request of the desktop ask the program to exit
// (`exitRequested`; the window itself stays). Every size change applies the resize rules
// (main_window_layout.h); a minimised window hides itself when `setHidesWhenMinimised(true)`
// (only where a tray icon can bring it back). The status box operations take GBK texts
// (status_box.h). Behaviour of the article list and the monitor is added by their own
// controllers, each in a file of its own. Thread safety: UI thread only.
#pragma once

#include <QAction>
#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QTreeWidget>
#include <QWidget>
#include <optional>
#include <string>

#include "base/status_lines.h"
#include "ui/main/window_frame.h"

namespace zorvqi::ui {

class MainWindow : public QWidget, public StatusLines {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  static constexpr int kDesignWidth = 1000;
  static constexpr int kDesignHeight = 618;

  // Status box (状态框), GBK texts.
  void setStatus(const std::string& text);
  void appendRawStatus(const std::string& text);
  void appendStatus(const std::string& text) override;
  void replaceStatus(const std::string& text);
  std::string statusText() const;

  // A visible window is hidden; a hidden one is shown in the normal state.
  void toggleMainWindow();
  // Shows the window in the normal state, raised and active, whether it was hidden, minimised
  // (into the tray or not) or behind others.
  void showMainWindow();
  void setHidesWhenMinimised(bool hides) { hidesWhenMinimised_ = hides; }
  // Row height of 文章列表框 and its alternating row colours (the first row takes `first`);
  // a colour left out keeps the list's own.
  void setArticleRowAppearance(int rowHeight, std::optional<QColor> first, std::optional<QColor> second);
  // Pops up 托盘菜单 or 右击浏览器 at a screen position without waiting for a choice.
  void popUpTrayMenu(QPoint screenPosition);
  void popUpBrowserMenu(QPoint screenPosition);

  QFrame* 软件框;
  QWidget* 标题栏;
  QLabel* 标题栏_图标;
  QLabel* 软件名标签;
  QLabel* 图片框1;
  QLineEdit* 搜索框;
  QToolButton* 设置;
  QToolButton* 最小化;
  QToolButton* 关闭按钮;
  QToolButton* 收藏按钮;
  QToolButton* 便签;
  QToolButton* 全部文章按钮;
  QToolButton* 迷你首页;
  QTreeWidget* 栏目框;
  QFrame* 左一框;
  QLabel* 标签13;
  QLineEdit* 频率框;
  QPushButton* 运行;
  QPushButton* 一键提取;
  QFrame* 外形框_中间_文章列表;
  QTableView* 文章列表框;
  QLabel* 挡表头的透明标签;
  QPlainTextEdit* 便签框;
  SplitterBar* 分隔条1;
  QWidget* 浏览器框;
  QPlainTextEdit* 状态框;
  QLabel* 拖动图;

  QMenu* 托盘菜单;
  QAction* 选项设置;
  QAction* 记住当前界面大小;  // "记住当前 界面大小"
  QAction* 关于作者;          // "关于 || 作者"
  QAction* 网站规则共享平台;
  QAction* 退出;

  QMenu* 右击浏览器;
  QAction* 复制;
  QAction* 刷新;

 signals:
  void exitRequested();
  void activated();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createControls();
  void createMenus();
  void connectFrame();
  void hideIfMinimised();

  bool hidesWhenMinimised_ = false;
};

}  // namespace zorvqi::ui
