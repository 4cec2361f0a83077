// The main window of the desktop program: its controls, named as the system names them.
//
// Contract: the constructor creates every control of the window with its Qt object name
// and member name, captions and initial texts, at its design place in the design size
// 1000 x 618. Behaviour is added by the window's handlers (start-up, status box, title bar,
// resize rules, menus) and by the controllers of the article list and the monitor, each in a
// file of its own. Thread safety: UI thread only.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>
#include <QTreeWidget>
#include <QWidget>

namespace zorvqi::ui {

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  static constexpr int kDesignWidth = 1000;
  static constexpr int kDesignHeight = 618;

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
  QSplitter* 分隔条1;
  QWidget* 浏览器框;
  QPlainTextEdit* 状态框;
  QLabel* 拖动图;
};

}  // namespace zorvqi::ui
