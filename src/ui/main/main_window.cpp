#include "ui/main/main_window.h"

namespace zorvqi::ui {

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("主窗口"));
  setWindowTitle(QStringLiteral("zorvqi"));
  resize(1000, 618);
}

}  // namespace zorvqi::ui
