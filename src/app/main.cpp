// zorvqi: the desktop program.
#include <QApplication>

#include "base/program_dir.h"
#include "ui/main/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = QApplication::arguments();
  const qsizetype dirAt = args.indexOf(QStringLiteral("--dir"));
  if (dirAt >= 0 && dirAt + 1 < args.size()) zorvqi::setProgramDir(args[dirAt + 1].toStdString());
  zorvqi::ui::MainWindow window;
  window.show();
  return QApplication::exec();
}
