// What start-up reads from the settings file for the main window, and the rules that turn
// it into a size, a place, a row height and row colours.
//
// Contract: `readWindowSettings` reads "高度", "宽度", "别名", "行高", "行色1", "行色2" and
// "频率" of section "配置" directly (not through configItem); numbers follow the system's
// text-to-number rule, so a missing key reads as 0. A row height below 18 becomes 30. A row
// colour is a value 0x00BBGGRR; a key that is missing altogether gives no colour, so the
// list keeps its own instead of painting black rows under black text. `startupWindowSize`
// gives a window that can be seen: a width or height that is not positive takes the design
// value (Qt makes no 0 x 0 window, and a frameless one would be lost). `centredPosition`
// centres a window on a screen, each coordinate computed in floating point and truncated
// toward zero. Thread safety: pure functions apart from the file read.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>
#include <string>

namespace zorvqi {
class SettingsFile;
}

namespace zorvqi::app {

struct WindowSettings {
  int width = 0;
  int height = 0;
  std::string alias;  // GBK; empty means the default title
  int rowHeight = 30;
  std::optional<QColor> rowColour1;
  std::optional<QColor> rowColour2;
  std::string interval;  // GBK; empty keeps 频率框 as it is
};

WindowSettings readWindowSettings(const SettingsFile& settings);

int rowHeightFromSetting(int stored);
QColor colourFromSetting(int stored);
QSize startupWindowSize(int width, int height, QSize design);
QPoint centredPosition(const QRect& screen, QSize window);

}  // namespace zorvqi::app
