#include "ui/browser/browser_environment.h"

#include <unistd.h>

#include <QCoreApplication>

namespace zorvqi::ui {

void prepareForBrowserLibrary() {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  }
}

}  // namespace zorvqi::ui
