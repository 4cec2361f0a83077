#include "ui/platform/global_hot_key.h"

#include <QGuiApplication>

#include "ui/platform/x11/x11_hot_key.h"

namespace zorvqi::ui {

std::unique_ptr<GlobalHotKey> createGlobalHotKey() {
  if (auto x11 = X11HotKey::forCurrentDesktop()) return x11;
  return std::make_unique<UnavailableHotKey>();
}

}  // namespace zorvqi::ui
