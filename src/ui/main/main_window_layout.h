// The main window's resize rules: where each control goes for a window of a given size.
//
// Contract: `applyResizeRules(window, size)` places the controls for the width W and height H
// of `size`: 软件框 W x H; 标题栏 width W; 关闭按钮, 最小化, 设置 at left W-40, W-76, W-112;
// 拖动图 at (W-8, H-8); 栏目框 height H-110; 左一框 top H-43; 外形框_中间_文章列表 height H-69,
// with 文章列表框 its size and 挡表头的透明标签 its width; 浏览器框 left at the widths of
// 栏目框 and the list frame together, height H-42, reaching to 2 pixels from the right edge;
// 分隔条1 2 pixels left of it; 便签框 6 pixels smaller than the list each way; 状态框 7 pixels
// narrower than the list frame at top H-30. The list frame's width is the user's (分隔条1).
// Thread safety: UI thread only.
#pragma once

#include <QSize>

namespace zorvqi::ui {

class MainWindow;

void applyResizeRules(MainWindow& window, QSize size);

}  // namespace zorvqi::ui
