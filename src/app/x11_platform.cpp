#include "app/x11_platform.h"

#include <cstdlib>

namespace zorvqi::app {

void preferX11WhereAvailable() {
  const char* display = std::getenv("DISPLAY");
  if (!display || !*display || std::getenv("QT_QPA_PLATFORM")) return;
  ::setenv("QT_QPA_PLATFORM", "xcb", 0);
}

}  // namespace zorvqi::app
