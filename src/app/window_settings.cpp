#include "app/window_settings.h"

#include "store/settings_file.h"
#include "text/number.h"
#include "ui/qtsupport/qt_text.h"

namespace zorvqi::app {
namespace {

std::string configValue(const SettingsFile& settings, const QString& key) {
  return settings.read(kConfigSection, ui::fromQString(key));
}

std::optional<QColor> rowColour(const SettingsFile& settings, const QString& key) {
  const std::string stored = configValue(settings, key);
  if (stored.empty()) return std::nullopt;
  return colourFromSetting(textToInt32(stored));
}

}  // namespace

WindowSettings readWindowSettings(const SettingsFile& settings) {
  WindowSettings result;
  result.height = textToInt32(configValue(settings, QStringLiteral("高度")));
  result.width = textToInt32(configValue(settings, QStringLiteral("宽度")));
  result.alias = configValue(settings, QStringLiteral("别名"));
  result.rowHeight = rowHeightFromSetting(textToInt32(configValue(settings, QStringLiteral("行高"))));
  result.rowColour1 = rowColour(settings, QStringLiteral("行色1"));
  result.rowColour2 = rowColour(settings, QStringLiteral("行色2"));
  result.interval = configValue(settings, QStringLiteral("频率"));
  return result;
}

int rowHeightFromSetting(int stored) {
  return stored < 18 ? 30 : stored;
}

QColor colourFromSetting(int stored) {
  const auto value = static_cast<unsigned int>(stored);
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

QSize startupWindowSize(int width, int height, QSize design) {
  return {width > 0 ? width : design.width(), height > 0 ? height : design.height()};
}

QPoint centredPosition(const QRect& screen, QSize window) {
  const double left = (screen.width() - window.width()) / 2.0;
  const double top = (screen.height() - window.height()) / 2.0;
  return {screen.left() + static_cast<int>(left), screen.top() + static_cast<int>(top)};
}

}  // namespace zorvqi::app
