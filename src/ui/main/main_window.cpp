#include "ui/main/main_window.h"

namespace zorvqi::ui {
namespace {

template <class Widget>
Widget* named(Widget* widget, const char16_t* name) {
  widget->setObjectName(QString::fromUtf16(name));
  return widget;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("主窗口"));
  setWindowTitle(QStringLiteral("汐昙新文章监控提醒"));
  resize(kDesignWidth, kDesignHeight);

  软件框 = named(new QFrame(this), u"软件框");
  软件框->setGeometry(0, 0, kDesignWidth, kDesignHeight);

  标题栏 = named(new QWidget(this), u"标题栏");
  标题栏->setGeometry(0, 0, 720, 40);
  标题栏_图标 = named(new QLabel(标题栏), u"标题栏_图标");
  标题栏_图标->setGeometry(8, 7, 26, 26);
  软件名标签 = named(new QLabel(标题栏), u"软件名标签");
  软件名标签->setGeometry(40, 8, 240, 24);
  图片框1 = named(new QLabel(标题栏), u"图片框1");
  图片框1->setGeometry(300, 6, 300, 28);
  搜索框 = named(new QLineEdit(标题栏), u"搜索框");
  搜索框->setGeometry(306, 8, 288, 24);
  搜索框->setText(QStringLiteral("输入关键词，回车搜索"));
  设置 = named(new QToolButton(this), u"设置");
  设置->setGeometry(856, 2, 36, 36);
  最小化 = named(new QToolButton(this), u"最小化");
  最小化->setGeometry(892, 2, 36, 36);
  关闭按钮 = named(new QToolButton(this), u"关闭按钮");
  关闭按钮->setGeometry(928, 2, 36, 36);

  收藏按钮 = named(new QToolButton(this), u"收藏按钮");
  收藏按钮->setGeometry(8, 44, 60, 28);
  便签 = named(new QToolButton(this), u"便签");
  便签->setGeometry(72, 44, 60, 28);
  全部文章按钮 = named(new QToolButton(this), u"全部文章按钮");
  全部文章按钮->setGeometry(136, 44, 60, 28);
  迷你首页 = named(new QToolButton(this), u"迷你首页");
  迷你首页->setGeometry(200, 44, 60, 28);
  迷你首页->setCheckable(true);

  栏目框 = named(new QTreeWidget(this), u"栏目框");
  栏目框->setGeometry(0, 76, 200, 462);
  栏目框->setHeaderHidden(true);

  左一框 = named(new QFrame(this), u"左一框");
  左一框->setGeometry(0, 540, 200, 78);
  标签13 = named(new QLabel(QStringLiteral("频率"), 左一框), u"标签13");
  标签13->setGeometry(6, 8, 36, 22);
  频率框 = named(new QLineEdit(QStringLiteral("600"), 左一框), u"频率框");
  频率框->setGeometry(44, 8, 60, 22);
  运行 = named(new QPushButton(QStringLiteral("监控勾选"), 左一框), u"运行");
  运行->setGeometry(6, 40, 92, 30);
  运行->setToolTip(QStringLiteral("自动监控被勾选项目的新文章"));
  一键提取 = named(new QPushButton(QStringLiteral("一键提取"), 左一框), u"一键提取");
  一键提取->setGeometry(102, 40, 92, 30);
  一键提取->setToolTip(QStringLiteral("获取所有方案的新文章"));

  分隔条1 = named(new QSplitter(Qt::Horizontal, this), u"分隔条1");
  分隔条1->setGeometry(202, 76, 798, 500);
  外形框_中间_文章列表 = named(new QFrame(分隔条1), u"外形框_中间_文章列表");
  文章列表框 = named(new QTableView(外形框_中间_文章列表), u"文章列表框");
  文章列表框->setSelectionMode(QAbstractItemView::ExtendedSelection);
  文章列表框->setSelectionBehavior(QAbstractItemView::SelectRows);
  挡表头的透明标签 = named(new QLabel(外形框_中间_文章列表), u"挡表头的透明标签");
  便签框 = named(new QPlainTextEdit(外形框_中间_文章列表), u"便签框");
  便签框->hide();
  浏览器框 = named(new QWidget(分隔条1), u"浏览器框");

  状态框 = named(new QPlainTextEdit(this), u"状态框");
  状态框->setGeometry(202, 580, 790, 30);
  状态框->setReadOnly(true);
  状态框->setPlainText(QStringLiteral("欢迎使用汐昙新文章监控提醒！"));

  拖动图 = named(new QLabel(this), u"拖动图");
  拖动图->setGeometry(kDesignWidth - 7, kDesignHeight - 7, 7, 7);
}

}  // namespace zorvqi::ui
