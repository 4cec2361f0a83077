#include "ui/main/main_window.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <algorithm>

#include "ui/main/main_window_layout.h"
#include "ui/main/plan_tree_view.h"
#include "ui/main/status_box.h"
#include "ui/platform/program_icon.h"
#include "ui/qtsupport/qt_text.h"

namespace zorvqi::ui {
namespace {

template <class Widget>
Widget* named(Widget* widget, const char16_t* name) {
  widget->setObjectName(QString::fromUtf16(name));
  return widget;
}

QColor withoutAlpha(const QColor& colour) {
  return QColor(colour.red(), colour.green(), colour.blue());
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("主窗口"));
  setWindowTitle(QStringLiteral("汐昙新文章监控提醒"));
  setWindowIcon(programIcon());
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  resize(kDesignWidth, kDesignHeight);
  createControls();
  createMenus();
  connectFrame();
  applyResizeRules(*this, size());
}

void MainWindow::createControls() {
  软件框 = named(new QFrame(this), u"软件框");
  软件框->setGeometry(0, 0, kDesignWidth, kDesignHeight);

  标题栏 = named(new QWidget(this), u"标题栏");
  标题栏->setGeometry(0, 0, 720, 40);
  标题栏_图标 = named(new QLabel(标题栏), u"标题栏_图标");
  标题栏_图标->setGeometry(8, 7, 26, 26);
  标题栏_图标->setPixmap(programIcon().pixmap(22, 22));
  标题栏_图标->setAlignment(Qt::AlignCenter);
  软件名标签 = named(new QLabel(标题栏), u"软件名标签");
  软件名标签->setGeometry(40, 8, 240, 24);
  软件名标签->setAttribute(Qt::WA_TranslucentBackground);
  图片框1 = named(new QLabel(标题栏), u"图片框1");
  图片框1->setGeometry(300, 6, 300, 28);
  搜索框 = named(new QLineEdit(标题栏), u"搜索框");
  搜索框->setGeometry(306, 8, 288, 24);
  搜索框->setText(QStringLiteral("输入关键词，回车搜索"));
  设置 = named(new QToolButton(this), u"设置");
  设置->setGeometry(kDesignWidth - 112, 2, 36, 36);
  设置->setText(QStringLiteral("☰"));
  最小化 = named(new QToolButton(this), u"最小化");
  最小化->setGeometry(kDesignWidth - 76, 2, 36, 36);
  最小化->setText(QStringLiteral("–"));
  关闭按钮 = named(new QToolButton(this), u"关闭按钮");
  关闭按钮->setGeometry(kDesignWidth - 40, 2, 36, 36);
  关闭按钮->setText(QStringLiteral("×"));

  收藏按钮 = named(new QToolButton(this), u"收藏按钮");
  收藏按钮->setGeometry(4, 42, 46, 22);
  收藏按钮->setText(QStringLiteral("收藏"));
  便签 = named(new QToolButton(this), u"便签");
  便签->setGeometry(52, 42, 46, 22);
  便签->setText(QStringLiteral("便签"));
  全部文章按钮 = named(new QToolButton(this), u"全部文章按钮");
  全部文章按钮->setGeometry(100, 42, 46, 22);
  全部文章按钮->setText(QStringLiteral("全部"));
  迷你首页 = named(new QToolButton(this), u"迷你首页");
  迷你首页->setGeometry(148, 42, 48, 22);
  迷你首页->setText(QStringLiteral("首页"));
  迷你首页->setCheckable(true);

  栏目框 = named(new QTreeWidget(this), u"栏目框");
  栏目框->setGeometry(0, 66, 200, kDesignHeight - 110);
  栏目框->setHeaderHidden(true);
  propagateCheckChanges(*栏目框);

  左一框 = named(new QFrame(this), u"左一框");
  左一框->setGeometry(0, kDesignHeight - 43, 200, 43);
  标签13 = named(new QLabel(QStringLiteral("频率"), 左一框), u"标签13");
  标签13->setGeometry(4, 10, 28, 22);
  频率框 = named(new QLineEdit(QStringLiteral("600"), 左一框), u"频率框");
  频率框->setGeometry(32, 10, 40, 22);
  运行 = named(new QPushButton(QStringLiteral("监控勾选"), 左一框), u"运行");
  运行->setGeometry(76, 6, 60, 30);
  运行->setToolTip(QStringLiteral("自动监控被勾选项目的新文章"));
  一键提取 = named(new QPushButton(QStringLiteral("一键提取"), 左一框), u"一键提取");
  一键提取->setGeometry(138, 6, 60, 30);
  一键提取->setToolTip(QStringLiteral("获取所有方案的新文章"));

  外形框_中间_文章列表 = named(new QFrame(this), u"外形框_中间_文章列表");
  外形框_中间_文章列表->setGeometry(200, 40, 480, kDesignHeight - 69);
  文章列表框 = named(new QTableView(外形框_中间_文章列表), u"文章列表框");
  文章列表框->setSelectionMode(QAbstractItemView::ExtendedSelection);
  文章列表框->setSelectionBehavior(QAbstractItemView::SelectRows);
  挡表头的透明标签 = named(new QLabel(外形框_中间_文章列表), u"挡表头的透明标签");
  挡表头的透明标签->setGeometry(0, 0, 480, 文章列表框->horizontalHeader()->sizeHint().height());
  便签框 = named(new QPlainTextEdit(外形框_中间_文章列表), u"便签框");
  便签框->move(3, 3);
  便签框->hide();
  浏览器框 = named(new QWidget(this), u"浏览器框");
  浏览器框->setGeometry(680, 40, kDesignWidth - 682, kDesignHeight - 42);
  分隔条1 = named(new SplitterBar(this), u"分隔条1");
  分隔条1->setGeometry(678, 40, 4, kDesignHeight - 42);

  状态框 = named(new QPlainTextEdit(this), u"状态框");
  状态框->setGeometry(203, kDesignHeight - 30, 473, 28);
  状态框->setReadOnly(true);
  状态框->setLineWrapMode(QPlainTextEdit::NoWrap);
  状态框->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  状态框->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  状态框->setPlainText(QStringLiteral("欢迎使用汐昙新文章监控提醒！"));

  拖动图 = named(new QLabel(this), u"拖动图");
  拖动图->setGeometry(kDesignWidth - 8, kDesignHeight - 8, 7, 7);
}

void MainWindow::connectFrame() {
  new TitleBarHandler(*this, *标题栏);
  new CornerGripHandler(*this, *拖动图);
  分隔条1->moved = [this](int barLeft) {
    // The bar sits 2 pixels left of the browser box, which starts where the list ends.
    const int listWidth =
        std::clamp(barLeft + 2 - 栏目框->width(), 100, std::max(100, width() - 栏目框->width() - 100));
    外形框_中间_文章列表->resize(listWidth, 外形框_中间_文章列表->height());
    applyResizeRules(*this, size());
  };
  connect(最小化, &QToolButton::clicked, this, [this] { showMinimized(); });
  connect(关闭按钮, &QToolButton::clicked, this, &MainWindow::exitRequested);
  connect(设置, &QToolButton::clicked, this,
          [this] { popUpTrayMenu(设置->mapToGlobal(QPoint(0, 设置->height()))); });
  频率框->installEventFilter(this);
}

void MainWindow::setStatus(const std::string& text) {
  setStatusText(*状态框, text);
}

void MainWindow::appendRawStatus(const std::string& text) {
  appendRawStatusText(*状态框, text);
}

void MainWindow::appendStatus(const std::string& text) {
  appendStatusLine(*状态框, text);
}

void MainWindow::replaceStatus(const std::string& text) {
  replaceStatusLine(*状态框, text);
}

std::string MainWindow::statusText() const {
  return statusBoxText(*状态框);
}

void MainWindow::toggleMainWindow() {
  if (isVisible()) {
    hide();
    return;
  }
  showMainWindow();
}

void MainWindow::showMainWindow() {
  show();
  showNormal();
  raise();
  activateWindow();
}

void MainWindow::setArticleRowAppearance(int rowHeight, std::optional<QColor> first,
                                         std::optional<QColor> second) {
  QHeaderView* rows = 文章列表框->verticalHeader();
  rows->setMinimumSectionSize(std::min(rowHeight, rows->minimumSectionSize()));
  rows->setDefaultSectionSize(rowHeight);
  rows->setSectionResizeMode(QHeaderView::Fixed);
  QPalette palette = 文章列表框->palette();
  if (first) palette.setColor(QPalette::Base, withoutAlpha(*first));
  if (second) palette.setColor(QPalette::AlternateBase, withoutAlpha(*second));
  文章列表框->setPalette(palette);
  文章列表框->setAlternatingRowColors(true);
}

void MainWindow::popUpTrayMenu(QPoint screenPosition) {
  托盘菜单->popup(screenPosition);
}

void MainWindow::popUpBrowserMenu(QPoint screenPosition) {
  右击浏览器->popup(screenPosition);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  applyResizeRules(*this, size());
  hideIfMinimised();
}

void MainWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) hideIfMinimised();
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) emit activated();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A close from the desktop (its close shortcut) leaves the program the way its own exit
  // commands do, with the interval saved; the window is not closed behind the program's back.
  event->ignore();
  emit exitRequested();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == 频率框 && event->type() == QEvent::FocusIn)
    replaceStatus(fromQString(QStringLiteral("单位：秒。 ")));
  return QWidget::eventFilter(watched, event);
}

void MainWindow::hideIfMinimised() {
  if (!hidesWhenMinimised_ || !isMinimized()) return;
  // Minimising shows the window once its state has changed: hide it after that.
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (isMinimized() && isVisible()) hide();
      },
      Qt::QueuedConnection);
}

}  // namespace zorvqi::ui
