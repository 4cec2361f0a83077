// The program's own images: its icon (data/icons/zorvqi.svg, built into the program) and the
// image of a plan in 栏目框.
//
// Contract: `programIcon` is the icon of the window, the taskbar, 标题栏_图标 and the tray's
// normal image, drawn from the SVG at any size (Qt's SVG icon engine, libqt6svg6, reads it);
// without that engine it falls back to a painted badge of the same colour, never an empty
// icon. `planNodeIcon` is a small painted page. Thread safety: UI thread only (QPixmap).
#pragma once

#include <QIcon>

namespace zorvqi::ui {

const QIcon& programIcon();
const QIcon& planNodeIcon();

}  // namespace zorvqi::ui
