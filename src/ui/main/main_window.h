// The main window of the desktop program.
//
// Contract: owns the window's controls, named as the system names them (Qt object names and
// member names alike). Thread safety: UI thread only.
#pragma once

#include <QWidget>

namespace zorvqi::ui {

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
};

}  // namespace zorvqi::ui
